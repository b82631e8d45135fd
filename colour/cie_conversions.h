#pragma once

#include "colour/color_triple.h"

// Conversions between the CIE representations. Each component is float32; the arithmetic
// runs in double and the results are rounded to float32 at fixed points, which are part of
// the results (e.g. L* of black is -2^-24, not 0).

// CIE 1976 L*a*b* of an XYZ colour against the reference white (same scale as the colour).
ColorTriple XYZ__Lab(ColorTriple xyz, ColorTriple white);
// XYZ on the white's scale of an L*a*b* colour.
ColorTriple Lab__XYZ(ColorTriple lab, ColorTriple white);
// Chromaticity (x, y, z); a zero sum returns the argument unchanged.
ColorTriple XYZ__xyz(ColorTriple xyz);
// XYZ with Y = 100 of a chromaticity; z is taken as given, not as 1 - x - y.
ColorTriple xyz__XYZ(ColorTriple xyz);
// (hue in degrees 0..360, L*, chroma).
ColorTriple Lab__HLC(ColorTriple lab);
// L*a*b* of (hue in degrees, L*, chroma); any hue is accepted.
ColorTriple HLC__Lab(ColorTriple hlc);
