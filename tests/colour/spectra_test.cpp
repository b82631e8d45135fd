#include "colour/spectra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Interpolated slots are float32 sums of a float32 sample and a float32 slope times a step:
// a few units in the last place of values below 100.
constexpr float kInterpolation = 2e-5f;

SpectrumPtr Make(int start, int step, int count) {
    SpectrumPtr s(NewSpectrum());
    s->start = start;
    s->step = step;
    s->count = count;
    for (int i = 0; i < kSpectrumSamples; ++i) {
        s->values[i] = 10.0f + 3.0f * i + static_cast<float>(i % 3);  // uneven, so slopes differ
    }
    return s;
}

// Slot of the standard grid holding wavelength nm.
int Slot(int nm) {
    return (nm - kStandardStart) / kStandardStep;
}

TEST(Spectra, NewCopyAndFree) {
    const SpectrumPtr s(NewSpectrum());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->start, 300);
    EXPECT_EQ(s->step, 5);
    EXPECT_EQ(s->count, 100);
    for (float v : s->values) {
        EXPECT_EQ(v, 0.0f);
    }
    FreeSpectrum(nullptr);

    const SpectrumPtr source = Make(400, 10, 3);
    source->values[99] = 42.5f;  // beyond count, copied all the same
    const SpectrumPtr destination(NewSpectrum());
    EXPECT_EQ(CopySpectrum(destination.get(), source.get()), destination.get());
    EXPECT_EQ(std::memcmp(destination.get(), source.get(), sizeof(Spectrum)), 0);
}

TEST(Spectra, FormatOfAStandardRecordKeepsItsValues) {
    const SpectrumPtr source = Make(300, 5, 100);
    const SpectrumPtr out(FormatSpectrum(source.get()));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(std::memcmp(out.get(), source.get(), sizeof(Spectrum)), 0);
}

TEST(Spectra, FormatInterpolatesOntoTheStandardGrid) {
    struct Case {
        int start, step, count;
    };
    for (const Case c : {Case{400, 10, 31}, Case{380, 20, 21}, Case{500, 5, 1}, Case{310, 15, 33}}) {
        SCOPED_TRACE(testing::Message() << c.start << "/" << c.step << "/" << c.count);
        const SpectrumPtr source = Make(c.start, c.step, c.count);
        const SpectrumPtr out(FormatSpectrum(source.get()));
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(out->start, 300);
        EXPECT_EQ(out->step, 5);
        EXPECT_EQ(out->count, 100);
        const int last = c.start + (c.count - 1) * c.step;
        for (int slot = 0; slot < kSpectrumSamples; ++slot) {
            const int nm = 300 + 5 * slot;
            if (nm < c.start || nm > last) {
                EXPECT_EQ(out->values[slot], 0.0f) << nm << " nm";
                continue;
            }
            const int i = (nm - c.start) / c.step;
            const int offset = (nm - c.start) % c.step;
            if (offset == 0) {
                EXPECT_EQ(out->values[slot], source->values[i]) << nm << " nm";  // samples exactly
            } else {
                const double expected = source->values[i] + static_cast<double>(offset) / c.step *
                                                                (source->values[i + 1] - source->values[i]);
                EXPECT_NEAR(out->values[slot], expected, kInterpolation) << nm << " nm";
            }
        }
    }
}

TEST(Spectra, FormatQuarterSteps) {
    const SpectrumPtr source = Make(380, 20, 21);
    const SpectrumPtr out(FormatSpectrum(source.get()));
    for (int i = 0; i < 20; ++i) {
        for (int m = 0; m < 4; ++m) {
            const float expected = source->values[i] + m * (source->values[i + 1] - source->values[i]) / 4;
            EXPECT_NEAR(out->values[16 + 4 * i + m], expected, kInterpolation);
        }
    }
    EXPECT_EQ(out->values[96], source->values[20]);  // 780 nm
    EXPECT_EQ(out->values[97], 0.0f);
}

TEST(Spectra, FormatRefusesRecordsOffTheGrid) {
    struct Case {
        int start, step, count;
    };
    const Case refused[] = {
        {300, 5, 0},  {300, 5, -1},  {300, 5, 101},
        {300, 0, 10}, {300, -5, 10}, {300, 7, 10},
        {302, 5, 10}, {-3, 5, 10},   {300, std::numeric_limits<int>::min(), 2},
    };
    for (const Case c : refused) {
        const SpectrumPtr source = Make(c.start, c.step, c.count);
        EXPECT_EQ(SpectrumPtr(FormatSpectrum(source.get())), nullptr)
            << c.start << "/" << c.step << "/" << c.count;
    }
}

TEST(Spectra, FormatDropsSamplesOutsideTheGrid) {
    struct Case {
        int start, step, count;
    };
    // Below 300 nm, beyond 795 nm, both, and steps far larger than the grid.
    const Case cases[] = {{280, 10, 20}, {700, 20, 10},     {-1000, 500, 5},
                          {250, 5, 100}, {500, 5 << 28, 3}, {std::numeric_limits<int>::max() - 2, 5, 100}};
    for (const Case c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << "/" << c.step << "/" << c.count);
        const SpectrumPtr source = Make(c.start, c.step, c.count);
        const SpectrumPtr out(FormatSpectrum(source.get()));
        ASSERT_NE(out, nullptr);
        const long long last = c.start + static_cast<long long>(c.count - 1) * c.step;
        for (int slot = 0; slot < kSpectrumSamples; ++slot) {
            const long long nm = 300 + 5 * slot;
            if (nm < c.start || nm > last) {
                EXPECT_EQ(out->values[slot], 0.0f) << nm;
            } else if ((nm - c.start) % c.step == 0) {
                EXPECT_EQ(out->values[slot], source->values[(nm - c.start) / c.step]) << nm;
            }
        }
    }
    // 280..470 nm in 10-nm steps: 300 nm is sample 2.
    const SpectrumPtr source = Make(280, 10, 20);
    const SpectrumPtr out(FormatSpectrum(source.get()));
    EXPECT_EQ(out->values[0], source->values[2]);
    EXPECT_EQ(out->values[Slot(470)], source->values[19]);
    EXPECT_EQ(out->values[Slot(475)], 0.0f);
}

TEST(Spectra, DeltaOverTheCommonRange) {
    const SpectrumPtr coarse = Make(400, 10, 31);
    const SpectrumPtr self(DeltaSpectrum(coarse.get(), coarse.get()));
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(self->start, 400);
    EXPECT_EQ(self->step, 5);
    EXPECT_EQ(self->count, 61);
    for (int i = 0; i < self->count; ++i) {
        EXPECT_EQ(self->values[i], 0.0f);
    }

    const SpectrumPtr standard = Make(300, 5, 100);
    const SpectrumPtr delta(DeltaSpectrum(standard.get(), coarse.get()));
    ASSERT_NE(delta, nullptr);
    EXPECT_EQ(delta->start, 400);
    EXPECT_EQ(delta->step, 5);
    EXPECT_EQ(delta->count, 61);
    const SpectrumPtr resampled(FormatSpectrum(coarse.get()));
    for (int i = 0; i < delta->count; ++i) {
        const int slot = Slot(400 + 5 * i);
        EXPECT_EQ(delta->values[i], resampled->values[slot] - standard->values[slot]) << 400 + 5 * i << " nm";
    }
}

TEST(Spectra, DeltaOutsideTheLimits) {
    // Ranges that do not meet give an empty difference.
    const SpectrumPtr low = Make(300, 10, 10);   // 300..390
    const SpectrumPtr high = Make(500, 10, 10);  // 500..590
    const SpectrumPtr apart(DeltaSpectrum(low.get(), high.get()));
    ASSERT_NE(apart, nullptr);
    EXPECT_EQ(apart->start, 500);
    EXPECT_EQ(apart->count, 0);

    // Ranges meeting at one wavelength give one sample.
    const SpectrumPtr touching = Make(390, 5, 3);
    const SpectrumPtr one(DeltaSpectrum(low.get(), touching.get()));
    EXPECT_EQ(one->start, 390);
    EXPECT_EQ(one->count, 1);
    EXPECT_EQ(one->values[0], touching->values[0] - low->values[9]);

    // A common range reaching below 300 or beyond 795 nm is cut to the grid.
    const SpectrumPtr wide = Make(200, 10, 80);  // 200..990
    const SpectrumPtr cut(DeltaSpectrum(wide.get(), wide.get()));
    EXPECT_EQ(cut->start, 300);
    EXPECT_EQ(cut->count, 100);

    // A side that cannot be resampled gives no result.
    const SpectrumPtr offGrid = Make(302, 5, 10);
    EXPECT_EQ(SpectrumPtr(DeltaSpectrum(offGrid.get(), low.get())), nullptr);
    EXPECT_EQ(SpectrumPtr(DeltaSpectrum(low.get(), offGrid.get())), nullptr);
}

TEST(Spectra, AbsorbedEnergy) {
    const struct {
        float value;
        int count;
        double absorbed;
    } rows[] = {{100, 100, 0.0}, {0, 100, 1.0}, {25, 100, 0.75}, {50, 1, 0.5}, {20, 1000, 0.8}};
    for (const auto& row : rows) {
        SpectrumPtr s(NewSpectrum());
        s->count = row.count;
        for (float& v : s->values) {
            v = row.value;
        }
        EXPECT_EQ(AbsorbedEnergySpectrum(s.get()), row.absorbed) << row.value << " x " << row.count;
    }
    // Only the first count values count.
    SpectrumPtr s(NewSpectrum());
    s->count = 2;
    s->values[0] = 100;
    s->values[1] = 50;
    s->values[2] = 1000;
    EXPECT_EQ(AbsorbedEnergySpectrum(s.get()), 0.25);
    s->count = 0;
    EXPECT_TRUE(std::isnan(AbsorbedEnergySpectrum(s.get())));
    s->count = -5;
    EXPECT_TRUE(std::isnan(AbsorbedEnergySpectrum(s.get())));
}

}  // namespace
