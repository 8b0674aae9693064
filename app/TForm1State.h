#pragma once

#include <QLabel>

#include <SimpleIni.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "DeviceHandleSlot.h"
#include "DoubleArray.h"
#include "ScsiTransport.h"

// The main window's private fields, in their established order and under
// their established names. Fields that a worker thread reads are atomic;
// the others belong to the user-interface thread. TForm1 holds this state
// and hands it out read-only through State(), so tests and core classes can
// look at it without reaching into the window.
struct TForm1State {
    std::unique_ptr<QLabel> FTriggerLabel;  // "had been triggered here" marker on a waveform chart
    int FReadoutTicks = 0;
    std::atomic<bool> FStopRequested{false};  // tells every loop, thread and timer pass to stop
    bool FAnalysisStarted = false;
    int FHoldPressed = 0;
    std::atomic<int> FDecimation{0};
    // The opened instrument; null when there is none or the open failed. The
    // readers load it while detection may replace it.
    DeviceHandleSlot FDeviceHandle;
    std::atomic<int> FWritePos0{0};
    std::atomic<int> FWritePos1{0};
    std::atomic<int> FRecordLength0{0};
    std::atomic<int> FRecordLength1{0};
    std::atomic<int> FTimeBaseIndex0{0};
    int FVoltsIndex0 = 0;
    std::atomic<int> FTimeBaseIndex1{0};
    int FVoltsIndex1 = 0;
    std::atomic<int> FBlockReady{0};
    int FTriggerPos = 0;
    int FCapturedLength = 0;
    int FTriggerPosShown = 0;
    std::unique_ptr<CSimpleIniA> FIniFile;  // accessor of calibration.ini
    float FCalIn1 = 0.0f;
    float FCalOut1 = 0.0f;
    float FCalIn2 = 0.0f;
    float FCalOut2 = 0.0f;
    std::atomic<float> FCalGain0{0.0f};  // gain 0: the channel is not calibrated
    std::atomic<float> FCalOffset0{0.0f};
    std::atomic<float> FCalGain1{0.0f};
    std::atomic<float> FCalOffset1{0.0f};
    std::atomic<float> FZeroAdjust0{0.0f};
    std::atomic<float> FZeroAdjust1{0.0f};
    std::atomic<int> FSoundMode{0};  // read by the recording reader for every sample
    std::atomic<int> FWavBufferSize{0};
    std::atomic<int> FWavBufferFill{0};
    std::atomic<int> FWavBytesPerSample{0};
    std::atomic<int> FWavChannels{0};
    std::string FPictureFileName;
    // The registration for device arrival and removal events; dropping it
    // unregisters.
    std::shared_ptr<void> FDeviceNotify;
    float FHist0[3] = {};
    float FJitter0 = 0.0f;
    float FHist1[3] = {};
    float FJitter1 = 0.0f;
    // FLock comes before the queue it guards, so that it exists when the
    // queue binds to it and is destroyed after it.
    std::mutex FLock;
    DoubleArray FBlockQueue{FLock, FStopRequested};
    int FTriggerConfirm = 0;
    float FOld0[2] = {};
    float FOld1[2] = {};
    std::atomic<int> FFramesPerRead{0};
    int FFramesPerRead1 = 0;
    float FCandidateA = 0.0f;
    float FCandidateB = 0.0f;
};
