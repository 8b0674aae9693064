#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>

#include "CaptureCanvas.h"
#include "CaptureHistory.h"
#include "CaptureMouse.h"

namespace {

double ResidentMegabytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

// An annotation session of 1,000 strokes through the mouse protocol, lines,
// rectangles, ellipses and eraser strokes of a few hundred pixels, each
// dragged in 20 moves and recorded as one history step; then every step is
// undone and redone. Reports the history's memory, what the program holds
// allocated at the end (in_use_MB: the history, the canvas's own overlay
// and small objects), and the process's resident memory before the session
// (libraries), at its end, and after glibc hands back the free memory it
// keeps (a whole overlay copy per step would be 36 GB).
void BM_ThousandStrokeSession(benchmark::State& state) {
    for (auto _ : state) {
        state.counters["resident_start_MB"] = ResidentMegabytes();
        TForm4State pen;
        CaptureCanvas canvas;
        CaptureHistory history;
        CaptureMouse mouse(pen, canvas);
        history.Snapshot(canvas.Overlay());
        const int tools[] = {CaptureTool::kLine, CaptureTool::kRectangle, CaptureTool::kEllipse,
                             CaptureTool::kEraser};
        for (int i = 0; i < 1000; ++i) {
            pen.FTool = tools[i % 4];
            pen.FPenWidth = 1 + i % 5;
            pen.FPenColor = QColor::fromHsv(i * 37 % 360, 255, 255);
            const QPoint start(40 + i * 97 % 1200, 40 + i * 61 % 500);
            mouse.Press(start);
            for (int step = 1; step <= 20; ++step) {
                mouse.Move(start + QPoint(step * (10 + i % 13), step * (6 + i % 7)), true);
            }
            mouse.Release(start + QPoint(20 * (10 + i % 13), 20 * (6 + i % 7)));
            history.Snapshot(canvas.Overlay());
        }
        state.counters["history_MB"] = static_cast<double>(history.Bytes()) / 1e6;
        while (history.Undo(canvas.Overlay())) {
        }
        while (history.Redo(canvas.Overlay())) {
        }
        state.counters["resident_MB"] = ResidentMegabytes();
        const struct mallinfo2 heap = ::mallinfo2();
        state.counters["in_use_MB"] = static_cast<double>(heap.uordblks + heap.hblkhd) / 1e6;
        ::malloc_trim(0);
        state.counters["resident_trimmed_MB"] = ResidentMegabytes();
        benchmark::DoNotOptimize(canvas.Overlay().constBits());
    }
}
BENCHMARK(BM_ThousandStrokeSession)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
