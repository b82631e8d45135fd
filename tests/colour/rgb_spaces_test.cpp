#include "colour/rgb_spaces.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "tests/colour/rgb_state_guard.h"

namespace {

using RgbSpaces = RgbStateTest;

// Values quoted to seven significant digits.
double SevenDigits(double v) {
    return std::fabs(v) * 5e-7 + 1e-12;
}

constexpr std::array<double, 9> kIdentity = {1, 0, 0, 0, 1, 0, 0, 0, 1};

TEST_F(RgbSpaces, StartingState) {
    // Each test restores the state, so this holds whatever ran before.
    EXPECT_EQ(GetActualRgbSpace(), 10);
    EXPECT_EQ(rgbGamma, 0.41666666f);
    EXPECT_EQ(rgbSlope, 1.0f);
    EXPECT_EQ(rgbThreshold, 0.0f);
    EXPECT_EQ(rgbThresholdOut, 0.0f);
    EXPECT_EQ(rgbOffset, 0.0f);
    const std::array<double, 9> fourDecimals = {0.4124, 0.3576, 0.1805, 0.2127, 0.7152,
                                                0.0722, 0.0193, 0.1192, 0.9505};
    EXPECT_EQ(rgbToXyz, fourDecimals);
    const std::array<double, 9> srgb = {3.2406, -1.5374, -0.4986, -0.9692, 1.876,
                                        0.0416, 0.0556,  -0.204,  1.057};
    EXPECT_EQ(xyzToRgb, srgb);
}

TEST_F(RgbSpaces, SpaceList) {
    EXPECT_NE(GetSpaceList(nullptr), nullptr);
    int count = -7;
    const char* const* names = GetSpaceList(&count);
    ASSERT_EQ(count, 15);
    const std::vector<std::string> expected = {
        "Adobe",      "APPLE",   "CIE",  "ColorMatch",  "HDTV",          "NTSC",        "PAL_SECAM", "CGI",
        "SMPTE_240M", "SMPTE_C", "sRGB", "Wide_Gammut", "sRGB_no_gamma", "Generic LCD", "Adobe98"};
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(names[i], expected[i]) << i;
    }
}

TEST_F(RgbSpaces, IndicesOutsideTheTableAreRefused) {
    ASSERT_EQ(SetRgbSpace(4), 0);
    const State before = Capture();
    for (int space : {-1, 15, 1000, -1000}) {
        EXPECT_EQ(SetRgbSpace(space), 1) << space;
        EXPECT_TRUE(Capture() == before) << space;
        EXPECT_EQ(GetActualRgbSpace(), 4);
    }
}

TEST_F(RgbSpaces, SelectionSetsCurveAndDerivedOffset) {
    struct Case {
        int space;
        float exponent, slope, threshold;
        double offset, thresholdOut;
    };
    const std::vector<Case> cases = {
        {0, 0.445f, 1, 0, 0, 0},
        {1, 0.556f, 1, 0, 0, 0},
        {2, 0.455f, 1, 0, 0, 0},
        {3, 0.556f, 1, 0, 0, 0},
        {4, 0.45f, 4.5f, 0.018f, 0.0992966, 0.081},
        {5, 0.45f, 4.5f, 0.018f, 0.0992966, 0.081},
        {6, 0.45f, 4.5f, 0.018f, 0.0992966, 0.081},
        {7, 0.68f, 1, 0, 0, 0},
        {8, 0.45f, 4, 0.023f, 0.1115703, 0.092},
        {9, 0.45f, 4.5f, 0.018f, 0.0992966, 0.081},
        {10, 0.41666666f, 12.92f, 0.00304f, 0.05501072, 0.0392768},
        {11, 0.455f, 1, 0, 0, 0},
        {12, 1, 1, 0, 0, 0},
        {13, 0.45454547f, 1, 0, 0, 0},
        {14, 0.45454547f, 1, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "space " << c.space);
        ASSERT_EQ(SetRgbSpace(c.space), 0);
        EXPECT_EQ(GetActualRgbSpace(), c.space);
        EXPECT_EQ(rgbGamma, c.exponent);
        EXPECT_EQ(rgbSlope, c.slope);
        EXPECT_EQ(rgbThreshold, c.threshold);
        EXPECT_NEAR(rgbOffset, c.offset, SevenDigits(c.offset));
        EXPECT_NEAR(rgbThresholdOut, c.thresholdOut, SevenDigits(c.thresholdOut));
        EXPECT_EQ(xyzToRgb, spaceMatrices[c.space]);
        // The inverse is computed, not looked up.
        constexpr double kInverseTolerance = 1e-9;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                double sum = 0;
                for (int k = 0; k < 3; ++k) {
                    sum += rgbToXyz[i * 3 + k] * xyzToRgb[k * 3 + j];
                }
                EXPECT_NEAR(sum, i == j ? 1.0 : 0.0, kInverseTolerance) << i << "," << j;
            }
        }
    }
}

TEST_F(RgbSpaces, SrgbInverseReplacesTheFourDecimalStart) {
    ASSERT_EQ(SetRgbSpace(10), 0);
    const std::array<double, 9> sixDecimals = {0.412449, 0.357632, 0.180482, 0.212655, 0.715169,
                                               0.072165, 0.019347, 0.119215, 0.950508};
    constexpr double kSixDecimals = 5e-7;
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(rgbToXyz[i], sixDecimals[i], kSixDecimals) << i;
    }
}

TEST_F(RgbSpaces, MatricesMapTheirWhiteToEqualChannels) {
    // Cheap guard against a typo in the matrix table: the inverse of each matrix applied to
    // (1, 1, 1) is the white of the space; it must have Y = 1 and the chromaticity of a known
    // white. Tolerance: the matrices are published to four decimals.
    struct White {
        const char* name;
        double x, y;
    };
    const White d65{"D65", 0.3127, 0.3290}, d50{"D50", 0.3457, 0.3585}, c{"C", 0.3101, 0.3162},
        e{"E", 1.0 / 3, 1.0 / 3};
    // Adobe, APPLE, CIE, ColorMatch, HDTV, NTSC, PAL_SECAM, CGI, SMPTE_240M, SMPTE_C, sRGB,
    // Wide_Gammut, sRGB_no_gamma, Generic LCD, Adobe98.
    const std::vector<White> whites = {d65, d65, e, d50, d65, c, d65, d65, d65, d65, d65, d50, d65, d65, d65};
    constexpr double kFourDecimalMatrix = 1e-3;
    auto checkWhite = [&](const std::string& name, const White& w) {
        const double x = rgbToXyz[0] + rgbToXyz[1] + rgbToXyz[2];
        const double y = rgbToXyz[3] + rgbToXyz[4] + rgbToXyz[5];
        const double z = rgbToXyz[6] + rgbToXyz[7] + rgbToXyz[8];
        EXPECT_NEAR(y, 1.0, kFourDecimalMatrix) << name;
        EXPECT_NEAR(x / (x + y + z), w.x, kFourDecimalMatrix) << name << " against " << w.name;
        EXPECT_NEAR(y / (x + y + z), w.y, kFourDecimalMatrix) << name << " against " << w.name;
    };
    constexpr int kColorMatch = 3;
    for (int s = 0; s < kRgbSpaceCount; ++s) {
        ASSERT_EQ(SetRgbSpace(s), 0);
        if (s != kColorMatch) {
            checkWhite(rgbSpaces[s].name, whites[s]);
        }
    }
    // ColorMatch keeps the legacy -1.2334 as the Y coefficient of its R row, where the
    // published matrix has -1.2234: its white comes out with Y = 1.0027. With that one digit
    // mended the white is D50, so no other coefficient is off.
    std::array<double, 9> mended = spaceMatrices[kColorMatch];
    ASSERT_EQ(mended[1], -1.2334);
    mended[1] = -1.2234;
    ASSERT_EQ(SetDefRgbParams(RGB_SET_MATRIX, 1, 1, 0, mended.data()), 0);
    checkWhite("ColorMatch mended", d50);

    // The sRGB and Adobe98 matrices applied to the D65 white, to four decimals.
    auto whiteRgb = [] {
        const double w[3] = {0.95047, 1, 1.08883};
        std::array<double, 3> rgb{};
        for (int i = 0; i < 3; ++i)
            rgb[i] = xyzToRgb[i * 3] * w[0] + xyzToRgb[i * 3 + 1] * w[1] + xyzToRgb[i * 3 + 2] * w[2];
        return rgb;
    };
    constexpr double kFourDecimals = 5e-5;
    ASSERT_EQ(SetRgbSpace(14), 0);
    std::array<double, 3> rgb = whiteRgb();
    EXPECT_NEAR(rgb[0], 1.0001, kFourDecimals);
    EXPECT_NEAR(rgb[1], 1.0000, kFourDecimals);
    EXPECT_NEAR(rgb[2], 0.9999, kFourDecimals);
    ASSERT_EQ(SetRgbSpace(10), 0);
    rgb = whiteRgb();
    EXPECT_NEAR(rgb[0], 0.9998, kFourDecimals);
    EXPECT_NEAR(rgb[1], 1.0001, kFourDecimals);
    EXPECT_NEAR(rgb[2], 0.9997, kFourDecimals);
}

TEST_F(RgbSpaces, RefusalsKeepWhatWasSetBefore) {
    const State start = Capture();
    EXPECT_EQ(SetDefRgbParams(0, 0.5f, 2, 0.5f, kIdentity.data()), 0);
    EXPECT_TRUE(Capture() == start);

    // Exponent 0 is refused after the matrix pair was taken.
    EXPECT_EQ(SetDefRgbParams(RGB_SET_MATRIX | RGB_SET_GAMMA, 0.0f, 1, 0, kIdentity.data()), 2);
    EXPECT_EQ(xyzToRgb, kIdentity);
    EXPECT_EQ(rgbToXyz, kIdentity);
    EXPECT_EQ(rgbGamma, start.gamma);

    // A singular matrix changes nothing, not even the valid exponent.
    const State beforeSingular = Capture();
    const std::array<double, 9> zeros{};
    EXPECT_EQ(SetDefRgbParams(RGB_SET_MATRIX | RGB_SET_GAMMA, 0.5f, 1, 0, zeros.data()), 1);
    EXPECT_TRUE(Capture() == beforeSingular);

    struct Case {
        std::uint16_t flags;
        float exponent, slope, threshold;
        int code;
    };
    const std::vector<Case> cases = {
        {RGB_SET_GAMMA, 0.000001f, 1, 0, 0},
        {RGB_SET_GAMMA, -1, 1, 0, 2},
        {RGB_SET_GAMMA, NAN, 1, 0, 2},
        {RGB_SET_SLOPE, 1, 1, 0, 0},
        {RGB_SET_SLOPE, 1, 0.999f, 0, 3},
        {RGB_SET_SLOPE, 1, NAN, 0, 3},
        {RGB_SET_THRESHOLD, 1, 1, 0, 0},
        {RGB_SET_THRESHOLD, 1, 1, 1, 0},
        {RGB_SET_THRESHOLD, 1, 1, -0.001f, 4},
        {RGB_SET_THRESHOLD, 1, 1, 1.001f, 4},
        {RGB_SET_THRESHOLD, 1, 1, NAN, 4},
        {RGB_SET_GAMMA | RGB_SET_SLOPE, 0.5f, 0.5f, 0, 3},
        {RGB_SET_SLOPE | RGB_SET_THRESHOLD, 1, 0.5f, 2, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetDefRgbParams(c.flags, c.exponent, c.slope, c.threshold, nullptr), c.code)
            << std::hex << c.flags << " " << c.exponent << " " << c.slope << " " << c.threshold;
    }

    // Code 3 after the exponent was stored; no join is derived after a refusal.
    const float offsetBefore = rgbOffset;
    EXPECT_EQ(SetDefRgbParams(RGB_SET_GAMMA | RGB_SET_SLOPE | RGB_CONTINUOUS_JOIN, 0.3f, 0.5f, 0.5f, nullptr),
              3);
    EXPECT_EQ(rgbGamma, 0.3f);
    EXPECT_EQ(rgbOffset, offsetBefore);
}

TEST_F(RgbSpaces, Joins) {
    // Pure power overwrites the slope and threshold just stored.
    EXPECT_EQ(
        SetDefRgbParams(RGB_PURE_POWER | RGB_SET_SLOPE | RGB_SET_THRESHOLD, 0.45f, 4.5f, 0.018f, nullptr), 0);
    EXPECT_EQ(rgbSlope, 1.0f);
    EXPECT_EQ(rgbThreshold, 0.0f);
    EXPECT_EQ(rgbOffset, 0.0f);
    EXPECT_EQ(rgbThresholdOut, 0.0f);

    EXPECT_EQ(SetDefRgbParams(RGB_SMOOTH_JOIN, 0.45f, 4.5f, 0.018f, nullptr), 0);
    EXPECT_NEAR(rgbOffset, 0.0991499, SevenDigits(0.0991499));
    EXPECT_NEAR(rgbSlope, 4.506814, SevenDigits(4.506814));
    EXPECT_NEAR(rgbThresholdOut, 0.08112264, SevenDigits(0.08112264));
    EXPECT_EQ(rgbThreshold, 0.0f);  // not flagged: the join does not store it

    // Continuous join without set flags: only the offset and the encoded threshold change.
    const State before = Capture();
    EXPECT_EQ(SetDefRgbParams(RGB_CONTINUOUS_JOIN, 0.45f, 4.5f, 0.018f, nullptr), 0);
    EXPECT_NEAR(rgbOffset, 0.0992966, SevenDigits(0.0992966));
    EXPECT_NEAR(rgbThresholdOut, 0.081, SevenDigits(0.081));
    State expected = before;
    expected.offset = rgbOffset;
    expected.thresholdOut = rgbThresholdOut;
    EXPECT_TRUE(Capture() == expected);

    // Two join modes at once derive nothing.
    const State beforeTwo = Capture();
    EXPECT_EQ(SetDefRgbParams(RGB_PURE_POWER | RGB_SMOOTH_JOIN, 0.5f, 2, 0.1f, nullptr), 0);
    EXPECT_TRUE(Capture() == beforeTwo);
    EXPECT_EQ(SetDefRgbParams(0x0700, 0.5f, 2, 0.1f, nullptr), 0);
    EXPECT_TRUE(Capture() == beforeTwo);
}

TEST_F(RgbSpaces, DegenerateJoinsLeaveTheCurveAlone) {
    // The smooth join divides by the threshold and by (1 - g) t^g; the continuous join by
    // t^g - 1. Rather than store inf or NaN, such calls derive nothing.
    ASSERT_EQ(SetRgbSpace(10), 0);
    const State srgb = Capture();
    struct Case {
        std::uint16_t join;
        float exponent, slope, threshold;
    };
    const std::vector<Case> cases = {
        {RGB_SMOOTH_JOIN, 0.45f, 4.5f, 0.0f},
        {RGB_CONTINUOUS_JOIN, 0.45f, 4.5f, 1.0f},
        {RGB_CONTINUOUS_JOIN, 0.0f, 4.5f, 0.5f},
        {RGB_CONTINUOUS_JOIN, NAN, 4.5f, 0.5f},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(SetRgbSpace(10), 0);
        EXPECT_EQ(SetDefRgbParams(c.join, c.exponent, c.slope, c.threshold, nullptr), 0);
        EXPECT_TRUE(Capture() == srgb) << std::hex << c.join << " " << c.exponent << " " << c.threshold;
        EXPECT_TRUE(std::isfinite(rgbOffset));
    }
    // A smooth join with exponent 1 is a straight line: offset 0, slope 1.
    EXPECT_EQ(SetDefRgbParams(RGB_SMOOTH_JOIN, 1.0f, 4.5f, 0.5f, nullptr), 0);
    EXPECT_EQ(rgbOffset, 0.0f);
    EXPECT_EQ(rgbSlope, 1.0f);
    // A continuous join at threshold 0 is not degenerate: offset 0, encoded threshold 0.
    EXPECT_EQ(SetDefRgbParams(RGB_CONTINUOUS_JOIN, 0.45f, 4.5f, 0.0f, nullptr), 0);
    EXPECT_EQ(rgbOffset, 0.0f);
    EXPECT_EQ(rgbThresholdOut, 0.0f);
}

}  // namespace
