#include "colour/ral_design.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "colour/cie_conversions.h"
#include "colour/colour_differences.h"

namespace {

// Rows written by tools/make_ral_data from data/ral_design_list.txt (a test regenerates them
// and compares): code, L*, a* = C cos h, b* = C sin h, to 3 decimals. The negative zeros of
// hue 270 (a*) and 360 (b*) and the second "360 30 30" belong to the data.
constexpr RalDesignColor ralDesignData[] = {
#include "colour/ral_design_list.h"
};
static_assert(std::size(ralDesignData) == kRalDesignCount);

char ralDesignCode[12];
const RalDesignColor* nearestRalDesign = nullptr;

// CMC(2:1), the acceptability weights used for the nearest colour.
constexpr float kCmcLightness = 2.0f;
constexpr float kCmcChroma = 1.0f;

double Sq(double v) {
    return v * v;
}

// Chroma of every record, for the lower bounds of the nearest-colour search.
const std::array<double, kRalDesignCount>& RecordChromas() {
    static const std::array<double, kRalDesignCount> chromas = [] {
        std::array<double, kRalDesignCount> c{};
        for (int i = 0; i < kRalDesignCount; ++i) {
            c[i] = std::hypot(static_cast<double>(ralDesignData[i].a), ralDesignData[i].b);
        }
        return c;
    }();
    return chromas;
}

// Double-precision CMC weights of the query, good enough for bounds and estimates; the
// differences that decide are always the library's own.
struct CmcWeights {
    double sL;
    double sC;
    double sH;
};

CmcWeights ApproximateCmcWeights(double lightness, double chroma, double hue) {
    constexpr double kPi = 3.141592653589793;
    const double p = Sq(Sq(chroma));
    const double f = std::sqrt(p / (p + 1900.0));
    const double t = (hue >= 164.0 && hue <= 345.0)
                         ? 0.56 + std::fabs(0.2 * std::cos(kPi * (hue + 168.0) / 180.0))
                         : 0.36 + std::fabs(0.4 * std::cos(kPi * (hue + 35.0) / 180.0));
    CmcWeights w;
    w.sL = lightness < 16.0 ? 0.511 : 0.040975 * lightness / (0.01765 * lightness + 1.0);
    w.sC = 0.0638 * chroma / (0.0131 * chroma + 1.0) + 0.638;
    w.sH = w.sC * ((f * t + 1.0) - f);
    return w;
}

}  // namespace

const RalDesignColor* GetRalDesignDataAddress(int* count) {
    *count = kRalDesignCount;
    return ralDesignData;
}

int RoundTo5(float v) {
    const double fifth = static_cast<double>(v) / 5.0;
    if (std::isnan(fifth)) {
        return 0;
    }
    // Keep 5n, and 5(n + 1) after rounding up, inside the int range.
    constexpr double kLowest = INT_MIN / 5;
    constexpr double kHighest = INT_MAX / 5 - 1;
    int n = static_cast<int>(std::clamp(fifth, kLowest, kHighest));
    const float r = static_cast<float>(static_cast<double>(v) - 5.0 * n);
    const float s = static_cast<float>(5.0 - r);
    if (r > s) {
        ++n;
    }
    return 5 * n;
}

const char* HLC__RalDesign(ColorTriple hlc) {
    int h = RoundTo5(hlc.c1);
    const int l = RoundTo5(hlc.c2);
    const int c = RoundTo5(hlc.c3);
    if (h < 10) {
        h = 360;
    }
    if (c < 5) {
        h = 0;  // achromatic, whatever the hue
    }
    // Three characters per number keep "HHH LL CC" inside the 12-character buffer.
    const auto clip = [](int v) { return std::clamp(v, -99, 999); };
    std::snprintf(ralDesignCode, sizeof ralDesignCode, "%03d %02d %02d", clip(h), clip(l), clip(c));
    return ralDesignCode;
}

// The nearest record by CMC(2:1) in table order, the first of equal differences winning.
// Rather than one CMC difference per record, a record is first tested against a lower bound:
// the CMC difference without its hue term, sqrt((dL / (l SL))^2 + (dC / (c SC))^2), can only
// grow when dH is added. A record whose bound exceeds the difference of a good candidate
// cannot be nearer, nor tie; every other record is compared exactly as a plain scan would.
const RalDesignColor* HLC__TrueRalDesign(ColorTriple hlc) {
    // Slack for the float32 rounding of the library's chromas, weights and results (about
    // 1e-7 relative, 1e-5 absolute for chromas below 130), with a wide margin.
    constexpr double kRelativeSlack = 1e-5;
    constexpr double kAbsoluteSlack = 1e-3;

    const ColorTriple q = HLC__Lab(hlc);
    const double qL = q.c1;
    const double qC = std::hypot(static_cast<double>(q.c2), q.c3);
    const CmcWeights w = ApproximateCmcWeights(qL, qC, Lab__HLC(q).c1);
    const std::array<double, kRalDesignCount>& chromas = RecordChromas();

    // Pass 1: bounds, and the record of least estimated difference as the candidate.
    std::array<double, kRalDesignCount> bounds;
    int candidate = 0;
    double candidateEstimate = HUGE_VAL;
    for (int i = 0; i < kRalDesignCount; ++i) {
        const RalDesignColor& r = ralDesignData[i];
        const double tL = (qL - r.L) / (kCmcLightness * w.sL);
        const double dC = qC - chromas[i];
        const double tC = dC / (kCmcChroma * w.sC);
        const double partial = Sq(tL) + Sq(tC);
        bounds[i] = std::sqrt(partial);
        const double dH2 =
            std::max(0.0, Sq(q.c2 - static_cast<double>(r.a)) + Sq(q.c3 - static_cast<double>(r.b)) - Sq(dC));
        const double estimate = partial + dH2 / Sq(w.sH);
        if (estimate < candidateEstimate) {
            candidateEstimate = estimate;
            candidate = i;
        }
    }
    const RalDesignColor& c = ralDesignData[candidate];
    const double candidateDifference = DeltaECMC(kCmcLightness, kCmcChroma, q, {c.L, c.a, c.b});
    const double limit = candidateDifference * (1.0 + kRelativeSlack) + kAbsoluteSlack;

    // Pass 2: the plain scan over the records that may still win. A NaN limit prunes nothing.
    float best = 1e38f;
    for (int i = 0; i < kRalDesignCount; ++i) {
        if (bounds[i] > limit) {
            continue;
        }
        const RalDesignColor& r = ralDesignData[i];
        const float d = DeltaECMC(kCmcLightness, kCmcChroma, q, {r.L, r.a, r.b});
        if (d < best) {
            best = d;
            nearestRalDesign = &r;
        }
    }
    return nearestRalDesign;
}
