#include "colour/colour_differences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "colour/cie_conversions.h"
#include "tests/colour/reference_formulas.h"

namespace {

// The worked values are given to four decimals.
constexpr double kFourDecimals = 5e-5;
// Float32 storage of about ten intermediate quantities, against a double evaluation of the
// same formula: a few units of 2^-24 each.
constexpr double kFloatStorageRelative = 2e-6;

struct WorkedRow {
    ColorTriple reference;
    ColorTriple sample;
    double e76;
    double e94GraphicArts;
    double e94Textiles;
    double cmc21;
    double cmc11;
    double e2000;
};

const std::vector<WorkedRow> kWorkedRows = {
    {{50, 2.5f, 0}, {73, 25, -18}, 36.8680, 34.6892, 28.2503, 37.9233, 42.1088, 27.1492},
    {{73, 25, -18}, {50, 2.5f, 0}, 36.8680, 26.1398, 16.6382, 16.8740, 22.7367, 27.1492},
    {{50, 0, 0}, {50, 3, 4}, 5.0000, 5.0000, 5.0000, 7.8370, 7.8370, 5.3022},
    {{50, 2.5f, 0}, {56, -27, -3}, 30.2531, 27.9141, 27.3286, 38.0618, 38.3601, 31.9030},
};

TEST(ColourDifferences, WorkedValues) {
    for (const WorkedRow& r : kWorkedRows) {
        SCOPED_TRACE(testing::Message()
                     << "reference (" << r.reference.c1 << ", " << r.reference.c2 << ", " << r.reference.c3
                     << ") sample (" << r.sample.c1 << ", " << r.sample.c2 << ", " << r.sample.c3 << ")");
        EXPECT_NEAR(DeltaE1976(r.reference, r.sample), r.e76, kFourDecimals);
        EXPECT_NEAR(DeltaE1994(0, r.reference, r.sample), r.e94GraphicArts, kFourDecimals);
        EXPECT_NEAR(DeltaE1994(1, r.reference, r.sample), r.e94Textiles, kFourDecimals);
        EXPECT_NEAR(DeltaECMC(2, 1, r.reference, r.sample), r.cmc21, kFourDecimals);
        EXPECT_NEAR(DeltaECMC(1, 1, r.reference, r.sample), r.cmc11, kFourDecimals);
        EXPECT_NEAR(DeltaE2000(r.reference, r.sample), r.e2000, kFourDecimals);
    }
}

TEST(ColourDifferences, IdenticalColoursGiveZero) {
    const std::vector<ColorTriple> colours = {{0, 0, 0},     {50, 0, 0},    {50, 2.5f, 0},
                                              {73, 25, -18}, {30, -40, 60}, {95, 0.001f, -0.002f},
                                              {50, 5, -0.0f}};
    for (const ColorTriple& c : colours) {
        EXPECT_EQ(DeltaE1976(c, c), 0.0);
        EXPECT_EQ(DeltaE1994(0, c, c), 0.0f);
        EXPECT_EQ(DeltaE1994(1, c, c), 0.0f);
        EXPECT_EQ(DeltaECMC(2, 1, c, c), 0.0f);
        EXPECT_EQ(DeltaE2000(c, c), 0.0f);
    }
}

TEST(ColourDifferences, SymmetricFormulasIgnoreTheOrder) {
    const std::vector<std::pair<ColorTriple, ColorTriple>> pairs = {
        {{50, 2.5f, 0}, {73, 25, -18}},
        {{50, 2.5f, 0}, {56, -27, -3}},
        {{50, -0.001f, 2.49f}, {50, 0.0011f, -2.49f}},
        {{20, 80, -10}, {25, -60, 5}},
    };
    for (const auto& [a, b] : pairs) {
        EXPECT_EQ(DeltaE1976(a, b), DeltaE1976(b, a));
        EXPECT_EQ(DeltaE2000(a, b), DeltaE2000(b, a));
    }
}

TEST(ColourDifferences, Ciede2000AcrossMoreThanHalfATurn) {
    EXPECT_NEAR(DeltaE2000({50, -0.001f, 2.49f}, {50, 0.0011f, -2.49f}), 4.7461, kFourDecimals);
    EXPECT_NEAR(DeltaE2000({50, 0.0011f, -2.49f}, {50, -0.001f, 2.49f}), 4.7461, kFourDecimals);
}

TEST(ColourDifferences, Ciede2000HuesAcrossZero) {
    // Hues 350 and 10 (the G factor is the same for both, so h' keeps them): dh' is +20 one way
    // and -20 the other, with the mean hue 360 both ways, so the order does not matter; and the
    // value is the textbook one, the unwrapped mean 360 giving the same T as 0.
    const ColorTriple at350 = HLC__Lab({350, 50, 20});
    const ColorTriple at10 = HLC__Lab({10, 50, 20});
    const float forward = DeltaE2000(at350, at10);
    EXPECT_EQ(forward, DeltaE2000(at10, at350));
    EXPECT_NEAR(forward, reference::Ciede2000(reference::ToLab(at350), reference::ToLab(at10)),
                kFloatStorageRelative * forward);
}

TEST(ColourDifferences, Ciede2000NeutralColourIgnoresHue) {
    // A neutral colour has C' = 0, so dH' = 0 and the hue angles (and the mean hue, which the
    // textbook forms differently for a neutral colour) drop out. The hue still matters through
    // C' = |(a* (1 + G), b*)|, so only colours mirrored across an axis give equal C'.
    const ColorTriple grey{50, 0, 0};
    EXPECT_EQ(DeltaE2000(grey, {55, 0.5f, 0}), DeltaE2000(grey, {55, -0.5f, 0}));
    EXPECT_EQ(DeltaE2000(grey, {55, 0, 0.5f}), DeltaE2000(grey, {55, 0, -0.5f}));
    EXPECT_EQ(DeltaE2000({55, 3, 4}, grey), DeltaE2000({55, -3, -4}, grey));
    for (float hue : {0.0f, 30.0f, 90.0f, 200.0f, 300.0f, 359.0f}) {
        const ColorTriple sample = HLC__Lab({hue, 55, 2});
        const double expected = reference::Ciede2000(reference::ToLab(grey), reference::ToLab(sample));
        EXPECT_NEAR(DeltaE2000(grey, sample), expected, kFloatStorageRelative * expected) << hue;
    }
    EXPECT_EQ(DeltaE2000({0, 0, 0}, {10, 0, 0}), DeltaE2000({0, 0, -0.0f}, {10, -0.0f, 0}));
}

// A colour whose Lab__HLC hue is exactly `hue` (nudging b* by a few float steps).
ColorTriple LabWithExactHue(float hue, float l, float c) {
    ColorTriple lab = HLC__Lab({hue, l, c});
    for (int step = 0; step < 64 && Lab__HLC(lab).c1 != hue; ++step) {
        lab.c3 = std::nextafter(lab.c3, Lab__HLC(lab).c1 < hue ? (lab.c2 > 0 ? INFINITY : -INFINITY)
                                                               : (lab.c2 > 0 ? -INFINITY : INFINITY));
    }
    return lab;
}

TEST(ColourDifferences, CmcHueTermBoundaries) {
    using reference::CmcBranch;
    struct Case {
        float hue;
        CmcBranch branch;
    };
    // 164 and 345 take the 0.56 + |0.2 cos(H1 + 168)| branch, just outside the other one.
    const std::vector<Case> cases = {
        {164.0f, CmcBranch::kInside},   {345.0f, CmcBranch::kInside}, {163.99f, CmcBranch::kOutside},
        {345.01f, CmcBranch::kOutside}, {200.0f, CmcBranch::kInside}, {20.0f, CmcBranch::kOutside},
        {360.0f, CmcBranch::kOutside},  {0.0f, CmcBranch::kOutside},
    };
    for (const Case& c : cases) {
        const ColorTriple ref = LabWithExactHue(c.hue, 50, 30);
        ASSERT_EQ(Lab__HLC(ref).c1, c.hue);
        // A sample 25 degrees round: the hue difference, weighted by SH, dominates.
        const ColorTriple sample = HLC__Lab({c.hue + 25, 48, 28});
        const double expected =
            reference::Cmc(2, 1, reference::ToLab(ref), reference::ToLab(sample), c.branch);
        const double otherBranch =
            reference::Cmc(2, 1, reference::ToLab(ref), reference::ToLab(sample),
                           c.branch == CmcBranch::kInside ? CmcBranch::kOutside : CmcBranch::kInside);
        const float actual = DeltaECMC(2, 1, ref, sample);
        EXPECT_NEAR(actual, expected, kFloatStorageRelative * expected) << c.hue;
        // The two branches are far enough apart to tell which one was taken.
        EXPECT_GT(std::fabs(otherBranch - expected), 10 * kFloatStorageRelative * expected) << c.hue;
    }
    // H1 = 360 and H1 = 0 give the same T, so the same result for the same sample.
    const ColorTriple at360 = LabWithExactHue(360.0f, 50, 30);
    const ColorTriple at0{50, 30, 0};
    const ColorTriple sample = HLC__Lab({15, 52, 25});
    EXPECT_NEAR(DeltaECMC(2, 1, at360, sample), DeltaECMC(2, 1, at0, sample), kFloatStorageRelative);
}

TEST(ColourDifferences, CmcLightnessBoundaryAndNeutralReference) {
    // Pure lightness differences: the result is |dL| / (l SL).
    constexpr double kFloatRounding = 1e-6;
    EXPECT_NEAR(DeltaECMC(1, 1, {15.99f, 0, 0}, {10.99f, 0, 0}), 5 / 0.511, 5 / 0.511 * kFloatRounding);
    EXPECT_NEAR(DeltaECMC(1, 1, {10, 0, 0}, {5, 0, 0}), 5 / 0.511, 5 / 0.511 * kFloatRounding);
    const double sl16 = 0.040975 * 16 / (1 + 0.01765 * 16);
    EXPECT_NEAR(sl16, 0.51123, 5e-6);
    EXPECT_NEAR(DeltaECMC(1, 1, {16, 0, 0}, {11, 0, 0}), 5 / sl16, 5 / sl16 * kFloatRounding);
    EXPECT_NEAR(DeltaECMC(2, 1, {16, 0, 0}, {11, 0, 0}), 5 / (2 * sl16), 5 / sl16 * kFloatRounding);

    // A neutral reference: F = 0 and SH = SC = 0.638 whatever the sample's hue; the sample's
    // chroma is split into dC and dH: dC = -C2, dH = 0 (a*, b* differences equal C2 in length).
    for (float hue : {0.0f, 90.0f, 200.0f, 300.0f}) {
        const ColorTriple sample = HLC__Lab({hue, 50, 4});
        EXPECT_NEAR(DeltaECMC(2, 1, {50, 0, 0}, sample), 4 / 0.638, 4 / 0.638 * kFloatRounding) << hue;
    }
}

TEST(ColourDifferences, Cie94WeightsAndFlag) {
    // Neutral reference: SC = SH = 1, so the weights differ only in kL (1 against 2).
    const ColorTriple grey{50, 0, 0};
    const ColorTriple sample{40, 3, 4};
    EXPECT_FLOAT_EQ(DeltaE1994(0, grey, sample), std::sqrt(100.0f + 25.0f));
    EXPECT_FLOAT_EQ(DeltaE1994(1, grey, sample), std::sqrt(25.0f + 25.0f));
    // Any non-zero flag selects textiles.
    for (int flag : {5, -1, 2, 1 << 30}) {
        EXPECT_EQ(DeltaE1994(flag, kWorkedRows[0].reference, kWorkedRows[0].sample),
                  DeltaE1994(1, kWorkedRows[0].reference, kWorkedRows[0].sample))
            << flag;
    }
    // The weights come from the reference: the reversed row differs.
    EXPECT_NE(DeltaE1994(0, kWorkedRows[0].reference, kWorkedRows[0].sample),
              DeltaE1994(0, kWorkedRows[0].sample, kWorkedRows[0].reference));
}

// Colours on one hue line: in exact arithmetic dH = 0, but the float32 chromas can make the
// radicand slightly negative. The chosen behaviour takes dH as 0, so every such pair gives a
// finite value equal to the pure lightness/chroma difference, and a nearest-colour search
// that keeps values strictly below the best so far still sees them.
TEST(ColourDifferences, SameHueLineGivesFiniteDifferences) {
    int negativeRadicands = 0;
    for (int hue = 0; hue < 360; hue += 9) {
        for (int c1 = 5; c1 <= 60; c1 += 5) {
            for (int c2 = 0; c2 <= 60; c2 += 10) {
                const ColorTriple reference = HLC__Lab({static_cast<float>(hue), 50, static_cast<float>(c1)});
                const ColorTriple sample = HLC__Lab({static_cast<float>(hue), 60, static_cast<float>(c2)});
                const float ch1 = Lab__HLC(reference).c3;
                const float ch2 = Lab__HLC(sample).c3;
                const float dC = ch1 - ch2;
                const double da = static_cast<double>(reference.c2) - sample.c2;
                const double db = static_cast<double>(reference.c3) - sample.c3;
                if ((da * da + db * db) - static_cast<double>(dC) * dC < 0) {
                    ++negativeRadicands;
                }
                const float cmc = DeltaECMC(2, 1, reference, sample);
                const float e94 = DeltaE1994(0, reference, sample);
                ASSERT_TRUE(std::isfinite(cmc)) << hue << " " << c1 << " " << c2;
                ASSERT_TRUE(std::isfinite(e94)) << hue << " " << c1 << " " << c2;
                // dH is at most the rounding noise of the chromas.
                const double sl = 0.040975 * 50 / (0.01765 * 50 + 1);
                const double sc = 0.0638 * ch1 / (0.0131 * ch1 + 1) + 0.638;
                const double withoutHue = std::sqrt(std::pow(10 / (2 * sl), 2) + std::pow(dC / sc, 2));
                constexpr double kHueNoise = 1e-3;  // sqrt of float32 rounding of chroma^2 terms
                ASSERT_NEAR(cmc, withoutHue, kHueNoise) << hue << " " << c1 << " " << c2;
            }
        }
    }
    // The grid does hit the case the clamp exists for.
    EXPECT_GT(negativeRadicands, 0);
}

}  // namespace
