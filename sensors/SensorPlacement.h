#pragma once

// Rectangles in screen pixels, frames included.
struct ScreenBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a sensor window of width x height opens: beside the main window,
// right of it or else left of it, where it fits on the screen; otherwise at
// the screen's right edge, over the main window's charts rather than its
// controls on the left. Top level with the main window, kept on the screen.
ScreenBox PlaceBeside(const ScreenBox& main, int width, int height, const ScreenBox& screen);
