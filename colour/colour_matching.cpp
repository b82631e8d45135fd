#include "colour/colour_matching.h"

#include <algorithm>
#include <cstdint>

#include "colour/colour_matching_tables.h"
#include "colour/white_points.h"

namespace {

constexpr int kFirstNm = 360;
constexpr int kLastNm = 830;
// The illuminant's spectral power of the white-point module ends below 830 nm.
constexpr int kLastIlluminantNm = 829;
constexpr int kIlluminantsWithPower = 6;
constexpr ColorTriple kNoValue{-1.0f, -1.0f, -1.0f};

static_assert(xyz31.size() == kLastNm - kFirstNm + 2 && xyz64.size() == xyz31.size());

ColorTriple Lookup(const std::array<ColorTriple, 472>& table, int wavelength) {
    const bool inRange = wavelength >= kFirstNm && wavelength <= kLastNm;
    return table[inRange ? wavelength - kFirstNm : table.size() - 1];
}

float Store(double v) {
    return static_cast<float>(v);
}

// Wavelength of sample i; the record's fields are not trusted to stay within int.
std::int64_t SampleNm(const Spectrum& s, int i) {
    return s.start + static_cast<std::int64_t>(i) * s.step;
}

// Samples read, never more than the record holds.
int SampleCount(const Spectrum& s) {
    return std::clamp(s.count, 0, kSpectrumSamples);
}

}  // namespace

ColorTriple GetXyz31(int wavelength) {
    return Lookup(xyz31, wavelength);
}

ColorTriple GetXyz64(int wavelength) {
    return Lookup(xyz64, wavelength);
}

ColorTriple GetColorMatchingValue(int observer, int wavelength) {
    return observer != 0 ? GetXyz64(wavelength) : GetXyz31(wavelength);
}

ColorTriple GetXYZFromPureWave(int observer, int wavelength) {
    if (wavelength < kFirstNm || wavelength > kLastNm) {
        return kNoValue;
    }
    const ColorTriple c = GetColorMatchingValue(observer, wavelength);
    const float s = Store((static_cast<double>(c.c1) + c.c2) + c.c3);
    return {Store(static_cast<double>(c.c1) / s), Store(static_cast<double>(c.c2) / s),
            Store(static_cast<double>(c.c3) / s)};
}

// Xn = 100 sum P x-bar / sum P y-bar, Zn likewise (CIE 15), sums kept in float32.
ColorTriple GetRefFromSpectrum(int observer, const Spectrum* distribution) {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    const int n = SampleCount(*distribution);
    for (int i = 0; i < n; ++i) {
        const std::int64_t nm = SampleNm(*distribution, i);
        if (nm < kFirstNm || nm > kLastNm) {
            continue;
        }
        const ColorTriple c = GetColorMatchingValue(observer, static_cast<int>(nm));
        const double v = distribution->values[i];
        x = Store(x + v * c.c1);
        y = Store(y + v * c.c2);
        z = Store(z + v * c.c3);
    }
    if (y == 0.0f) {
        return kNoValue;
    }
    return {Store(100.0 * x / y), 100.0f, Store(100.0 * z / y)};
}

// X = sum S R x-bar / sum S y-bar over the samples (CIE 15 weighted sum, every sample weighted
// equally), R in percent so that a perfect white reflector has Y = 100.
ColorTriple Reflectance__XYZ(int illuminant, int observer, const Spectrum* reflectance) {
    if (illuminant < 0 || illuminant >= kIlluminantsWithPower) {
        return kNoValue;
    }
    const int n = SampleCount(*reflectance);
    const auto inRange = [](std::int64_t nm) { return nm >= kFirstNm && nm <= kLastIlluminantNm; };

    float k = 0.0f;
    for (int i = 0; i < n; ++i) {
        const std::int64_t nm = SampleNm(*reflectance, i);
        if (inRange(nm)) {
            const int w = static_cast<int>(nm);
            k = Store(k + static_cast<double>(GetIlluminantRps(illuminant, w)) *
                              GetColorMatchingValue(observer, w).c2);
        }
    }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    for (int i = 0; i < n; ++i) {
        const std::int64_t nm = SampleNm(*reflectance, i);
        if (!inRange(nm)) {
            continue;
        }
        const int w = static_cast<int>(nm);
        const float weight =
            Store(static_cast<double>(GetIlluminantRps(illuminant, w)) * reflectance->values[i] / k);
        const ColorTriple c = GetColorMatchingValue(observer, w);
        x = Store(x + static_cast<double>(c.c1) * weight);
        y = Store(y + static_cast<double>(c.c2) * weight);
        z = Store(z + static_cast<double>(c.c3) * weight);
    }
    return {x, y, z};
}
