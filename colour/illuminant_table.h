#pragma once

#include <array>
#include <cstdint>

// One row of the illuminant spectral power table: the wavelength and the relative power of
// A, C, D50, D55, D65 and D75 (the Illuminant indices 0..5).
struct IlluminantPowerRow {
    std::int32_t nm;
    float power[6];
};

// 300..830 nm in 5-nm steps.
constexpr int kIlluminantRows = 107;
extern const std::array<IlluminantPowerRow, kIlluminantRows> cierps;
