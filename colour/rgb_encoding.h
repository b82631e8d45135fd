#pragma once

#include "colour/color_triple.h"

// The last steps from XYZ to a colour on screen, in the current RGB working space, and back.
// No chromatic adaptation: the XYZ goes into the matrix as it is.

// Encoded RGB 0..255 (with fractions) of XYZ on the 0..100 scale; out-of-gamut channels are
// clipped one by one.
ColorTriple XYZ__RGB(ColorTriple xyz);
// XYZ (0..100) of encoded RGB 0..255; nothing is clamped.
ColorTriple RGB__XYZ(ColorTriple rgb);
// Packed 0xRRGGBB, each channel rounded half up.
int RGB__int(ColorTriple rgb);
// Packed HSV (H 0..239 on 40 per sextant, S and V 0..240) of a packed colour.
int RGB__HSV(int packedRgb);
// Packed colour of a packed HSV.
int HSV__RGB(int packedHsv);
