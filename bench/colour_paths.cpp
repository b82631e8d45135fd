// Colour core against Little CMS 2 on the same inputs: the display path L*a*b* -> packed sRGB
// and the four colour differences. Prints the throughput ratios after the runs.
#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "colour/cie_conversions.h"
#include "colour/colour_differences.h"
#include "colour/rgb_encoding.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"

namespace {

constexpr int kColours = 4096;

const std::vector<ColorTriple>& Colours() {
    static const std::vector<ColorTriple> colours = [] {
        std::mt19937 rng(1234u);
        std::uniform_real_distribution<float> l(5, 95), ab(-80, 80);
        std::vector<ColorTriple> v(kColours);
        for (ColorTriple& c : v) {
            c = {l(rng), ab(rng), ab(rng)};
        }
        return v;
    }();
    return colours;
}

const std::vector<cmsCIELab>& CmsColours() {
    static const std::vector<cmsCIELab> colours = [] {
        std::vector<cmsCIELab> v;
        for (const ColorTriple& c : Colours()) {
            v.push_back({c.c1, c.c2, c.c3});
        }
        return v;
    }();
    return colours;
}

void BM_Path_Ostrel(benchmark::State& state) {
    SetRgbSpace(kRgbSpaceSRGB);
    const ColorTriple white = GetWhiteRef(kIlluminantD65, kObserver10Deg);
    const std::vector<ColorTriple>& in = Colours();
    std::vector<int> out(in.size());
    for (auto _ : state) {
        for (size_t i = 0; i < in.size(); ++i) {
            out[i] = RGB__int(XYZ__RGB(Lab__XYZ(in[i], white)));
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size()));
}
BENCHMARK(BM_Path_Ostrel);

void BM_Path_LittleCms(benchmark::State& state) {
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform = cmsCreateTransform(lab, TYPE_Lab_FLT, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    const std::vector<cmsCIELab>& in = CmsColours();
    std::vector<std::uint8_t> out(in.size() * 3);
    for (auto _ : state) {
        cmsDoTransform(transform, in.data(), out.data(), static_cast<cmsUInt32Number>(in.size()));
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size()));
    cmsDeleteTransform(transform);
    cmsCloseProfile(srgb);
    cmsCloseProfile(lab);
}
BENCHMARK(BM_Path_LittleCms);

// Each difference over the pairs (i, i + 1) of the same colours.
template <typename F>
void RunOstrelDifference(benchmark::State& state, F difference) {
    const std::vector<ColorTriple>& c = Colours();
    for (auto _ : state) {
        double sum = 0;
        for (size_t i = 0; i + 1 < c.size(); ++i) {
            sum += difference(c[i], c[i + 1]);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(c.size() - 1));
}

template <typename F>
void RunCmsDifference(benchmark::State& state, F difference) {
    const std::vector<cmsCIELab>& c = CmsColours();
    for (auto _ : state) {
        double sum = 0;
        for (size_t i = 0; i + 1 < c.size(); ++i) {
            sum += difference(&c[i], &c[i + 1]);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(c.size() - 1));
}

void BM_DeltaE1976_Ostrel(benchmark::State& s) {
    RunOstrelDifference(s, DeltaE1976);
}
void BM_DeltaE1976_LittleCms(benchmark::State& s) {
    RunCmsDifference(s, cmsDeltaE);
}
void BM_DeltaE1994_Ostrel(benchmark::State& s) {
    RunOstrelDifference(s, [](ColorTriple a, ColorTriple b) { return DeltaE1994(0, a, b); });
}
void BM_DeltaE1994_LittleCms(benchmark::State& s) {
    RunCmsDifference(s, cmsCIE94DeltaE);
}
void BM_DeltaECMC_Ostrel(benchmark::State& s) {
    RunOstrelDifference(s, [](ColorTriple a, ColorTriple b) { return DeltaECMC(2, 1, a, b); });
}
void BM_DeltaECMC_LittleCms(benchmark::State& s) {
    RunCmsDifference(s, [](const cmsCIELab* a, const cmsCIELab* b) { return cmsCMCdeltaE(a, b, 2, 1); });
}
void BM_DeltaE2000_Ostrel(benchmark::State& s) {
    RunOstrelDifference(s, DeltaE2000);
}
void BM_DeltaE2000_LittleCms(benchmark::State& s) {
    RunCmsDifference(s,
                     [](const cmsCIELab* a, const cmsCIELab* b) { return cmsCIE2000DeltaE(a, b, 1, 1, 1); });
}
BENCHMARK(BM_DeltaE1976_Ostrel);
BENCHMARK(BM_DeltaE1976_LittleCms);
BENCHMARK(BM_DeltaE1994_Ostrel);
BENCHMARK(BM_DeltaE1994_LittleCms);
BENCHMARK(BM_DeltaECMC_Ostrel);
BENCHMARK(BM_DeltaECMC_LittleCms);
BENCHMARK(BM_DeltaE2000_Ostrel);
BENCHMARK(BM_DeltaE2000_LittleCms);

// Console output as usual, plus the items per second of each run for the summary (the median
// when the runs are repeated, e.g. --benchmark_repetitions=5).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto it = run.counters.find("items_per_second");
            if (it != run.counters.end()) {
                rates[run.benchmark_name()] = it->second.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nOstrel / Little CMS throughput (items per second):\n");
    const struct {
        const char* label;
        const char* stem;
        double goal;
    } rows[] = {{"Lab -> XYZ -> sRGB -> packed", "BM_Path", 1.5},
                {"CIE 1976", "BM_DeltaE1976", 1.0},
                {"CIE94", "BM_DeltaE1994", 1.0},
                {"CMC(2:1)", "BM_DeltaECMC", 1.0},
                {"CIEDE2000", "BM_DeltaE2000", 1.0}};
    auto rate = [&](const std::string& name) {
        auto it = reporter.rates.find(name + "_median");
        return it != reporter.rates.end() ? it : reporter.rates.find(name);
    };
    for (const auto& row : rows) {
        const auto ours = rate(std::string(row.stem) + "_Ostrel");
        const auto theirs = rate(std::string(row.stem) + "_LittleCms");
        if (ours == reporter.rates.end() || theirs == reporter.rates.end() || theirs->second <= 0) {
            continue;
        }
        const double ratio = ours->second / theirs->second;
        std::printf("  %-30s %6.2fx  (goal %.1fx: %s)\n", row.label, ratio, row.goal,
                    ratio >= row.goal ? "met" : "NOT met");
    }
    benchmark::Shutdown();
    return 0;
}
