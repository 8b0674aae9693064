#pragma once

// Where the next point of a plot with a fixed number of positions goes: the
// positions fill from 0, and once all are taken every new point scrolls the
// plot one position left and lands on the last one, so the plot never runs
// off its fixed axis.
class ScrollingPlot {
public:
    struct Step {
        bool scroll;   // drop the oldest value before adding
        int position;  // X position of the new point, 0 .. positions - 1
    };

    explicit ScrollingPlot(int positions);

    Step Next();
    void Reset() { count_ = 0; }
    int Positions() const { return positions_; }

private:
    int positions_;
    int count_ = 0;
};
