#include "colour/white_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "colour/cie_conversions.h"
#include "colour/illuminant_table.h"

namespace {

void ExpectTriple(ColorTriple actual, ColorTriple expected) {
    EXPECT_EQ(actual.c1, expected.c1);
    EXPECT_EQ(actual.c2, expected.c2);
    EXPECT_EQ(actual.c3, expected.c3);
}

TEST(WhitePoints, Lookups) {
    struct Case {
        int illuminant;
        int observer;
        ColorTriple white;
    };
    const std::vector<Case> cases = {
        {4, 1, {94.811f, 100, 107.33f}},
        {4, 0, {95.047f, 100, 108.883f}},
        {6, 0, {97.135f, 100, 143.929f}},
        {6, 1, {97.135f, 100, 143.929f}},
        {7, 0, {100, 100, 100}},
        {7, 1, {100, 100, 100}},
        {0, 0, {109.85f, 100, 35.585f}},
        {0, 1, {111.114f, 100, 35.2f}},
        // Any non-zero observer selects 10 degrees.
        {0, 2, {111.114f, 100, 35.2f}},
        {0, -1, {111.114f, 100, 35.2f}},
        {2, 0, {96.422f, 100, 82.49f}},
        {10, 0, {100.962f, 100, 64.35f}},
        {10, 1, {103.863f, 100, 65.607f}},
        {8, 1, {103.279f, 100, 69.027f}},
        {11, 0, {-1, -1, -1}},
        {-1, 1, {-1, -1, -1}},
        {1000, 0, {-1, -1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "illuminant " << c.illuminant << " observer " << c.observer);
        ExpectTriple(GetWhiteRef(c.illuminant, c.observer), c.white);
    }
}

TEST(WhitePoints, EveryWhiteMapsToLightness100AndBack) {
    for (int observer : {0, 1}) {
        for (int i = 0; i <= 10; ++i) {
            SCOPED_TRACE(testing::Message() << "illuminant " << i << " observer " << observer);
            const ColorTriple white = GetWhiteRef(i, observer);
            EXPECT_EQ(white.c2, 100.0f);
            ExpectTriple(XYZ__Lab(white, white), {100, 0, 0});
            ExpectTriple(Lab__XYZ({100, 0, 0}, white), white);
        }
    }
}

TEST(IlluminantPower, Lookups) {
    // Interpolated values carry the float32 rounding of the two stored neighbours and of the
    // result: a few units of 2^-24, relative.
    constexpr double kFloatRelative = 2e-7;
    struct Case {
        int illuminant;
        int nm;
        double power;
    };
    const std::vector<Case> cases = {
        {4, 560, 100},      {1, 560, 105.3},  {0, 300, 0.93},  {1, 800, 59.1},   {1, 785, 59.1},
        {1, 830 - 1, 59.1}, {1, 300, 0},      {1, 315, 0},     {4, 562, 99.268}, {0, 829, 261.252},
        {0, 825, 259.86},   {0, 830, -1},     {0, 299, -1},    {6, 560, -1},     {-1, 560, -1},
        {5, 320, 29.81},    {2, 555, 101.16}, {3, 780, 71.82}, {5, 785, 58.73},  {2, 831, -1},
        {3, -5, -1},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(GetIlluminantRps(c.illuminant, c.nm), c.power, kFloatRelative * std::max(1.0, c.power))
            << "illuminant " << c.illuminant << " at " << c.nm;
    }
    // On the grid the stored value itself comes back.
    EXPECT_EQ(GetIlluminantRps(1, 560), 105.3f);
    EXPECT_EQ(GetIlluminantRps(0, 825), 259.86f);
    EXPECT_EQ(GetIlluminantRps(0, 830), -1.0f);
}

TEST(IlluminantPower, TableRows) {
    struct Row {
        int nm;
        float power[6];
    };
    const std::vector<Row> telling = {
        {300, {0.93f, 0, 0.02f, 0.02f, 0.03f, 0.04f}},
        {305, {1.13f, 0, 1.03f, 1.05f, 1.66f, 2.59f}},
        {320, {1.93f, 0.01f, 7.78f, 11.22f, 20.24f, 29.81f}},
        {555, {96.44f, 105.67f, 101.16f, 101.48f, 102.02f, 102.45f}},
        {560, {100, 105.3f, 100, 100, 100, 100}},
        {780, {241.68f, 59.1f, 78.27f, 71.82f, 63.38f, 58.32f}},
        {785, {243.92f, 59.1f, 78.91f, 72.38f, 63.84f, 58.73f}},
        {830, {261.6f, 59.1f, 74.44f, 68.31f, 60.31f, 55.54f}},
    };
    for (const Row& r : telling) {
        const IlluminantPowerRow& row = cierps[(r.nm - 300) / 5];
        ASSERT_EQ(row.nm, r.nm);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(row.power[i], r.power[i]) << r.nm << " nm, column " << i;
        }
    }
    for (int k = 0; k < kIlluminantRows; ++k) {
        EXPECT_EQ(cierps[k].nm, 300 + 5 * k);
        if (cierps[k].nm >= 780) {
            EXPECT_EQ(cierps[k].power[kIlluminantC], 59.1f) << cierps[k].nm;
        }
    }
}

}  // namespace
