// Nearest RAL Design colour by CMC(2:1): the search against a plain scan of all 1688 records.
#include <benchmark/benchmark.h>

#include <vector>

#include "colour/cie_conversions.h"
#include "colour/colour_differences.h"
#include "colour/ral_design.h"

namespace {

// Queries spread over the colour solid, some exactly on hue lines, a fixed sequence.
std::vector<ColorTriple> Queries() {
    std::vector<ColorTriple> queries;
    unsigned state = 2024;
    const auto next = [&state](float range) {
        state = state * 1103515245u + 12345u;
        return range * static_cast<float>((state >> 8) & 0xFFFF) / 65535.0f;
    };
    for (int i = 0; i < 192; ++i) {
        queries.push_back({next(360), 15 + next(80), next(80)});
    }
    for (int i = 0; i < 64; ++i) {
        queries.push_back({10.0f * (1 + i % 36), 20.0f + 10 * (i % 8), 5.0f * (1 + i % 10)});
    }
    return queries;
}

const RalDesignColor* PlainScan(ColorTriple hlc) {
    int count = 0;
    const RalDesignColor* table = GetRalDesignDataAddress(&count);
    const ColorTriple q = HLC__Lab(hlc);
    float best = 1e38f;
    const RalDesignColor* found = nullptr;
    for (int i = 0; i < count; ++i) {
        const float d = DeltaECMC(2, 1, q, {table[i].L, table[i].a, table[i].b});
        if (d < best) {
            best = d;
            found = &table[i];
        }
    }
    return found;
}

void BM_TrueRalDesign(benchmark::State& state) {
    const std::vector<ColorTriple> queries = Queries();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HLC__TrueRalDesign(queries[i]));
        i = (i + 1) % queries.size();
    }
    // The search must pick what the plain scan picks.
    for (const ColorTriple& q : queries) {
        if (HLC__TrueRalDesign(q) != PlainScan(q)) {
            state.SkipWithError("search and plain scan disagree");
            break;
        }
    }
}
BENCHMARK(BM_TrueRalDesign)->Unit(benchmark::kMicrosecond);

void BM_PlainScan(benchmark::State& state) {
    const std::vector<ColorTriple> queries = Queries();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlainScan(queries[i]));
        i = (i + 1) % queries.size();
    }
}
BENCHMARK(BM_PlainScan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
