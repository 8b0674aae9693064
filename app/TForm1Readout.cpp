// The cursor readout: a press of any mouse button over a chart writes the
// axis values under the pointer beside it, until the chart is next redrawn.

#include "PeakReadout.h"
#include "TForm1.h"

namespace {

// The text's top-left corner sits this far left of and above the pointer.
constexpr int kReadoutOffset = 17;
constexpr int kReadoutPointSize = 10;

}  // namespace

void TForm1::ShowCursorReadout(TChart* chart, int x, int y) {
    double xValue = 0.0;
    double yValue = 0.0;
    chart->GetCursorValues(x, y, xValue, yValue);
    chart->ShowOverlayText(QString::fromStdString(CursorReadoutText(xValue, yValue)),
                           QPoint(x - kReadoutOffset, y - kReadoutOffset), Qt::yellow, kReadoutPointSize);
}

// The button is not looked at: a press that starts a zoom rectangle reads
// out too.
void TForm1::Chart1MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    ShowCursorReadout(Chart1, X, Y);
}

void TForm1::Chart2MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    ShowCursorReadout(Chart2, X, Y);
}

void TForm1::Chart3MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    ShowCursorReadout(Chart3, X, Y);
}

void TForm1::Chart4MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    ShowCursorReadout(Chart4, X, Y);
}
