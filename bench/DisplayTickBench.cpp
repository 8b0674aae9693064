#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <vector>

#include "SeriesModel.h"
#include "TChart.h"

namespace {

constexpr int kPoints = 3072;
// Sample pairs arriving per display tick at the fastest rate (100 kS/s,
// 100 ms ticks, one pair in 32 plotted).
constexpr int kPairsPerTick = 312;

double Sample(int k, double phase) {
    return 4.0 * std::sin(0.02 * k + phase) + 0.3 * std::sin(0.7 * k);
}

void Roll(SeriesModel& trace, int k, double phase) {
    const double lastX = trace.XValue(trace.Count() - 1);
    trace.DeleteFirstY();
    trace.Delete(trace.Count() - 1);
    trace.AddXY(lastX, Sample(k, phase));
}

// One display tick: both channels' traces roll by a tick's worth of samples,
// the chart is pushed and drawn into an image as the screen would be.
void BM_DisplayTick(benchmark::State& state) {
    TChart chart;
    chart.resize(1200, 500);
    chart.SetBottomAxis(0.0, kPoints, 512.0);
    chart.SetLeftAxis(-10.0, 10.0, 2.0);
    SeriesModel& ch0 = chart.AddSeries(QStringLiteral("LineSeries5"), QPen(Qt::white, 1.0), true);
    SeriesModel& ch1 = chart.AddSeries(QStringLiteral("LineSeries2"), QPen(Qt::yellow, 1.0), true);
    for (int i = 0; i < kPoints; ++i) {
        ch0.AddXY(i, Sample(i, 0.0));
        ch1.AddXY(i, Sample(i, 1.0));
    }
    chart.show();
    QApplication::processEvents();

    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    int k = kPoints;
    for (auto _ : state) {
        for (int i = 0; i < kPairsPerTick; ++i, ++k) {
            Roll(ch0, k, 0.0);
            Roll(ch1, k, 1.0);
        }
        chart.Push();
        QPainter painter(&image);
        chart.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] =
        static_cast<double>(chart.LineSeries(0)->count() + chart.LineSeries(1)->count());
}
BENCHMARK(BM_DisplayTick)->Unit(benchmark::kMillisecond);

// The model alone: one roll of one trace, what the display pays per sample.
void BM_Roll(benchmark::State& state) {
    SeriesModel trace;
    std::vector<double> samples(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        samples[static_cast<std::size_t>(i)] = Sample(i, 0.0);
        trace.AddXY(i, samples[static_cast<std::size_t>(i)]);
    }
    std::size_t k = 0;
    for (auto _ : state) {
        const double lastX = trace.XValue(trace.Count() - 1);
        trace.DeleteFirstY();
        trace.Delete(trace.Count() - 1);
        trace.AddXY(lastX, samples[k]);
        k = k + 1 < samples.size() ? k + 1 : 0;
    }
    benchmark::DoNotOptimize(trace.YValue(0));
}
BENCHMARK(BM_Roll);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
