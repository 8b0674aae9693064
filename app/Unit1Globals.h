#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Module-level state of the main window's unit, shared by the window and,
// through pointers, by the worker threads. Those the workers read on every
// pass are atomic; the rest belong to the user-interface thread.

extern std::atomic<int> gSampleRate;                   // samples per second: 64, 6250, ... 100000
extern int gRateMultiple;                              // gSampleRate / 64
extern int gTriggerMode;                               // nonzero: Start runs a triggered capture
extern std::unique_ptr<std::uint8_t[]> gSampleBuffer;  // INQUIRY data, then the block the display decodes
extern bool gSampleBufferAllocated;
extern bool gDeviceFound;                       // an instrument passed the identity check
extern int gDeviceDrive;                        // '0'..'9' of the instrument's drive; 0 when none
extern std::atomic<std::uint8_t> gChannelMask;  // bit 0: CH0 on; bit 1: CH1 on
extern std::string gTriggerChannel;             // "CH0" or "CH1"
extern float gTriggerLevel;                     // volts
extern int gTriggerEdge;                        // 1 rising, 2 falling
extern int gDemoWave;                           // demo waveform on display (1..3); 0 none
extern int gTriggered;                          // a triggered capture is on display
extern int gAnalysisOnce;                       // the triggered capture's spectrum was computed
extern int gTriggerState;                       // trigger search state; 1 armed
extern float gPrevTriggerVolt;                  // last sample seen by the trigger search
extern float gVolt0;                            // the value last produced for CH0 (Edit5)
extern float gVolt1;                            // the same for CH1 (Edit6)
extern float gSensorVolt;                       // the last value of either channel, for the distance window
extern float gPulseVolt;                        // the last filtered value, for the pulse window
extern int gDecimation1;                        // the plotting decimation CH1 alone would need
// The completed triggered capture per channel, exactly as long as what was
// captured (empty: none); readers check every index against the size.
extern std::vector<float> gCapturedTrace0;
extern std::vector<float> gCapturedTrace1;

// Puts every variable above back to its value at program start, so that each
// main window (and each test that builds one) starts from the same state.
void ResetUnit1Globals();
