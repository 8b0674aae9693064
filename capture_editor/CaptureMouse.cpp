#include "CaptureMouse.h"

#include <cstdlib>

namespace {

constexpr int kClickedBoxSize = 60;

}  // namespace

bool CaptureMouse::IsShapeTool() const {
    return s_.FTool == CaptureTool::kLine || s_.FTool == CaptureTool::kRectangle ||
           s_.FTool == CaptureTool::kEllipse;
}

QRect CaptureMouse::DraggedBox(QPoint p) const {
    return QRect(std::min(s_.FStartPoint.x(), p.x()) + 1, std::min(s_.FStartPoint.y(), p.y()) + 1,
                 std::abs(p.x() - s_.FStartPoint.x()) - 2, std::abs(p.y() - s_.FStartPoint.y()) - 2);
}

CaptureMouse::Outcome CaptureMouse::Press(QPoint p) {
    Outcome out;
    if (IsShapeTool() || s_.FTool == CaptureTool::kText) {
        canvas_.MoveTo(p);
        s_.FStartPoint = s_.FEndPoint = p;
        out.openTextBox = s_.FTool == CaptureTool::kText;
    } else if (s_.FTool == CaptureTool::kEraser) {
        canvas_.SetPen(Qt::white, s_.FEraserWidth);
        canvas_.SetRasterMode(CaptureCanvas::RasterMode::Copy);
        canvas_.MoveTo(p);
    }
    return out;
}

CaptureMouse::Outcome CaptureMouse::Move(QPoint p, bool leftHeld) {
    Outcome out;
    if (!leftHeld) {
        return out;
    }
    if (s_.FTool == CaptureTool::kEraser) {
        canvas_.LineTo(p);
    } else if (IsShapeTool()) {
        canvas_.SetPen(s_.FPenColor, s_.FPenWidth);
        canvas_.DrawShape(s_.FTool, CaptureCanvas::RasterMode::NotXor, s_.FStartPoint, s_.FEndPoint);
        s_.FEndPoint = p;
        if (p != s_.FStartPoint) {
            canvas_.DrawShape(s_.FTool, CaptureCanvas::RasterMode::NotXor, s_.FStartPoint, p);
        }
    } else if (s_.FTool == CaptureTool::kText) {
        s_.FEndPoint = p;
        if (!s_.FGrowing) {
            out.textBox = DraggedBox(p);
        }
    }
    return out;
}

CaptureMouse::Outcome CaptureMouse::Release(QPoint p) {
    Outcome out;
    if (IsShapeTool()) {
        canvas_.SetPen(s_.FPenColor, s_.FPenWidth);
        if (s_.FEndPoint == s_.FStartPoint) {
            canvas_.SetRasterMode(CaptureCanvas::RasterMode::Copy);
        } else {
            // Over the last band, which is not erased first: copy mode covers it.
            canvas_.DrawShape(s_.FTool, CaptureCanvas::RasterMode::Copy, s_.FStartPoint, p);
        }
        out.snapshot = out.enableUndo = true;
    } else if (s_.FTool == CaptureTool::kEraser) {
        canvas_.SetPen(Qt::white, s_.FEraserWidth);
        out.snapshot = out.enableUndo = true;
    } else if (s_.FTool == CaptureTool::kText) {
        out.textBox = s_.FEndPoint == s_.FStartPoint
                          ? QRect(s_.FStartPoint, QSize(kClickedBoxSize, kClickedBoxSize))
                          : DraggedBox(p);
        out.enableUndo = true;
    }
    return out;
}
