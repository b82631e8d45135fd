#include "colour/colour_differences.h"

#include <cmath>

#include "colour/cie_conversions.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kRadPerDeg = 0.017453292519943295;     // pi / 180
constexpr double kRadPerHalfDeg = 0.03490658503988659;  // pi / 90
constexpr double kTwentyFiveToTheSeventh = 6103515625.0;

float Store(double v) {
    return static_cast<float>(v);
}
double Sq(double v) {
    return v * v;
}

// The chroma of Lab__HLC, bit for bit, without the hue angle that most callers here never read.
// Cm^7 stored as float32, as pow(Cm, 7) stored as float32 gives it, at a fraction of pow's cost:
// the 64-bit long double products carry the value closely enough that the one rounding to
// float32 lands where pow's does (checked for every finite float on x86-64).
float SeventhPowerStored(float c) {
    const long double x = c;
    const long double x3 = (x * x) * x;
    return static_cast<float>((x3 * x3) * x);
}

float Chroma(ColorTriple lab) {
    const double a = lab.c2;
    const double b = lab.c3;
    return Store(std::sqrt(a * a + b * b));
}

// Lightness, chroma and hue differences (reference minus sample) of CIE94 and CMC.
struct LchDifferences {
    float dL;
    float dC;
    float dH;
};

LchDifferences Differences(ColorTriple ref, float refChroma, ColorTriple sample, float sampleChroma) {
    const float dC = Store(static_cast<double>(refChroma) - sampleChroma);
    // In exact arithmetic the radicand is never negative. The float32 chromas make it slightly
    // negative for colours on (or next to) one hue line, whose true dH is 0: take it as 0 so
    // that such colours keep a finite difference and are not lost to a NaN comparison.
    const double radicand =
        (Sq(static_cast<double>(ref.c2) - sample.c2) + Sq(static_cast<double>(ref.c3) - sample.c3)) - Sq(dC);
    const float dH = radicand > 0.0 ? Store(std::sqrt(radicand)) : 0.0f;
    const float dL = Store(static_cast<double>(ref.c1) - sample.c1);
    return {dL, dC, dH};
}

}  // namespace

// sqrt(dL^2 + da^2 + db^2).
double DeltaE1976(ColorTriple reference, ColorTriple sample) {
    const float s = Store(Sq(static_cast<double>(reference.c1) - sample.c1) +
                          Sq(static_cast<double>(reference.c2) - sample.c2) +
                          Sq(static_cast<double>(reference.c3) - sample.c3));
    return std::sqrt(static_cast<double>(s));
}

// CIE 116-1995: SL = 1, SC = 1 + K1 C1, SH = 1 + K2 C1, from the reference chroma only.
float DeltaE1994(int textiles, ColorTriple reference, ColorTriple sample) {
    const float c1 = Chroma(reference);
    const LchDifferences d = Differences(reference, c1, sample, Chroma(sample));
    const double kL = textiles != 0 ? 2.0 : 1.0;
    const float k1 = Store(textiles != 0 ? 0.048 : 0.045);
    const float k2 = Store(textiles != 0 ? 0.014 : 0.015);
    constexpr double kC = 1.0;
    constexpr double kH = 1.0;
    constexpr double sL = 1.0;
    const float sC = Store(static_cast<double>(k1) * c1 + 1.0);
    const float sH = Store(static_cast<double>(k2) * c1 + 1.0);
    return Store(std::sqrt(Sq(d.dL / (kL * sL)) + Sq(d.dC / (kC * sC)) + Sq(d.dH / (kH * sH))));
}

// CMC(l:c) of the Colour Measurement Committee (BS 6923), weights from the reference.
float DeltaECMC(float l, float c, ColorTriple reference, ColorTriple sample) {
    const ColorTriple refHlc = Lab__HLC(reference);
    const LchDifferences d = Differences(reference, refHlc.c3, sample, Chroma(sample));
    const double h1 = refHlc.c1;
    const double l1 = refHlc.c2;
    const double c1 = refHlc.c3;

    const float p = Store(((c1 * c1) * c1) * c1);
    const float f = Store(std::sqrt(p / (p + 1900.0)));
    const float t =
        Store(h1 >= 164.0 && h1 <= 345.0 ? 0.56 + std::fabs(0.2 * std::cos(kPi * (h1 + 168.0) / 180.0))
                                         : 0.36 + std::fabs(0.4 * std::cos(kPi * (h1 + 35.0) / 180.0)));
    const float sL = Store(l1 < 16.0 ? 0.511 : 0.040975 * l1 / (0.01765 * l1 + 1.0));
    const float sC = Store(0.0638 * c1 / (0.0131 * c1 + 1.0) + 0.638);
    const float sH = Store(sC * ((static_cast<double>(f) * t + 1.0) - f));
    return Store(std::sqrt(Sq(d.dL / (static_cast<double>(l) * sL)) +
                           Sq(d.dC / (static_cast<double>(c) * sC)) + Sq(d.dH / static_cast<double>(sH))));
}

// CIEDE2000 after CIE 142-2001, with two departures kept from the legacy code: the mean hue
// always adds 360 when the hues are more than 180 apart (so it may exceed 360), and the mean
// hue of a neutral colour is not special-cased.
float DeltaE2000(ColorTriple reference, ColorTriple sample) {
    // Lightness and chroma as Lab__HLC gives them.
    const double l1 = reference.c1;
    const double l2 = sample.c1;
    const float chroma1 = Chroma(reference);
    const float chroma2 = Chroma(sample);
    const double a1 = reference.c2;
    const double b1 = reference.c3;
    const double a2 = sample.c2;
    const double b2 = sample.c3;

    const float lMean = Store((l1 + l2) / 2.0);
    const float cMean = Store((static_cast<double>(chroma1) + chroma2) / 2.0);

    const float q = SeventhPowerStored(cMean);
    const float g = Store((1.0 - std::sqrt(q / (q + kTwentyFiveToTheSeventh))) / 2.0);

    const float a1p = Store(a1 * (1.0 + g));
    const float a2p = Store(a2 * (1.0 + g));
    const float c1p = Store(std::sqrt(Sq(a1p) + Sq(b1)));
    const float c2p = Store(std::sqrt(Sq(a2p) + Sq(b2)));
    const float cMeanP = Store((static_cast<double>(c1p) + c2p) / 2.0);

    auto hueAngle = [](double b, double ap) {
        double h = std::atan2(b, ap) / kRadPerDeg;
        if (h < 0.0) {
            h += 360.0;
        }
        return Store(h);
    };
    const double h1p = hueAngle(b1, a1p);
    const double h2p = hueAngle(b2, a2p);

    const float hMean =
        Store(std::fabs(h1p - h2p) <= 180.0 ? (h1p + h2p) / 2.0 : ((h1p + h2p) + 360.0) / 2.0);
    const double hm = hMean;

    const float t = Store(
        1.0 - 0.17 * std::cos((hm - 30.0) * kRadPerDeg) + 0.24 * std::cos(hm * kRadPerHalfDeg) +
        0.32 * std::cos((3.0 * hm + 6.0) * kRadPerDeg) - 0.20 * std::cos((4.0 * hm - 63.0) * kRadPerDeg));

    const double d = h2p - h1p;
    float dhp;
    if (std::fabs(d) <= 180.0) {
        dhp = Store(d);
    } else if (h1p < h2p) {
        dhp = Store(d - 360.0);
    } else {
        dhp = Store(d + 360.0);
    }

    const float dLp = Store(l2 - l1);
    const float dCp = Store(static_cast<double>(c2p) - c1p);
    const float dHp = Store((std::sqrt(static_cast<double>(c1p) * c2p) * 2.0) *
                            std::sin((static_cast<double>(dhp) * kRadPerDeg) / 2.0));

    const float v = Store(static_cast<double>(lMean) - 50.0);
    const float x = Store(static_cast<double>(v) * v);
    const float sL = Store(1.0 + 0.015 * x / std::sqrt(static_cast<double>(x) + 20.0));
    const float sC = Store(1.0 + 0.045 * cMeanP);
    const float sH = Store(1.0 + (0.015 * cMeanP) * t);

    const float dTheta = Store(30.0 * std::exp(-Sq((hm - 275.0) / 25.0)));

    const float r = SeventhPowerStored(cMeanP);
    const float s = Store(std::sqrt(r / (r + kTwentyFiveToTheSeventh)));
    const float rT = Store(std::sin(dTheta * kRadPerHalfDeg) * (s * -2.0));

    constexpr double kL = 1.0;
    constexpr double kC = 1.0;
    constexpr double kH = 1.0;
    const double tL = (dLp / kL) / sL;
    const double tC = (dCp / kC) / sC;
    const double tH = (dHp / kH) / sH;
    return Store(std::sqrt(((tL * tL + tC * tC) + tH * tH) + (rT * tC) * tH));
}
