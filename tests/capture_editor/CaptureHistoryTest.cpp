#include "CaptureHistory.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <string>
#include <vector>

#include "CaptureCanvas.h"
#include "TForm4State.h"

namespace {

// The two lists of whole overlay copies, as the editor's history is
// described; the bounded history must restore exactly the same states.
struct FullCopies {
    std::vector<QImage> history;
    std::vector<QImage> redo;
    void Snapshot(const QImage& overlay) { history.push_back(overlay.copy()); }
    bool Undo(QImage& overlay) {
        if (history.size() < 2) {
            return false;
        }
        overlay = history[history.size() - 2].copy();
        redo.push_back(history.back());
        history.pop_back();
        return true;
    }
    bool Redo(QImage& overlay) {
        if (redo.empty()) {
            return false;
        }
        overlay = redo.back().copy();
        history.push_back(redo.back());
        redo.pop_back();
        return true;
    }
};

// d: draw a figure and snapshot, c: clear part of the overlay without a
// snapshot (Edit Capture on an open editor), s: snapshot only, u: Undo, r: Redo.
class CaptureHistoryTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CaptureHistoryTest, RestoresTheStatesOfFullCopiesInTheirOrder) {
    CaptureCanvas canvas;
    CaptureHistory bounded;
    FullCopies full;
    QImage reference = canvas.Overlay().copy();
    bounded.Snapshot(canvas.Overlay());
    full.Snapshot(reference);
    int figure = 0;
    for (char op : GetParam()) {
        if (op == 'd' || op == 'c') {
            ++figure;
            const QPoint from(37 * figure % 900, 53 * figure % 700);
            canvas.SetPen(QColor::fromHsv(40 * figure % 360, 255, 255), figure % 5 + 1);
            if (op == 'd') {
                canvas.DrawShape(CaptureTool::kRectangle - figure % 2, CaptureCanvas::RasterMode::Copy, from,
                                 from + QPoint(120, 80));
            } else {
                canvas.ClearOverlay(QRect(from, QSize(300, 200)));
            }
            reference = canvas.Overlay().copy();
        }
        if (op == 'd' || op == 's') {
            bounded.Snapshot(canvas.Overlay());
            full.Snapshot(reference);
        }
        if (op == 'u') {
            ASSERT_EQ(bounded.Undo(canvas.Overlay()), full.Undo(reference));
        }
        if (op == 'r') {
            ASSERT_EQ(bounded.Redo(canvas.Overlay()), full.Redo(reference));
        }
        ASSERT_EQ(canvas.Overlay(), reference) << "after " << op << " #" << figure;
        ASSERT_EQ(bounded.HistoryCount(), static_cast<int>(full.history.size()));
        ASSERT_EQ(bounded.RedoCount(), static_cast<int>(full.redo.size()));
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, CaptureHistoryTest,
                         ::testing::Values("duuu", "dddduuuurrrrr", "ddudr", "dddudduurrrr", "duudrur",
                                           "ddcsuurr", "ddcuu", "dsdduusruuurrrr", "sssuurr",
                                           "dududududrrrruuuu"));

TEST(CaptureHistoryMemoryTest, AStrokeCostsItsRectangleNotTheOverlay) {
    CaptureCanvas canvas;
    CaptureHistory history;
    history.Snapshot(canvas.Overlay());
    const std::size_t first = history.Bytes();
    for (int i = 0; i < 100; ++i) {
        canvas.SetPen(Qt::red, 3);
        canvas.DrawShape(CaptureTool::kEllipse, CaptureCanvas::RasterMode::Copy, QPoint(10 * i, 5 * i),
                         QPoint(10 * i + 400, 5 * i + 300));
        history.Snapshot(canvas.Overlay());
    }
    EXPECT_LT(history.Bytes() - first, std::size_t{100} * 100 * 1024) << "under 100 kB a stroke";
    history.Clear();
    EXPECT_EQ(history.Bytes(), 0u);
    EXPECT_EQ(history.HistoryCount(), 0);
}

}  // namespace
