#pragma once

#include <gtest/gtest.h>

#include "colour/rgb_spaces.h"

// Saves the current RGB working space before a test and puts it back afterwards, so that tests
// that select spaces leave the next test the starting state.
class RgbStateTest : public testing::Test {
  protected:
    void SetUp() override { saved_ = Capture(); }
    void TearDown() override {
        xyzToRgb = saved_.xyzToRgb;
        rgbToXyz = saved_.rgbToXyz;
        rgbGamma = saved_.gamma;
        rgbSlope = saved_.slope;
        rgbThreshold = saved_.threshold;
        rgbThresholdOut = saved_.thresholdOut;
        rgbOffset = saved_.offset;
        actualRgbSpace = saved_.space;
    }

    struct State {
        std::array<double, 9> xyzToRgb;
        std::array<double, 9> rgbToXyz;
        float gamma, slope, threshold, thresholdOut, offset;
        int space;
        bool operator==(const State&) const = default;
    };
    static State Capture() {
        return {xyzToRgb,     rgbToXyz,        rgbGamma,  rgbSlope,
                rgbThreshold, rgbThresholdOut, rgbOffset, actualRgbSpace};
    }

  private:
    State saved_{};
};
