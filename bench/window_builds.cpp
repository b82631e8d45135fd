// Building each window headless, as start-up does once before anything is shown: the main
// window with its colour table and menu bar (goal < 50 ms), the colour detail window (< 5 ms)
// and the 3D chart window with its first picture (< 10 ms).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/ui/user_interface.h"
#include "windows/chart3d_panel.h"
#include "windows/cielab_panel.h"
#include "windows/main_panel.h"

namespace {

template <int (*Build)(int)>
void BM_Build(benchmark::State& state) {
    for (auto _ : state) {
        const int panel = Build(0);
        if (panel < 0) {
            state.SkipWithError("the build failed");
            break;
        }
        state.PauseTiming();
        DiscardPanel(panel);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Build<BuildPANEL>)->Name("BM_BuildPanel")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Build<BuildCIELAB>)->Name("BM_BuildCielab")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Build<BuildCHART3D>)->Name("BM_BuildChart3d")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
