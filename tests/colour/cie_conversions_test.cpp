#include "colour/cie_conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr ColorTriple kD65Deg10{94.811f, 100.0f, 107.33f};

void ExpectBitEqual(ColorTriple actual, ColorTriple expected) {
    EXPECT_EQ(actual.c1, expected.c1);
    EXPECT_EQ(actual.c2, expected.c2);
    EXPECT_EQ(actual.c3, expected.c3);
    EXPECT_EQ(std::signbit(actual.c1), std::signbit(expected.c1));
    EXPECT_EQ(std::signbit(actual.c2), std::signbit(expected.c2));
    EXPECT_EQ(std::signbit(actual.c3), std::signbit(expected.c3));
}

TEST(CieConversions, BlackIsSlightlyBelowZeroBecauseFIsStoredAsFloat) {
    const ColorTriple lab = XYZ__Lab({0, 0, 0}, kD65Deg10);
    EXPECT_EQ(lab.c1, -5.9604645e-08f);
    EXPECT_EQ(lab.c1, -std::ldexp(1.0f, -24));
    EXPECT_EQ(lab.c2, 0.0f);
    EXPECT_EQ(lab.c3, 0.0f);

    // Relative: the values are tiny and given to five digits.
    constexpr double kFiveDigits = 1e-4;
    const ColorTriple xyz = Lab__XYZ({0, 0, 0}, kD65Deg10);
    EXPECT_NEAR(xyz.c1, -6.2562e-09, 6.2562e-09 * kFiveDigits);
    EXPECT_NEAR(xyz.c2, -6.5986e-09, 6.5986e-09 * kFiveDigits);
    EXPECT_NEAR(xyz.c3, -7.0823e-09, 7.0823e-09 * kFiveDigits);
}

TEST(CieConversions, LabToXyzInvertsTheForwardConversion) {
    // Each stage stores float32, so a round trip keeps about six significant digits.
    constexpr double kRoundTripLab = 2e-4;
    for (float l = 0; l <= 100; l += 7.5f) {
        for (float a = -120; a <= 120; a += 15) {
            for (float b = -120; b <= 120; b += 15) {
                const ColorTriple back = XYZ__Lab(Lab__XYZ({l, a, b}, kD65Deg10), kD65Deg10);
                ASSERT_NEAR(back.c1, l, kRoundTripLab) << l << " " << a << " " << b;
                ASSERT_NEAR(back.c2, a, kRoundTripLab) << l << " " << a << " " << b;
                ASSERT_NEAR(back.c3, b, kRoundTripLab) << l << " " << a << " " << b;
            }
        }
    }
}

TEST(CieConversions, SegmentsUseTheLegacyBreakpoints) {
    // At the threshold ratio the linear segment gives f = 0.2068927, the cube root 0.2068930:
    // with 0.008856 and 7.787 the two segments do not meet, and L* jumps by about 116 * 3e-7.
    const float atThreshold = std::nextafter(static_cast<float>(0.008856), 0.0f);
    const float aboveThreshold = std::nextafter(atThreshold, 1.0f);
    ASSERT_LE(atThreshold, 0.008856);
    ASSERT_GT(aboveThreshold, 0.008856);
    const ColorTriple white{1, 1, 1};
    const float linearL = XYZ__Lab({atThreshold, atThreshold, atThreshold}, white).c1;
    const float cubeRootL = XYZ__Lab({aboveThreshold, aboveThreshold, aboveThreshold}, white).c1;
    // f given to seven decimals (116 * 5e-8) plus the float32 rounding of L* near 8.
    constexpr double kSeventhDecimalOfF = 116 * 5e-8 + 1e-6;
    EXPECT_NEAR(linearL, 116 * 0.2068927 - 16, kSeventhDecimalOfF);
    EXPECT_NEAR(cubeRootL, 116 * 0.2068930 - 16, kSeventhDecimalOfF);
}

struct HlcCase {
    ColorTriple lab;
    ColorTriple hlc;
};

TEST(CieConversions, LabToHlcAngles) {
    const std::vector<HlcCase> cases = {
        {{50, 0, 0}, {0, 50, 0}},
        {{50, -1, 0}, {180, 50, 1}},
        {{50, 0, -1}, {270, 50, 1}},
        {{50, 0, 1}, {90, 50, 1}},
        // 359.9999989 rounds to the float 360: both ends of 0..360 occur.
        {{50, 50, -0.000001f}, {360, 50, 50}},
        // Negative zero b* gives hue -0.0, not 360.
        {{50, 5, -0.0f}, {-0.0f, 50, 5}},
        {{90, 4.924039f, 0.8682409f}, {10, 90, 5}},
    };
    for (const HlcCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lab.c1 << " " << c.lab.c2 << " " << c.lab.c3);
        ExpectBitEqual(Lab__HLC(c.lab), c.hlc);
    }
}

TEST(CieConversions, HlcToLab) {
    ExpectBitEqual(HLC__Lab({360, 50, 30}), {50, 30, -7.3478804e-15f});
    ExpectBitEqual(HLC__Lab({10, 90, 5}), {90, 4.924039f, 0.8682409f});
    // Hues outside 0..360 are not wrapped first but land on the same point.
    constexpr double kHueWrapRounding = 1e-5;
    const ColorTriple wrapped = HLC__Lab({-350, 60, 20});
    const ColorTriple plain = HLC__Lab({10, 60, 20});
    EXPECT_NEAR(wrapped.c2, plain.c2, kHueWrapRounding);
    EXPECT_NEAR(wrapped.c3, plain.c3, kHueWrapRounding);
}

// The detail view and the swatches take their numbers from these conversions: each row moves
// in its last bit when one of the float32 stores (fX, fY, fZ, g, the hue before its wrap) is
// left out. Worked through the published steps with those stores, independently of this code.
TEST(CieConversions, StoresFixTheLastBit) {
    struct Row {
        ColorTriple lab, xyz, hlcOfLab, hlc, labOfHlc;
    };
    const std::vector<Row> rows = {
        // clang-format off
        {{63.6f, 29.01f, 35.42f}, {39.0818176f, 32.3120995f, 14.1627636f}, {50.6815338f, 63.6f, 45.783802f}, {339.3f, 72, 55.3f}, {72, 51.7300491f, -19.5471687f}},
        {{22.03f, -4.13f, 53.2f}, {3.09468985f, 3.52374959f, -1.04871356f}, {94.4390564f, 22.03f, 53.3600693f}, {233.6f, 83, 6.8f}, {83, -4.0352478f, -5.47327852f}},
        {{34.33f, 52.92f, 22.88f}, {14.9060488f, 8.16783333f, 3.4998498f}, {23.3812771f, 34.33f, 57.6543198f}, {348, 83, 17.9f}, {83, 17.5088425f, -3.72161913f}},
        {{58.04f, -14.98f, -45.89f}, {21.3425446f, 26.0031071f, 70.1243286f}, {251.921631f, 58.04f, 48.2731018f}, {215, 46, 41}, {46, -33.5852356f, -23.516634f}},
        {{73.7f, -25.72f, -19.59f}, {35.6594009f, 46.2384567f, 70.9763031f}, {217.295227f, 73.7f, 32.3308907f}, {9.5f, 61, 8.4f}, {61, 8.28479862f, 1.38639987f}},
        // clang-format on
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.lab.c1 << " " << r.lab.c2 << " " << r.lab.c3);
        ExpectBitEqual(Lab__XYZ(r.lab, kD65Deg10), r.xyz);
        ExpectBitEqual(Lab__HLC(r.lab), r.hlcOfLab);
        ExpectBitEqual(HLC__Lab(r.hlc), r.labOfHlc);
    }
}

TEST(CieConversions, ChromaticityAndBack) {
    const ColorTriple chroma = XYZ__xyz({94.811f, 100, 107.33f});
    // Given to seven decimals.
    constexpr double kSevenDecimals = 5e-8;
    EXPECT_NEAR(chroma.c1, 0.3137972, kSevenDecimals);
    EXPECT_NEAR(chroma.c2, 0.3309713, kSevenDecimals);
    EXPECT_NEAR(chroma.c3, 0.3552315, kSevenDecimals);
    // Z is Z / s itself, not 1 - x - y.
    EXPECT_NE(chroma.c3, static_cast<float>(1.0 - chroma.c1 - chroma.c2));
    ExpectBitEqual(xyz__XYZ(chroma), {94.811f, 100, 107.33f});
    // A zero sum is returned unchanged instead of dividing.
    ExpectBitEqual(XYZ__xyz({0, 0, 0}), {0, 0, 0});
    ExpectBitEqual(XYZ__xyz({1, -1, 0}), {1, -1, 0});
    // z is taken as given, not as 1 - x - y.
    const ColorTriple xyz = xyz__XYZ({0.25f, 0.5f, 0.5f});
    ExpectBitEqual(xyz, {50, 100, 100});
}

TEST(CieConversions, NonFiniteCasesPassThrough) {
    const ColorTriple fromZeroY = xyz__XYZ({0.3f, 0.0f, 0.0f});
    EXPECT_TRUE(std::isinf(fromZeroY.c1));
    EXPECT_EQ(fromZeroY.c2, 100.0f);
    EXPECT_TRUE(std::isnan(fromZeroY.c3));
    const ColorTriple lab = XYZ__Lab({10, 10, 10}, {0, 100, 100});
    EXPECT_TRUE(std::isinf(lab.c2));
    const ColorTriple zeroOverZero = XYZ__Lab({0, 10, 10}, {0, 100, 100});
    EXPECT_TRUE(std::isnan(zeroOverZero.c2));
}

}  // namespace
