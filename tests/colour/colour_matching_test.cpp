#include "colour/colour_matching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "colour/white_points.h"

namespace {

void ExpectTriple(ColorTriple actual, ColorTriple expected, const std::string& what) {
    EXPECT_EQ(actual.c1, expected.c1) << what;
    EXPECT_EQ(actual.c2, expected.c2) << what;
    EXPECT_EQ(actual.c3, expected.c3) << what;
}

void ExpectNear(ColorTriple actual, ColorTriple expected, double tolerance, const std::string& what) {
    EXPECT_NEAR(actual.c1, expected.c1, tolerance) << what;
    EXPECT_NEAR(actual.c2, expected.c2, tolerance) << what;
    EXPECT_NEAR(actual.c3, expected.c3, tolerance) << what;
}

constexpr ColorTriple kNoValue{-1, -1, -1};

TEST(ColourMatching, TellingRows) {
    // Expected values are the float32 nearest to the CIE decimals.
    const struct {
        int nm;
        ColorTriple deg2;
        ColorTriple deg10;
    } rows[] = {
        {360, {0.0001299f, 0.000003917f, 0.0006061f}, {0.0000001222f, 0.0000000134f, 0.00000053503f}},
        {446, {0.3463733f, 0.03131083f, 1.7829682f}, {0.384696f, 0.077272f, 2.0264f}},
        {500, {0.0049f, 0.323f, 0.272f}, {0.003816f, 0.460777f, 0.218502f}},
        {555, {0.5120501f, 1.0f, 0.005749999f}, {0.616053f, 0.99911f, 0.001091f}},
        {557, {0.5446916f, 0.9993046f, 0.0048998f}, {0.651901f, 1.0f, 0.000407f}},
        {600, {1.0622f, 0.631f, 0.0008f}, {1.12399f, 0.658341f, 0.0f}},
        {700, {0.01135916f, 0.004102f, 0.0f}, {0.00957688f, 0.00371774f, 0.0f}},
        {830, {0.000001251141f, 0.00000045181f, 0.0f}, {0.00000155314f, 0.0000006297f, 0.0f}},
    };
    for (const auto& row : rows) {
        const std::string nm = std::to_string(row.nm) + " nm";
        ExpectTriple(GetXyz31(row.nm), row.deg2, "2 degrees at " + nm);
        ExpectTriple(GetXyz64(row.nm), row.deg10, "10 degrees at " + nm);
        ExpectTriple(GetColorMatchingValue(0, row.nm), row.deg2, "flag 0 at " + nm);
        for (int flag : {1, 2, -1}) {
            ExpectTriple(GetColorMatchingValue(flag, row.nm), row.deg10,
                         "flag " + std::to_string(flag) + " at " + nm);
        }
    }
}

TEST(ColourMatching, OutsideTheTablesGivesTheNoValueTriple) {
    for (int nm :
         {359, 831, 0, -1, 300, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        ExpectTriple(GetXyz31(nm), kNoValue, "2 degrees " + std::to_string(nm));
        ExpectTriple(GetXyz64(nm), kNoValue, "10 degrees " + std::to_string(nm));
        ExpectTriple(GetColorMatchingValue(1, nm), kNoValue, "flag 1 " + std::to_string(nm));
    }
}

TEST(ColourMatching, ShapeOfTheTables) {
    struct Observer {
        const char* name;
        std::function<ColorTriple(int)> lookup;
        int xPeakNm;
        float xPeak;
        int zLastNonZeroNm;
        double ySum;
    };
    const Observer observers[] = {
        {"2 degrees", GetXyz31, 599, 1.0629096f, 649, 106.8569},
        {"10 degrees", GetXyz64, 595, 1.1343f, 559, 116.6619},
    };
    // The y-bar sums are given to four decimals; 471 float32 values add less than 1e-5.
    constexpr double kSumDecimals = 5e-5 + 1e-5;
    for (const Observer& o : observers) {
        double ySum = 0;
        int xPeakNm = 0;
        float xPeak = -1;
        for (int nm = 360; nm <= 830; ++nm) {
            const ColorTriple c = o.lookup(nm);
            EXPECT_GE(c.c1, 0) << o.name << " " << nm;
            EXPECT_GE(c.c2, 0) << o.name << " " << nm;
            EXPECT_GE(c.c3, 0) << o.name << " " << nm;
            EXPECT_GT(c.c1 + c.c2 + c.c3, 0) << o.name << " " << nm;
            if (nm > o.zLastNonZeroNm) {
                EXPECT_EQ(c.c3, 0.0f) << o.name << " " << nm;
            } else {
                EXPECT_GT(c.c3, 0.0f) << o.name << " " << nm;
            }
            if (c.c1 > xPeak) {
                xPeak = c.c1;
                xPeakNm = nm;
            }
            ySum += c.c2;
        }
        EXPECT_EQ(xPeakNm, o.xPeakNm) << o.name;
        EXPECT_EQ(xPeak, o.xPeak) << o.name;
        EXPECT_NEAR(ySum, o.ySum, kSumDecimals) << o.name;
    }
    int zPeakNm = 0;
    for (int nm = 360; nm <= 830; ++nm) {
        if (GetXyz64(nm).c3 > GetXyz64(zPeakNm).c3 || zPeakNm == 0) {
            zPeakNm = nm;
        }
    }
    EXPECT_EQ(zPeakNm, 445);
    EXPECT_EQ(GetXyz64(445).c3, 2.0273f);
    EXPECT_EQ(GetXyz31(555).c2, 1.0f);
    EXPECT_EQ(GetXyz64(557).c2, 1.0f);
}

TEST(ColourMatching, SpectralLocus) {
    // Given to six decimals.
    constexpr double kSixDecimals = 5e-7;
    ExpectNear(GetXYZFromPureWave(0, 555), {0.337363f, 0.658848f, 0.003788f}, kSixDecimals, "555 nm");
    ExpectNear(GetXYZFromPureWave(0, 700), {0.734690f, 0.265310f, 0.0f}, kSixDecimals, "700 nm");
    EXPECT_EQ(GetXYZFromPureWave(0, 700).c3, 0.0f);

    // Three float32 quotients of one float32 sum: within a few units of 2^-24 of 1.
    constexpr double kChromaticitySum = 4e-7;
    for (int observer : {0, 1}) {
        for (int nm = 360; nm <= 830; ++nm) {
            const ColorTriple c = GetXYZFromPureWave(observer, nm);
            EXPECT_NEAR(static_cast<double>(c.c1) + c.c2 + c.c3, 1.0, kChromaticitySum)
                << observer << " " << nm;
        }
        ExpectTriple(GetXYZFromPureWave(observer, 359), kNoValue, "below the table");
        ExpectTriple(GetXYZFromPureWave(observer, 831), kNoValue, "above the table");
    }
}

SpectrumPtr Filled(int start, int step, int count, const std::function<float(int nm)>& value) {
    SpectrumPtr s(NewSpectrum());
    s->start = start;
    s->step = step;
    s->count = count;
    for (int i = 0; i < count && i < kSpectrumSamples; ++i) {
        s->values[i] = value(start + i * step);
    }
    return s;
}

// Where the steps round to float32 shows in the last bit: the sum of the locus (a double sum
// moves 480 and 412 nm) and each sample's weight S R / k (a double weight moves illuminant A).
// Worked through the published steps with those stores, independently of this code.
TEST(ColourMatching, StoresFixTheLastBit) {
    ExpectTriple(GetXYZFromPureWave(1, 480), {0.0727766007f, 0.229239017f, 0.697984457f},
                 "480 nm, 10 degrees");
    ExpectTriple(GetXYZFromPureWave(0, 412), {0.172395602f, 0.00479611894f, 0.822808266f},
                 "412 nm, 2 degrees");
    int i = 0;
    const SpectrumPtr uneven = Filled(300, 5, 100, [&i](int) {
        const int v = 5 + (i * i) % 91;
        ++i;
        return static_cast<float>(v);
    });
    ExpectTriple(Reflectance__XYZ(0, 0, uneven.get()), {57.1484566f, 48.4823685f, 18.3609905f},
                 "A, 2 degrees");
}

TEST(ColourMatching, PerfectReflectorGivesTheWhitePoints) {
    const SpectrumPtr white = Filled(300, 5, 100, [](int) { return 100.0f; });
    // Given to two decimals, not always rounded (A's Z of 35.585 is quoted as 35.58): one unit
    // in the last place.
    constexpr double kTwoDecimals = 0.01;
    ExpectNear(Reflectance__XYZ(0, 0, white.get()), {109.85f, 100.0f, 35.58f}, kTwoDecimals, "A, 2 degrees");
    ExpectNear(Reflectance__XYZ(4, 0, white.get()), {95.05f, 100.0f, 108.90f}, kTwoDecimals,
               "D65, 2 degrees");
    ExpectNear(Reflectance__XYZ(4, 1, white.get()), {94.81f, 100.0f, 107.32f}, kTwoDecimals,
               "D65, 10 degrees");

    // The stored white points were computed with other sums and rounding; they agree to 0.04.
    constexpr double kStoredWhites = 0.04;
    for (int illuminant = 0; illuminant <= 5; ++illuminant) {
        for (int observer : {0, 1}) {
            ExpectNear(Reflectance__XYZ(illuminant, observer, white.get()), GetWhiteRef(illuminant, observer),
                       kStoredWhites,
                       "illuminant " + std::to_string(illuminant) + ", observer " + std::to_string(observer));
        }
    }
}

TEST(ColourMatching, WhitePointOfAPowerDistribution) {
    const SpectrumPtr d65 = Filled(300, 5, 100, [](int nm) { return GetIlluminantRps(4, nm); });
    const SpectrumPtr white = Filled(300, 5, 100, [](int) { return 100.0f; });
    // Different float32 sums of about a hundred terms: a few parts in 10^6.
    constexpr double kFloatSums = 1e-4;
    ExpectNear(GetRefFromSpectrum(0, d65.get()), Reflectance__XYZ(4, 0, white.get()), kFloatSums, "D65");
    EXPECT_EQ(GetRefFromSpectrum(0, d65.get()).c2, 100.0f);

    // The scale of the power does not matter.
    const SpectrumPtr doubled = Filled(300, 5, 100, [](int nm) { return 2.0f * GetIlluminantRps(4, nm); });
    ExpectTriple(GetRefFromSpectrum(1, doubled.get()), GetRefFromSpectrum(1, d65.get()), "doubled power");

    // No power in range: no white point.
    const SpectrumPtr dark = Filled(300, 5, 100, [](int) { return 0.0f; });
    ExpectTriple(GetRefFromSpectrum(0, dark.get()), kNoValue, "all zero");
    const SpectrumPtr ultraviolet = Filled(300, 5, 12, [](int) { return 50.0f; });  // 300..355 nm
    ExpectTriple(GetRefFromSpectrum(0, ultraviolet.get()), kNoValue, "below 360 nm only");
}

TEST(ColourMatching, SamplesOutsideTheIntegrationRangeAddNothing) {
    const auto reflectance = [](int nm) {
        return 20.0f + 60.0f * std::sin(nm / 50.0f) * std::sin(nm / 50.0f);
    };
    const SpectrumPtr standard = Filled(300, 5, 100, reflectance);
    const SpectrumPtr from360 = Filled(360, 5, 88, reflectance);
    for (int observer : {0, 1}) {
        for (int illuminant = 0; illuminant <= 5; ++illuminant) {
            ExpectTriple(Reflectance__XYZ(illuminant, observer, standard.get()),
                         Reflectance__XYZ(illuminant, observer, from360.get()),
                         "illuminant " + std::to_string(illuminant));
        }
        ExpectTriple(GetRefFromSpectrum(observer, standard.get()),
                     GetRefFromSpectrum(observer, from360.get()), "white point");
    }
    // 830 nm counts for a power distribution, not for a reflectance (no illuminant power there).
    const SpectrumPtr at830 = Filled(830, 5, 1, [](int) { return 70.0f; });
    ExpectTriple(Reflectance__XYZ(4, 0, at830.get()), {0, 0, 0}, "reflectance at 830 nm");
    const ColorTriple ref = GetRefFromSpectrum(0, at830.get());
    EXPECT_EQ(ref.c2, 100.0f);
    EXPECT_NEAR(ref.c1, 100.0 * 0.000001251141 / 0.00000045181, 1e-3);
}

TEST(ColourMatching, ReflectanceEdgeCases) {
    const SpectrumPtr black = Filled(300, 5, 100, [](int) { return 0.0f; });
    ExpectTriple(Reflectance__XYZ(4, 1, black.get()), {0, 0, 0}, "all zero");
    const SpectrumPtr empty = Filled(300, 5, 0, [](int) { return 50.0f; });
    ExpectTriple(Reflectance__XYZ(4, 1, empty.get()), {0, 0, 0}, "count 0");

    // Linear in the reflectance: a 50 % grey has half the white's Y.
    const SpectrumPtr grey = Filled(300, 5, 100, [](int) { return 50.0f; });
    constexpr double kFloatSums = 1e-4;
    EXPECT_NEAR(Reflectance__XYZ(2, 0, grey.get()).c2, 50.0, kFloatSums);

    // Any whole-nanometre grid may be used; every sample weighs the same.
    const SpectrumPtr coarse = Filled(380, 10, 41, [](int) { return 100.0f; });
    EXPECT_NEAR(Reflectance__XYZ(4, 0, coarse.get()).c2, 100.0, kFloatSums);

    // Illuminants without spectral power are refused.
    const SpectrumPtr white = Filled(300, 5, 100, [](int) { return 100.0f; });
    for (int illuminant : {-1, 6, 7, 10, 11}) {
        ExpectTriple(Reflectance__XYZ(illuminant, 0, white.get()), kNoValue,
                     "illuminant " + std::to_string(illuminant));
    }

    // A count beyond the record reads only its 100 values.
    SpectrumPtr oversized = Filled(300, 5, 100, [](int) { return 100.0f; });
    oversized->count = 5000;
    ExpectTriple(Reflectance__XYZ(4, 0, oversized.get()), Reflectance__XYZ(4, 0, white.get()), "count 5000");
    ExpectTriple(GetRefFromSpectrum(0, oversized.get()), GetRefFromSpectrum(0, white.get()), "count 5000");
    // Steps that would overflow the wavelength stay out of range.
    SpectrumPtr huge = Filled(360, 5, 100, [](int) { return 100.0f; });
    huge->step = std::numeric_limits<int>::max();
    EXPECT_EQ(Reflectance__XYZ(4, 0, huge.get()).c2, 100.0f);  // only the sample at 360 nm
}

}  // namespace
