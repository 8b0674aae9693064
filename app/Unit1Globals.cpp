#include "Unit1Globals.h"

std::atomic<int> gSampleRate{64};
int gRateMultiple = 1;
int gTriggerMode = 0;
std::unique_ptr<std::uint8_t[]> gSampleBuffer;
bool gSampleBufferAllocated = false;
bool gDeviceFound = false;
int gDeviceDrive = 0;
std::atomic<std::uint8_t> gChannelMask{1};
std::string gTriggerChannel = "CH0";
float gTriggerLevel = 0.0f;
int gTriggerEdge = 1;
int gDemoWave = 0;
int gTriggered = 0;
int gAnalysisOnce = 0;
int gTriggerState = 0;
float gPrevTriggerVolt = 0.0f;
float gVolt0 = 0.0f;
float gVolt1 = 0.0f;
float gSensorVolt = 0.0f;
float gPulseVolt = 0.0f;
int gDecimation1 = 0;
std::vector<float> gCapturedTrace0;
std::vector<float> gCapturedTrace1;

void ResetUnit1Globals() {
    gSampleRate = 64;
    gRateMultiple = 1;
    gTriggerMode = 0;
    gSampleBuffer.reset();
    gSampleBufferAllocated = false;
    gDeviceFound = false;
    gDeviceDrive = 0;
    gChannelMask = 1;
    gTriggerChannel = "CH0";
    gTriggerLevel = 0.0f;
    gTriggerEdge = 1;
    gDemoWave = 0;
    gTriggered = 0;
    gAnalysisOnce = 0;
    gTriggerState = 0;
    gPrevTriggerVolt = 0.0f;
    gVolt0 = 0.0f;
    gVolt1 = 0.0f;
    gSensorVolt = 0.0f;
    gPulseVolt = 0.0f;
    gDecimation1 = 0;
    gCapturedTrace0 = {};
    gCapturedTrace1 = {};
}
