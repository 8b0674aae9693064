#pragma once

#include <array>
#include <string>

// Where a capture puts each frame's volts (CH0, CH1), in frame order, on the
// capture's own thread. A sink that cannot take more (a file that cannot be
// written) returns false and says why in Error(); the capture then ends.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    virtual bool Put(const std::array<float, 2>& volts) = 0;
    // Makes everything put so far durable; called when the capture ends,
    // however it ends.
    virtual bool Finish() = 0;
    virtual std::string Error() const = 0;
};
