#include "colour/white_points.h"

#include <array>

#include "colour/illuminant_table.h"

namespace {

constexpr int kWhitePoints = 11;
constexpr int kSpectralIlluminants = 6;
constexpr int kFirstNm = 300;
constexpr int kEndNm = 830;  // exclusive: row k + 1 must exist
constexpr int kStepNm = 5;

// Fixed white points (CIE 15 and ASTM E308 tables), not recomputed from the spectra: the
// integrals differ in the last places. Index by Illuminant; 2-degree then 10-degree observer.
constexpr std::array<std::array<ColorTriple, kWhitePoints>, 2> whiteRefTable = {{
    {{
        {109.85f, 100.0f, 35.585f},
        {98.074f, 100.0f, 118.232f},
        {96.422f, 100.0f, 82.49f},
        {95.682f, 100.0f, 92.149f},
        {95.047f, 100.0f, 108.883f},
        {94.972f, 100.0f, 122.638f},
        {97.135f, 100.0f, 143.929f},
        {100.0f, 100.0f, 100.0f},
        {99.186f, 100.0f, 67.393f},
        {95.041f, 100.0f, 108.747f},
        {100.962f, 100.0f, 64.35f},
    }},
    {{
        {111.114f, 100.0f, 35.2f},
        {97.285f, 100.0f, 116.145f},
        {96.72f, 100.0f, 81.41f},
        {95.799f, 100.0f, 90.926f},
        {94.811f, 100.0f, 107.33f},
        {94.416f, 100.0f, 120.63f},
        {97.135f, 100.0f, 143.929f},
        {100.0f, 100.0f, 100.0f},
        {103.279f, 100.0f, 69.027f},
        {95.792f, 100.0f, 107.686f},
        {103.863f, 100.0f, 65.607f},
    }},
}};

}  // namespace

ColorTriple GetWhiteRef(int illuminant, int observer) {
    if (illuminant < 0 || illuminant >= kWhitePoints) {
        return {-1.0f, -1.0f, -1.0f};
    }
    return whiteRefTable[observer == kObserver2Deg ? 0 : 1][illuminant];
}

float GetIlluminantRps(int illuminant, int nm) {
    if (illuminant < 0 || illuminant >= kSpectralIlluminants) {
        return -1.0f;
    }
    if (nm < kFirstNm || nm >= kEndNm) {
        return -1.0f;
    }
    const int d = nm - kFirstNm;
    const int k = d / kStepNm;
    const double f = (d % kStepNm) / 5.0;
    return static_cast<float>((1.0 - f) * cierps[k].power[illuminant] + f * cierps[k + 1].power[illuminant]);
}
