#pragma once

#include <SimpleIni.h>

#include <atomic>
#include <memory>

// The main window's calibration fields, under their own names, as the
// calibration window reads and writes them. The readers apply the four
// coefficients while a run goes, so those are atomic; the window changes
// them on the user-interface thread only. The zero adjustments of CH0 and
// CH1 are only read: a correction must give finite readings with them.
struct CalibrationFields {
    std::unique_ptr<CSimpleIniA>& FIniFile;
    float& FCalIn1;
    float& FCalOut1;
    float& FCalIn2;
    float& FCalOut2;
    std::atomic<float>& FCalGain0;
    std::atomic<float>& FCalOffset0;
    std::atomic<float>& FCalGain1;
    std::atomic<float>& FCalOffset1;
    const std::atomic<float>& FZeroAdjust0;
    const std::atomic<float>& FZeroAdjust1;
};
