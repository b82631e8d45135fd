// A full 3D chart's worth of dots on a 512 x 512 canvas: 1688 CanvasDrawPoint calls of
// width 10, then the one repaint they cause. Aim: under 3 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "platform/ui/user_interface.h"

namespace {

constexpr int kDots = 1688;
constexpr int kDotWidth = 10;
constexpr int kCanvasSize = 512;

struct Chart {
    int panel = 0;
    int canvas = 0;
};

Chart& TheChart() {
    static Chart chart = [] {
        Chart c;
        c.panel = NewPanel(0, "bench", 20, 20, 540, 540);
        c.canvas = NewCtrl(c.panel, CTRL_CANVAS, "", 10, 10);
        SetCtrlAttribute(c.panel, c.canvas, ATTR_WIDTH, kCanvasSize);
        SetCtrlAttribute(c.panel, c.canvas, ATTR_HEIGHT, kCanvasSize);
        SetCtrlAttribute(c.panel, c.canvas, ATTR_PEN_WIDTH, kDotWidth);
        DisplayPanel(c.panel);
        QApplication::processEvents();
        return c;
    }();
    return chart;
}

// A spread of positions like the chart's: a disc of dots around the centre.
Point DotAt(int i) {
    return MakePoint(256 + (i * 37) % 300 - 150, 256 + (i * 53) % 300 - 150);
}

void BM_CanvasPointsAndRepaint(benchmark::State& state) {
    const Chart& chart = TheChart();
    for (auto _ : state) {
        for (int i = 0; i < kDots; ++i) CanvasDrawPoint(chart.panel, chart.canvas, DotAt(i));
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kDots);
}
BENCHMARK(BM_CanvasPointsAndRepaint)->Unit(benchmark::kMillisecond);

// The same with a pen colour set before every dot, as the chart plots them.
void BM_CanvasPointsWithPenColours(benchmark::State& state) {
    const Chart& chart = TheChart();
    for (auto _ : state) {
        for (int i = 0; i < kDots; ++i) {
            SetCtrlAttribute(chart.panel, chart.canvas, ATTR_PEN_COLOR,
                             static_cast<int>((i * 2654435761u) & 0xFFFFFF));
            CanvasDrawPoint(chart.panel, chart.canvas, DotAt(i));
        }
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kDots);
}
BENCHMARK(BM_CanvasPointsWithPenColours)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static char name[] = "bench_canvas_points";
    static char* args[] = {name, nullptr};
    if (InitCVIRTEEx(nullptr, args, nullptr) != 1) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
