#include "colour/rgb_encoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "colour/rgb_spaces.h"
#include "tests/colour/rgb_state_guard.h"

namespace {

using RgbEncoding = RgbStateTest;

int Packed(int r, int g, int b) {
    return (r << 16) | (g << 8) | b;
}

constexpr ColorTriple kD65Deg2{95.047f, 100, 108.883f};
constexpr ColorTriple kWhiteRef{94.811f, 100, 107.33f};
// Values quoted to two decimals.
constexpr double kTwoDecimals = 5e-3;

TEST_F(RgbEncoding, BlackInEverySpace) {
    for (int s = 0; s < kRgbSpaceCount; ++s) {
        ASSERT_EQ(SetRgbSpace(s), 0);
        const ColorTriple rgb = XYZ__RGB({0, 0, 0});
        EXPECT_EQ(rgb.c1, 0.0f) << s;
        EXPECT_EQ(rgb.c2, 0.0f) << s;
        EXPECT_EQ(rgb.c3, 0.0f) << s;
        const ColorTriple xyz = RGB__XYZ({0, 0, 0});
        EXPECT_EQ(xyz.c1, 0.0f) << s;
        EXPECT_EQ(xyz.c2, 0.0f) << s;
        EXPECT_EQ(xyz.c3, 0.0f) << s;
    }
}

TEST_F(RgbEncoding, StartingStateIsAPlainPowerCurve) {
    ColorTriple rgb = XYZ__RGB(kD65Deg2);
    EXPECT_NEAR(rgb.c1, 254.98, kTwoDecimals);
    EXPECT_EQ(rgb.c2, 255.0f);
    EXPECT_NEAR(rgb.c3, 254.97, kTwoDecimals);
    EXPECT_EQ(RGB__int(rgb), Packed(255, 255, 255));
    rgb = XYZ__RGB(kWhiteRef);
    EXPECT_NEAR(rgb.c1, 254.99, kTwoDecimals);
    EXPECT_EQ(rgb.c2, 255.0f);
    EXPECT_NEAR(rgb.c3, 253.21, kTwoDecimals);
    EXPECT_EQ(RGB__int(rgb), Packed(255, 255, 253));
    // Pure 1/2.4 power: mid grey Y = 20 encodes as 255 * 0.2^(1/2.4) (rows of the sRGB matrix
    // sum to about 1 at the D65 white, 0.2 times it here).
    const ColorTriple grey = XYZ__RGB({0.95047f * 20, 20, 1.08883f * 20});
    constexpr double kMatrixRowSums = 0.05;  // rows sum to 1 within 3e-4 at the white
    EXPECT_NEAR(grey.c2, 255 * std::pow(0.2, 1 / 2.4), kMatrixRowSums);
    // The four-decimal inverse of the start, times 100.
    const ColorTriple white = RGB__XYZ({255, 255, 255});
    EXPECT_NEAR(white.c1, 95.05, kTwoDecimals);
    EXPECT_NEAR(white.c2, 100.01, kTwoDecimals);
    EXPECT_NEAR(white.c3, 108.90, kTwoDecimals);
}

TEST_F(RgbEncoding, ThresholdAndClipping) {
    // Identity matrix: the linear channels are X/100, Y/100, Z/100. Threshold 0.5 with slope
    // 1.5 and exponent 0.5, no join (offset 0): the linear segment gives 0.75, the power 0.707.
    const std::array<double, 9> identity = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    ASSERT_EQ(SetDefRgbParams(RGB_SET_MATRIX | RGB_SET_GAMMA | RGB_SET_SLOPE | RGB_SET_THRESHOLD, 0.5f, 1.5f,
                              0.5f, identity.data()),
              0);
    rgbOffset = 0;
    const ColorTriple atThreshold = XYZ__RGB({50, 50.001f, 120});
    EXPECT_EQ(atThreshold.c1, 0.75f * 255);  // linear segment at the threshold itself
    constexpr double kFloatPower = 1e-4;
    EXPECT_NEAR(atThreshold.c2, std::sqrt(0.50001) * 255, kFloatPower);  // power just above
    EXPECT_EQ(atThreshold.c3, 255.0f);                                   // above 1: clipped
    // Decoding likewise: an encoded value equal to rgbThresholdOut takes the linear segment
    // (0.75 / 1.5 = 0.5), where the power segment would give 0.75^2 = 0.5625.
    rgbThresholdOut = 0.75f;
    const ColorTriple decoded = RGB__XYZ({0.75f * 255, 0.9f * 255, 0});
    EXPECT_EQ(decoded.c1, 50.0f);
    EXPECT_NEAR(decoded.c2, 81.0, kFloatPower);  // 0.9^2 above it
    const ColorTriple negative = XYZ__RGB({-1, -50, -0.001f});
    EXPECT_EQ(negative.c1, 0.0f);
    EXPECT_EQ(negative.c2, 0.0f);
    EXPECT_EQ(negative.c3, 0.0f);

    // Negative linear values in a pure power space stay clear of pow and end as 0.
    for (int s : {0, 1, 12, 14}) {
        ASSERT_EQ(SetRgbSpace(s), 0);
        const ColorTriple outOfGamut = XYZ__RGB({5, 60, 2});  // saturated green: R and B negative
        EXPECT_EQ(outOfGamut.c1, 0.0f) << s;
        EXPECT_GT(outOfGamut.c2, 0.0f) << s;
        EXPECT_FALSE(std::isnan(outOfGamut.c3)) << s;
    }
}

// Swatch colours in sRGB: each row moves in its last bit when a float32 store (XYZ / 100, the
// linear channels, the encoded value) is left out or the matrix rows are summed in another
// order. Worked through the published steps, independently of this code.
TEST_F(RgbEncoding, StoresFixTheLastBit) {
    ASSERT_EQ(SetRgbSpace(10), 0);
    struct Row {
        ColorTriple xyz, rgb;
    };
    const std::vector<Row> rows = {
        {{39.0818176f, 32.3120995f, 14.1627636f}, {217.723846f, 132.667877f, 91.3725052f}},
        {{3.09468985f, 3.52374959f, -1.04871356f}, {64.0435867f, 53.0561371f, 0}},
        {{14.9060488f, 8.16783333f, 3.4998498f}, {157.601837f, 25.8117905f, 47.1699753f}},
        {{21.3425446f, 26.0031071f, 70.1243286f}, {0, 151.147522f, 217.852341f}},
        {{35.6594009f, 46.2384567f, 70.9763031f}, {84.988678f, 195.894302f, 214.461884f}},
    };
    for (const Row& r : rows) {
        const ColorTriple rgb = XYZ__RGB(r.xyz);
        EXPECT_EQ(rgb.c1, r.rgb.c1) << r.xyz.c1;
        EXPECT_EQ(rgb.c2, r.rgb.c2) << r.xyz.c1;
        EXPECT_EQ(rgb.c3, r.rgb.c3) << r.xyz.c1;
    }
}

TEST_F(RgbEncoding, SrgbDecodingSegments) {
    ASSERT_EQ(SetRgbSpace(10), 0);
    const double ySum = rgbToXyz[3] + rgbToXyz[4] + rgbToXyz[5];
    // Relative float32 rounding of a few stored steps.
    constexpr double kFloatRelative = 1e-6;
    auto linearY = [&](double code) { return 100 * ySum * (code / 255 / 12.92); };
    auto powerY = [&](double code) {
        return 100 * ySum * std::pow((code / 255 + rgbOffset) / (1.0 + rgbOffset), 1.0 / rgbGamma);
    };
    const std::vector<std::pair<int, bool>> codes = {
        {1, true}, {5, true}, {10, true}, {11, false}, {128, false}};
    for (const auto& [code, linear] : codes) {
        const float c = static_cast<float>(code);
        const double y = RGB__XYZ({c, c, c}).c2;
        const double expected = linear ? linearY(code) : powerY(code);
        const double other = linear ? powerY(code) : linearY(code);
        EXPECT_NEAR(y, expected, expected * kFloatRelative) << code;
        // Next to the joint the continuous join makes both segments nearly equal.
        if (code != 10 && code != 11) {
            EXPECT_GT(std::fabs(y - other), 10 * expected * kFloatRelative) << code;
        }
    }
    EXPECT_NEAR(RGB__XYZ({1, 1, 1}).c2, 0.0304, 5e-5);
    // 10 is the last code on the linear segment, 11 the first on the power segment.
    EXPECT_LE(10.0f / 255, rgbThresholdOut);
    EXPECT_GT(11.0f / 255, rgbThresholdOut);

    // Round trip inside the gamut.
    constexpr double kRoundTrip = 1e-4;
    const std::vector<ColorTriple> inGamut = {{20, 21, 22}, {30, 20, 10}, {50, 60, 70},
                                              {3, 3.5f, 4}, {80, 85, 90}, {0.2f, 0.2f, 0.2f}};
    for (const ColorTriple& xyz : inGamut) {
        const ColorTriple back = RGB__XYZ(XYZ__RGB(xyz));
        EXPECT_NEAR(back.c1, xyz.c1, kRoundTrip) << xyz.c1;
        EXPECT_NEAR(back.c2, xyz.c2, kRoundTrip) << xyz.c2;
        EXPECT_NEAR(back.c3, xyz.c3, kRoundTrip) << xyz.c3;
    }
}

TEST(RgbPacking, RoundsHalvesUpAndHoldsFields) {
    struct Case {
        ColorTriple rgb;
        int packed;
    };
    const std::vector<Case> cases = {
        {{255, 127.5f, 0.49f}, Packed(255, 128, 0)},
        {{0, 0, 0}, 0},
        {{254.5f, 0.5f, 1.49f}, Packed(255, 1, 1)},
        {{255.49f, 255.49f, 255.49f}, 0xFFFFFF},
        // Outside the domain: each field held in 0..255 instead of spilling or overflowing.
        {{-3, 300, NAN}, Packed(0, 255, 0)},
        {{1e30f, -1e30f, 256}, Packed(255, 0, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RGB__int(c.rgb), c.packed) << c.rgb.c1 << " " << c.rgb.c2 << " " << c.rgb.c3;
    }
}

TEST(RgbPacking, HsvOfPackedColours) {
    struct Case {
        int rgb;
        int hsv;
    };
    const std::vector<Case> cases = {
        {Packed(255, 0, 0), Packed(0, 240, 240)},
        {Packed(0, 255, 0), Packed(80, 240, 240)},
        {Packed(0, 0, 255), Packed(160, 240, 240)},
        {Packed(255, 255, 0), Packed(40, 240, 240)},
        {Packed(255, 0, 255), Packed(200, 240, 240)},
        {Packed(128, 128, 128), Packed(0, 0, 120)},
        {Packed(255, 0, 6), Packed(0, 240, 240)},
        {Packed(255, 0, 7), Packed(239, 240, 240)},
        // A red/green tie takes the red formula: 40, where the green one would give 39.
        {Packed(7, 7, 0), Packed(40, 240, 6)},
        // 80 and 160 are added before the truncation: 80 - 1.098 gives 78, not -1 + 80.
        {Packed(7, 255, 0), Packed(78, 240, 240)},
        {Packed(0, 7, 255), Packed(158, 240, 240)},
        // S is 240 x (d / max); 240 x d / max would come out just below 240 here.
        {Packed(3, 0, 0), Packed(0, 240, 2)},
        {Packed(0, 0, 0), 0},
        {Packed(16, 32, 48), Packed(140, 160, 45)},
        {Packed(17, 17, 17), Packed(0, 0, 16)},
        // Bits 24..31 are not read.
        {static_cast<int>(0xFF0000FFu), Packed(160, 240, 240)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RGB__HSV(c.rgb), c.hsv) << std::hex << c.rgb;
    }
}

TEST(RgbPacking, PackedColoursOfHsv) {
    struct Case {
        int hsv;
        int rgb;
    };
    const std::vector<Case> cases = {
        {Packed(0, 240, 240), Packed(255, 0, 0)},     {Packed(80, 240, 240), Packed(0, 255, 0)},
        {Packed(0, 0, 120), Packed(127, 127, 127)},  // v = 127.5 truncated
        {Packed(140, 160, 45), Packed(15, 31, 47)},   {Packed(0, 0, 16), Packed(17, 17, 17)},
        {Packed(200, 0, 240), Packed(255, 255, 255)},  // S = 0: grey whatever H
        {Packed(123, 0, 60), Packed(63, 63, 63)},     {Packed(160, 240, 240), Packed(0, 0, 255)},
        {Packed(40, 240, 240), Packed(255, 255, 0)},  {Packed(120, 240, 240), Packed(0, 255, 255)},
        {Packed(200, 240, 240), Packed(255, 0, 255)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HSV__RGB(c.hsv), c.rgb) << std::hex << c.hsv;
    }
    // Round trips lose: grey 128 comes back as 127.
    EXPECT_EQ(HSV__RGB(RGB__HSV(Packed(128, 128, 128))), Packed(127, 127, 127));
    EXPECT_EQ(HSV__RGB(RGB__HSV(Packed(17, 17, 17))), Packed(17, 17, 17));
}

TEST(RgbPacking, HsvOutsideItsRangeStaysInTheFields) {
    // H 240..255 continues from red; S or V above 240 would give channels outside 0..255.
    EXPECT_EQ(HSV__RGB(Packed(240, 240, 240)), HSV__RGB(Packed(0, 240, 240)));
    for (int h : {0, 100, 239, 240, 255}) {
        for (int s : {0, 120, 240, 255}) {
            for (int v : {0, 120, 240, 255}) {
                const int rgb = HSV__RGB(Packed(h, s, v));
                EXPECT_EQ(rgb & ~0xFFFFFF, 0) << h << " " << s << " " << v;
            }
        }
    }
    EXPECT_EQ(HSV__RGB(Packed(0, 0, 255)), 0xFFFFFF);
}

}  // namespace
