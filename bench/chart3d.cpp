// The 3D chart, headless: a full plot of the 1688 colours at the start state (goal < 3 ms) and
// one box preview as a slide moves (goal < 0.3 ms); its window's build is in window_builds.
// The plot and the preview include the repaint they cause.
#include "chart3d/chart3d.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/chart3d_panel.h"

namespace {

// The window as the shell shows it, built once.
void ShowChart() {
    if (chart3dPanel > 0) return;
    SetRgbSpace(10);
    whiteRef = GetWhiteRef(4, 1);
    chart3dPanel = BuildCHART3D(0);
    GetCtrlBitmap(chart3dPanel, CHART3D_CANVAS, 0, &backgroundBitmap);
    DisplayPanel(chart3dPanel);
    SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, ATTR_CANVAS_BACKGROUND, VAL_TRANSPARENT);
    QApplication::processEvents();
}

void BM_PlotChart3d(benchmark::State& state) {
    ShowChart();
    for (auto _ : state) {
        PlotCHART3D();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PlotChart3d)->Unit(benchmark::kMillisecond);

void BM_BoxPreview(benchmark::State& state) {
    ShowChart();
    double angle = 0.0;
    for (auto _ : state) {
        angle = angle >= 90.0 ? -90.0 : angle + 1.0;
        SetCtrlVal(chart3dPanel, CHART3D_RHOSLIDE, angle);
        RotateCallback(chart3dPanel, CHART3D_RHOSLIDE, EVENT_VAL_CHANGED, nullptr, 0, 0);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_BoxPreview)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
