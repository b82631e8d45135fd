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

// The last bit depends on where the steps round to float32 (dC, dL, P, F, T, SL, SC, SH, the
// CIEDE2000 means, G, a', C', h', T, dh', dH', v, x, dθ, R, s, RT): a value kept in double
// anywhere changes it. Expected values worked through the published step order with those
// float32 stores, independently of this code; they agree with the four-decimal rows above.
TEST(ColourDifferences, StoredIntermediatesFixTheLastBit) {
    const std::vector<WorkedRow> rows = {
        // clang-format off
        {{50, 2.5f, 0}, {73, 25, -18}, 36.868007811651552, 34.6891632, 28.2502632, 37.923275, 42.1087532, 27.149229},
        {{73, 25, -18}, {50, 2.5f, 0}, 36.868007811651552, 26.1397514, 16.6382256, 16.8739586, 22.7367401, 27.149229},
        {{50, 0, 0}, {50, 3, 4}, 5, 5, 5, 7.83699036, 7.83699036, 5.30220604},
        {{50, 2.5f, 0}, {56, -27, -3}, 30.253099014811689, 27.9140892, 27.3285847, 38.0617676, 38.3600578, 31.9030037},
        // Each of these moves when one of the stores above is left out.
        {{22.162f, 41.741f, -66.426f}, {62.934f, -69.029f, -14.264f}, 129.0473659407661, 69.3957748, 61.7145081, 69.9517212, 88.4268188, 59.4691429},
        {{23.964f, -19.031f, 63.788f}, {22.2f, -20.5f, 65.4f}, 2.8050332029012885, 1.89026785, 1.10995507, 1.52341604, 2.68735123, 1.44428682},
        {{34.606f, -36.662f, -76.788f}, {13.111f, 14.892f, -46.258f}, 63.65477914660552, 30.9014721, 25.2444611, 27.4136448, 34.6219864, 36.8382721},
        {{85.185f, 86.489f, 28.248f}, {82.4f, 83.6f, 30.7f}, 4.7026413576984307, 3.1310041, 2.03157139, 2.01928353, 2.65896463, 2.36130118},
        {{68.087f, 83.299f, -86.173f}, {62.257f, -3.198f, 41.49f}, 154.31643626004328, 49.3927994, 51.0399895, 59.3536415, 59.4872398, 66.4288406},
        {{12.472f, 11.559f, -2.726f}, {9.9f, 9.8f, -1.8f}, 3.2506526878511171, 2.89496422, 1.83142066, 2.97274184, 5.27612972, 2.30079007},
        {{71.391f, -21.305f, 16.542f}, {77.344f, -87.057f, -54.084f}, 96.678823544119524, 55.0289879, 54.7112427, 57.2957306, 57.4340134, 36.2151718},
        {{11.282f, -67.6f, -9.547f}, {50.237f, -18.59f, -80.646f}, 94.734048995398169, 57.4378281, 47.806427, 54.1593819, 85.3922043, 44.2320633},
        {{86.865f, -83.136f, -65.547f}, {89.7f, -85.2f, -67.4f}, 3.9662226041033417, 2.8761847, 1.49045658, 1.28827286, 2.17092872, 1.86749327},
        {{35.562f, -33.24f, 23.347f}, {30.068f, 18.553f, 35.074f}, 53.387467440285086, 33.4490051, 33.9601707, 30.1467056, 30.6116009, 36.7524376},
        {{11.905f, -26.039f, -3.515f}, {9.7f, -25.5f, -3.9f}, 2.3023401752880397, 2.24008632, 1.17147589, 2.19581032, 4.33433342, 1.44909453},
        {{9.588f, -87.192f, -7.712f}, {8.5f, -87.4f, -10.2f}, 2.7234449516715324, 1.5224669, 1.23268616, 1.46653557, 2.35599566, 1.28989685},
        {{73.305f, -1.609f, 4.793f}, {71.3f, -4.2f, 2.5f}, 3.9988928693199388, 3.78909349, 3.38222361, 4.44934464, 4.6427393, 4.24621439},
        {{5.297f, 0.675f, -19.651f}, {5.2f, 0.5f, -21.5f}, 1.8597952744400632, 0.99837029, 0.966170669, 1.15478694, 1.16642952, 1.0735631},
        // clang-format on
    };
    for (const WorkedRow& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "reference (" << r.reference.c1 << ", " << r.reference.c2 << ", " << r.reference.c3
                     << ") sample (" << r.sample.c1 << ", " << r.sample.c2 << ", " << r.sample.c3 << ")");
        EXPECT_EQ(DeltaE1976(r.reference, r.sample), r.e76);
        EXPECT_EQ(DeltaE1994(0, r.reference, r.sample), static_cast<float>(r.e94GraphicArts));
        EXPECT_EQ(DeltaE1994(1, r.reference, r.sample), static_cast<float>(r.e94Textiles));
        EXPECT_EQ(DeltaECMC(2, 1, r.reference, r.sample), static_cast<float>(r.cmc21));
        EXPECT_EQ(DeltaECMC(1, 1, r.reference, r.sample), static_cast<float>(r.cmc11));
        EXPECT_EQ(DeltaE2000(r.reference, r.sample), static_cast<float>(r.e2000));
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
