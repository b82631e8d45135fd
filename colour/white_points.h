#pragma once

#include "colour/color_triple.h"

// Illuminant indices shared by the white points and the spectral power lookup.
enum IlluminantIndex : int {
    kIlluminantA = 0,
    kIlluminantC = 1,
    kIlluminantD50 = 2,
    kIlluminantD55 = 3,
    kIlluminantD65 = 4,
    kIlluminantD75 = 5,
    kIlluminantBluishWhite = 6,
    kIlluminantE = 7,
    kIlluminantF2 = 8,
    kIlluminantF7 = 9,
    kIlluminantF11 = 10,
};

// Observer flag: 0 is the CIE 1931 2-degree observer, any other value the CIE 1964 10-degree one.
constexpr int kObserver2Deg = 0;
constexpr int kObserver10Deg = 1;

// XYZ (Y = 100) of the white of illuminant 0..10; (-1, -1, -1) outside that range.
ColorTriple GetWhiteRef(int illuminant, int observer);
// Relative spectral power of illuminant 0..5 at 300..829 nm, linearly interpolated between the
// 5-nm rows; -1.0 outside those ranges.
float GetIlluminantRps(int illuminant, int nm);
