#pragma once

// Receives, on the recording reader's thread, every voltage it converts, in
// frame order: the WAV recording plugs in here. Begin and End bracket one run.
class VoltSink {
public:
    virtual ~VoltSink() = default;
    virtual void Begin() {}
    virtual void Put(float volts) = 0;
    virtual void End() {}
};
