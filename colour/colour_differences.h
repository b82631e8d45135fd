#pragma once

#include "colour/color_triple.h"

// Colour differences between two L*a*b* colours: the reference first, the sample second.
// Intermediate quantities are rounded to float32 at fixed points (see the .cpp), so results
// match the legacy library to the last bit rather than a textbook double implementation.

// CIE 1976 Delta E*ab, returned at full double precision.
double DeltaE1976(ColorTriple reference, ColorTriple sample);
// CIE94 Delta E*94; a non-zero flag selects the textiles weights, zero the graphic-arts ones.
float DeltaE1994(int textiles, ColorTriple reference, ColorTriple sample);
// CMC(l:c); l and c must be non-zero. Weights come from the reference.
float DeltaECMC(float l, float c, ColorTriple reference, ColorTriple sample);
// CIEDE2000 with kL = kC = kH = 1.
float DeltaE2000(ColorTriple reference, ColorTriple sample);
