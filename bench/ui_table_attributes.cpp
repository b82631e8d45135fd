// 20,000 table attribute calls and one repaint, as the main window's build makes them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>

#include "platform/ui/registry.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"

namespace {

constexpr int kRows = 17;
constexpr int kColumns = 25;
constexpr int kCalls = 20000;

void TableAttributesAndOneRepaint(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTEEx(nullptr, nullptr, nullptr) == 0) {
        state.SkipWithError("no display");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        ui_testing::ResetLayer();
        const int panel = NewPanel(0, "bench", 21, 5, 780, 860);
        const int table = NewCtrl(panel, CTRL_TABLE, "", 90, 71);
        SetCtrlAttribute(panel, table, ATTR_HEIGHT, 638);
        SetCtrlAttribute(panel, table, ATTR_WIDTH, 776);
        InsertTableRows(panel, table, -1, kRows, -1);
        InsertTableColumns(panel, table, -1, kColumns, -1);
        DisplayPanel(panel);
        state.ResumeTiming();
        int calls = 0;
        while (calls < kCalls) {
            for (int row = 1; row <= kRows && calls < kCalls; ++row) {
                for (int col = 1; col <= kColumns && calls < kCalls; ++col) {
                    const Point cell = MakePoint(col, row);
                    SetTableCellAttribute(panel, table, cell, ATTR_TEXT_COLOR, 0x303030);
                    SetTableCellAttribute(panel, table, cell, ATTR_TEXT_FONT, "Arial Narrow");
                    SetTableCellAttribute(panel, table, cell, ATTR_TEXT_BGCOLOR, (row * 40 + col) * 997);
                    SetTableCellAttribute(panel, table, cell, ATTR_HORIZONTAL_GRID_COLOR, 0xF8F8F8);
                    calls += 4;
                }
            }
        }
        // The one repaint, drawn the way the window system asks for it.
        benchmark::DoNotOptimize(ui_detail::PanelWidget(panel)->grab());
    }
    state.counters["calls"] = kCalls;
}
BENCHMARK(TableAttributesAndOneRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
