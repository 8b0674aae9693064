#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

#include "CaptureCanvas.h"
#include "TForm4State.h"

// The mouse protocol of the editor's tools on the overlay, in overlay
// pixels: rubber bands in NOT-XOR while dragging, the final figure in copy
// mode on release, freehand white lines for the eraser, and the placement
// of a text box. A press while a text is being edited is the window's
// (it commits the text) and never reaches here.
class CaptureMouse {
public:
    struct Outcome {
        bool snapshot = false;  // the overlay changed as one step of the history
        bool enableUndo = false;
        bool openTextBox = false;      // text tool: a new box at the press point
        std::optional<QRect> textBox;  // text tool: where the box goes now
    };

    CaptureMouse(TForm4State& state, CaptureCanvas& canvas) : s_(state), canvas_(canvas) {}

    Outcome Press(QPoint p);
    // Moves act only while the left button is held.
    Outcome Move(QPoint p, bool leftHeld);
    Outcome Release(QPoint p);

private:
    bool IsShapeTool() const;
    QRect DraggedBox(QPoint p) const;

    TForm4State& s_;
    CaptureCanvas& canvas_;
};
