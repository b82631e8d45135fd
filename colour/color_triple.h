#pragma once

// Three float32 components whose meaning the function that takes or makes them gives:
// XYZ, chromaticity xyz, L*a*b*, HLC (hue, lightness, chroma), RGB 0..255 or
// colour-matching values. Passed and returned by value; owns nothing.
struct ColorTriple {
    float c1 = 0.0f;
    float c2 = 0.0f;
    float c3 = 0.0f;
};
