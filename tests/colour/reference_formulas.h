#pragma once

// Textbook double-precision colour differences, written from the published formulas, against
// which the float32 implementations are checked. Header-only, for the tests.

#include <cmath>

#include "colour/color_triple.h"

namespace reference {

constexpr double kPi = 3.141592653589793;

struct Lab {
    double l, a, b;
};

inline Lab ToLab(ColorTriple c) {
    return {c.c1, c.c2, c.c3};
}

inline double Chroma(Lab c) {
    return std::sqrt(c.a * c.a + c.b * c.b);
}

inline double HueDegrees(Lab c) {
    double h = std::atan2(c.b, c.a) * 180 / kPi;
    return h < 0 ? h + 360 : h;
}

// Which CMC hue-term branch to use; by default the one the hue selects.
enum class CmcBranch { kByHue, kInside, kOutside };

// CMC(l:c), Clarke, McDonald and Rigg (1984).
inline double Cmc(double l, double c, Lab ref, Lab sample, CmcBranch branch = CmcBranch::kByHue) {
    const double c1 = Chroma(ref);
    const double c2 = Chroma(sample);
    const double h1 = HueDegrees(ref);
    const double dL = ref.l - sample.l;
    const double dC = c1 - c2;
    const double da = ref.a - sample.a;
    const double db = ref.b - sample.b;
    const double dH2 = std::fmax(0.0, da * da + db * db - dC * dC);
    const double f = std::sqrt(std::pow(c1, 4) / (std::pow(c1, 4) + 1900));
    const bool inside = branch == CmcBranch::kByHue ? (h1 >= 164 && h1 <= 345) : branch == CmcBranch::kInside;
    const double t = inside ? 0.56 + std::fabs(0.2 * std::cos((h1 + 168) * kPi / 180))
                            : 0.36 + std::fabs(0.4 * std::cos((h1 + 35) * kPi / 180));
    const double sl = ref.l < 16 ? 0.511 : 0.040975 * ref.l / (1 + 0.01765 * ref.l);
    const double sc = 0.0638 * c1 / (1 + 0.0131 * c1) + 0.638;
    const double sh = sc * (f * t + 1 - f);
    return std::sqrt(std::pow(dL / (l * sl), 2) + std::pow(dC / (c * sc), 2) + dH2 / (sh * sh));
}

// CIE94 with kC = kH = 1.
inline double Cie94(double kL, double k1, double k2, Lab ref, Lab sample) {
    const double c1 = Chroma(ref);
    const double c2 = Chroma(sample);
    const double dC = c1 - c2;
    const double da = ref.a - sample.a;
    const double db = ref.b - sample.b;
    const double dH2 = std::fmax(0.0, da * da + db * db - dC * dC);
    const double sc = 1 + k1 * c1;
    const double sh = 1 + k2 * c1;
    return std::sqrt(std::pow((ref.l - sample.l) / kL, 2) + std::pow(dC / sc, 2) + dH2 / (sh * sh));
}

// How the mean hue of two hues more than 180 degrees apart is formed.
enum class MeanHue {
    kWrapped,       // Sharma, Wu and Dalal (2005): brought back into 0..360; sum for a neutral colour
    kAlwaysAdd360,  // the legacy rule: +360 then halved, never wrapped, no neutral special case
};

// CIEDE2000 (CIE 142-2001), written after Sharma, Wu and Dalal (2005).
inline double Ciede2000(Lab p1, Lab p2, MeanHue rule = MeanHue::kWrapped) {
    const double cBar = (Chroma(p1) + Chroma(p2)) / 2;
    const double g = 0.5 * (1 - std::sqrt(std::pow(cBar, 7) / (std::pow(cBar, 7) + std::pow(25.0, 7))));
    const double a1 = (1 + g) * p1.a;
    const double a2 = (1 + g) * p2.a;
    const double c1 = std::hypot(a1, p1.b);
    const double c2 = std::hypot(a2, p2.b);
    auto hue = [](double b, double a) {
        if (a == 0 && b == 0) return 0.0;
        double h = std::atan2(b, a) * 180 / kPi;
        return h < 0 ? h + 360 : h;
    };
    const double h1 = hue(p1.b, a1);
    const double h2 = hue(p2.b, a2);
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        if (dh > 180) dh -= 360;
        if (dh < -180) dh += 360;
    }
    const double dL = p2.l - p1.l;
    const double dC = c2 - c1;
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(dh * kPi / 360);
    const double lBar = (p1.l + p2.l) / 2;
    const double cBarP = (c1 + c2) / 2;
    double hBar;
    if (rule == MeanHue::kWrapped) {
        if (c1 * c2 == 0) {
            hBar = h1 + h2;
        } else if (std::fabs(h1 - h2) <= 180) {
            hBar = (h1 + h2) / 2;
        } else if (h1 + h2 < 360) {
            hBar = (h1 + h2 + 360) / 2;
        } else {
            hBar = (h1 + h2 - 360) / 2;
        }
    } else {
        hBar = std::fabs(h1 - h2) <= 180 ? (h1 + h2) / 2 : (h1 + h2 + 360) / 2;
    }
    const double deg = kPi / 180;
    const double t = 1 - 0.17 * std::cos((hBar - 30) * deg) + 0.24 * std::cos(2 * hBar * deg) +
                     0.32 * std::cos((3 * hBar + 6) * deg) - 0.20 * std::cos((4 * hBar - 63) * deg);
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double rc = 2 * std::sqrt(std::pow(cBarP, 7) / (std::pow(cBarP, 7) + std::pow(25.0, 7)));
    const double sl = 1 + 0.015 * std::pow(lBar - 50, 2) / std::sqrt(20 + std::pow(lBar - 50, 2));
    const double sc = 1 + 0.045 * cBarP;
    const double sh = 1 + 0.015 * cBarP * t;
    const double rt = -std::sin(2 * dTheta * deg) * rc;
    const double tl = dL / sl, tc = dC / sc, th = dH / sh;
    return std::sqrt(tl * tl + tc * tc + th * th + rt * tc * th);
}

}  // namespace reference
