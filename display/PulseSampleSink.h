#pragma once

// Takes the free-running display's latest value once per processed sample
// pair: the pulse window's estimator listens here while it is shown.
class PulseSampleSink {
public:
    virtual ~PulseSampleSink() = default;
    virtual void AddPulseSample(float pulseVolt) = 0;
};
