#pragma once

#include <optional>

// What one display tick asks of the window, which owns the widgets: the
// engine has already changed the traces, the marker and the state.
struct TraceTickResult {
    enum class End {
        Batch,     // the whole batch was processed (or the stop flag ended it)
        Dropped,   // an empty block or an all-zero pair: the rest was dropped
        Captured,  // the capture completed: the rest was dropped
    };
    End end = End::Batch;

    // Values for the voltage readouts Edit5 (CH0) and Edit6 (CH1); an empty
    // one leaves its edit as it is.
    std::optional<float> readout0;
    std::optional<float> readout1;

    // A trigger was confirmed on this channel (0 or 1): the panel shows the
    // capture as complete and the level controls come back.
    std::optional<int> confirmedChannel;

    struct Capture {
        int channel;      // the trigger channel, whose chart gets the label
        double triggerX;  // the trigger point on that chart's time axis
    };
    // The capture is complete: the display freezes here.
    std::optional<Capture> capture;

    // Start the analysis thread: once for a capture, or the free-running
    // analysis of this run.
    bool startAnalysis = false;
};
