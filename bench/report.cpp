// The report of the page with the most colours, from the chosen path to the saved document,
// headless: the dialog answered by the test hooks, the viewer not opened. Goal under 150 ms,
// the document under 1 MB (reported as the counter doc_bytes).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/ui/ui_testing.h"
#include "report/wordreport.h"
#include "tests/report/report_world.h"

namespace {

int Colours(const HuePage& page) {
    int n = 0;
    for (const auto& column : page.cells) {
        for (const RalDesignColor* cell : column) n += cell != nullptr;
    }
    return n;
}

void BM_ReportFullestPage(benchmark::State& state) {
    for (int i = 0; i < nbHues; ++i) {
        if (Colours(chartOrg[i]) > Colours(chartOrg[actualIndex])) actualIndex = i;
    }
    const std::string path = (std::filesystem::temp_directory_path() / "ostrel_bench_report.doc").string();
    for (auto _ : state) {
        ui_testing::QueueFileAnswer(2, path);
        ReportCallback(menuBar, 0, nullptr, mainPanel);
    }
    state.counters["colours"] = Colours(chartOrg[actualIndex]);
    state.counters["doc_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReportFullestPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!StartReportWorld(argv)) return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
