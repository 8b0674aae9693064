#pragma once

#include <string>

// The texts of the three value labels beside the sample-rate box, for the
// signal being acquired or shown: its rate ("6250 Hz"), the samples on one
// screen ("3072") and the time between two samples ("160 µs", "15.625 ms").
// A rate or length of 0 or less reads "0", as the labels read after Clear.
struct SignalFacts {
    std::string sampleRate;
    std::string signalLength;
    std::string sampleTime;

    static SignalFacts For(int sampleRate, int samplesPerScreen);
};
