// The viewer's start-up up to its event loop, a page change and a change of RGB space,
// headless, each with the repaint of the main window. Goals: 60 ms, 2 ms and 2 ms.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/hue_navigation.h"
#include "app/main_callbacks.h"
#include "app/startup.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility_testing.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

namespace {

char programPath[] = "/opt/ostrel/Ostrel";
char* programArgs[] = {programPath, nullptr};

void Repaint() {
    benchmark::DoNotOptimize(ui_detail::PanelWidget(mainPanel)->grab());
}

// Three windows, menu bar, hue pages, ring, the settings read and the first page drawn.
void BM_StartUp(benchmark::State& state) {
    for (auto _ : state) {
        if (StartUp(programArgs) != 0) {
            state.SkipWithError("start-up failed");
            break;
        }
        Repaint();
        state.PauseTiming();
        ui_testing::ResetLayer();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// The table refilled and repainted, the selection cleared.
void BM_PageChange(benchmark::State& state) {
    StartUp(programArgs);
    for (auto _ : state) {
        NextHueCallback(mainPanel, PANEL_NEXTBUTTON, EVENT_COMMIT, nullptr, 0, 0);
        Repaint();
    }
    ui_testing::ResetLayer();
}
BENCHMARK(BM_PageChange)->Unit(benchmark::kMicrosecond);

// Every swatch of the fullest page (hue 160) converted again and repainted.
void BM_RgbSpaceChange(benchmark::State& state) {
    StartUp(programArgs);
    actualIndex = 18;
    int space = 0;
    for (auto _ : state) {
        SetCtrlVal(mainPanel, PANEL_RGBRING, space);
        ChangeColorSpaceCallback(mainPanel, PANEL_RGBRING, EVENT_COMMIT, nullptr, 0, 0);
        Repaint();
        space = (space + 1) % 15;
    }
    ui_testing::ResetLayer();
}
BENCHMARK(BM_RgbSpaceChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) return 1;
    // The settings of a run of its own: start-up reads one as the program would.
    const auto dir = std::filesystem::temp_directory_path() / ("ostrel-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Ostrel.ini") << "COLORSPACE = 10\nHUEINDEX = 18\n";
    utility_testing::SetProjectDir(dir.string());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(dir);
    return 0;
}
