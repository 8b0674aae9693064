#pragma once

#include <QColor>
#include <QPoint>

// Tool codes of the capture editor; the mouse does nothing for other codes.
namespace CaptureTool {
constexpr int kLine = 0;
constexpr int kEraser = 3;
constexpr int kRectangle = 4;
constexpr int kEllipse = 5;
constexpr int kText = 6;
}  // namespace CaptureTool

// The editor's pen and drag state, under the window's field names; the
// window holds it and the drawing core works on it.
struct TForm4State {
    int FTool = CaptureTool::kLine;
    QColor FPenColor{255, 255, 0};
    int FPenWidth = 1;
    int FEraserWidth = 5;
    int FPenSizeCode = 1;  // 1 Small, 2 Medium, 3 Larger
    QPoint FStartPoint;
    QPoint FEndPoint;
    bool FEditingText = false;
    bool FGrowing = false;
    int FFontSize = 8;
};
