#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "TraceChannelFields.h"

// Everything the display refresh reads and writes besides the blocks: the
// main window's fields and its unit's variables, by reference and under
// their own names. Built once by the window; tests bind their own.
struct TraceFields {
    TraceChannelFields ch0;
    TraceChannelFields ch1;

    const std::atomic<bool>& FStopRequested;
    std::atomic<int>& FDecimation;
    int& gDecimation1;
    const std::atomic<int>& gSampleRate;
    const std::atomic<std::uint8_t>& gChannelMask;
    const std::atomic<int>& FFramesPerRead;
    int& FReadoutTicks;

    // Triggered capture.
    int& gTriggerMode;
    const std::string& gTriggerChannel;
    const float& gTriggerLevel;
    const int& gTriggerEdge;
    int& gTriggerState;
    int& gTriggered;
    float& gPrevTriggerVolt;
    int& FTriggerConfirm;
    float& FCandidateA;
    float& FCandidateB;
    int& FTriggerPos;
    int& FTriggerPosShown;
    int& FCapturedLength;

    // Free running.
    float& gSensorVolt;
    float& gPulseVolt;
    bool& FAnalysisStarted;
};
