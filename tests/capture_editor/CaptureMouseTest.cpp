#include "CaptureMouse.h"

#include <gtest/gtest.h>

namespace {

QImage White() {
    QImage white(CaptureCanvas::kOverlaySize, CaptureCanvas::kOverlaySize, CaptureCanvas::kFormat);
    white.fill(Qt::white);
    return white;
}

struct Drag {
    const char* what;
    int tool;
    std::vector<QPoint> path;  // press, moves, release
    bool paints;
};

class CaptureMouseTest : public ::testing::TestWithParam<Drag> {
protected:
    TForm4State state;
    CaptureCanvas canvas;
    CaptureMouse mouse{state, canvas};

    CaptureMouse::Outcome Run(const std::vector<QPoint>& path) {
        mouse.Press(path.front());
        for (std::size_t i = 1; i + 1 < path.size(); ++i) {
            mouse.Move(path[i], true);
        }
        return mouse.Release(path.back());
    }
};

TEST_P(CaptureMouseTest, PaintsOnlyADragThatEndsAwayFromItsStart) {
    state.FTool = GetParam().tool;
    const CaptureMouse::Outcome out = Run(GetParam().path);
    EXPECT_TRUE(out.snapshot && out.enableUndo) << "every release is a step of the history";
    EXPECT_EQ(canvas.Overlay() != White(), GetParam().paints);
    EXPECT_EQ(canvas.Mode(), CaptureCanvas::RasterMode::Copy);
}

const QPoint a(100, 100), b(180, 150), c(60, 220);
INSTANTIATE_TEST_SUITE_P(
    Drags, CaptureMouseTest,
    ::testing::Values(Drag{"line click", CaptureTool::kLine, {a, a}, false},
                      Drag{"rectangle click", CaptureTool::kRectangle, {a, a}, false},
                      Drag{"ellipse click", CaptureTool::kEllipse, {a, a}, false},
                      Drag{"line back to start", CaptureTool::kLine, {a, b, c, a, a}, false},
                      Drag{"rectangle back to start", CaptureTool::kRectangle, {a, b, c, a, a}, false},
                      Drag{"ellipse back to start", CaptureTool::kEllipse, {a, c, b, a, a}, false},
                      Drag{"line", CaptureTool::kLine, {a, c, b, b}, true},
                      Drag{"rectangle", CaptureTool::kRectangle, {a, c, b, b}, true},
                      Drag{"ellipse", CaptureTool::kEllipse, {a, c, b, b}, true}));

TEST(CaptureMouseBandTest, TheFinalFigureIsTheBandsCopy) {
    TForm4State state;
    state.FTool = CaptureTool::kRectangle;
    state.FPenWidth = 3;
    CaptureCanvas banded;
    CaptureMouse mouse(state, banded);
    // Over annotations already there, so NOT-XOR meets colours other than white.
    banded.SetPen(QColor(0, 0, 255), 9);
    banded.DrawShape(CaptureTool::kLine, CaptureCanvas::RasterMode::Copy, QPoint(50, 50), QPoint(300, 300));
    CaptureCanvas direct = banded;
    mouse.Press(QPoint(80, 90));
    for (int i = 0; i < 40; ++i) {
        mouse.Move(QPoint(90 + 5 * i, 260 - 3 * i), true);
    }
    mouse.Move(QPoint(210, 140), true);
    mouse.Release(QPoint(210, 140));
    direct.SetPen(state.FPenColor, 3);
    direct.DrawShape(CaptureTool::kRectangle, CaptureCanvas::RasterMode::Copy, QPoint(80, 90),
                     QPoint(210, 140));
    EXPECT_EQ(banded.Overlay(), direct.Overlay()) << "every band was erased by its second drawing";
}

TEST(CaptureMouseEraserTest, WhitePenAndEraserGiveThePictureBack) {
    TForm4State state;
    CaptureCanvas canvas;
    CaptureMouse mouse(state, canvas);
    QImage picture(400, 400, CaptureCanvas::kFormat);
    picture.fill(QColor(20, 40, 60));
    canvas.SetPicture(picture);
    state.FEraserWidth = 60;
    for (int tool : {CaptureTool::kLine, CaptureTool::kEraser}) {
        canvas.SetPen(Qt::red, 40);
        canvas.DrawShape(CaptureTool::kLine, CaptureCanvas::RasterMode::Copy, QPoint(10, 100),
                         QPoint(300, 100));
        state.FTool = tool;
        state.FPenColor = Qt::white;
        state.FPenWidth = 40;
        mouse.Press(QPoint(10, 100));
        mouse.Move(QPoint(300, 100), true);
        mouse.Release(QPoint(300, 100));
        EXPECT_EQ(canvas.Overlay(), White()) << tool;
        EXPECT_EQ(canvas.Composed(), canvas.Picture());
    }
    EXPECT_EQ(canvas.PenWidth(), 60);
}

TEST(CaptureMouseMoveTest, MovesWithoutTheLeftButtonDrawNothing) {
    TForm4State state;
    CaptureCanvas canvas;
    CaptureMouse mouse(state, canvas);
    for (int tool : {CaptureTool::kLine, CaptureTool::kEraser}) {
        state.FTool = tool;
        mouse.Press(QPoint(10, 10));
        mouse.Move(QPoint(200, 200), false);
        EXPECT_EQ(canvas.Overlay(), White());
    }
}

}  // namespace
