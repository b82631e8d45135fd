#pragma once

#include "colour/color_triple.h"

// One colour of the RAL Design System: its code "HHH LL CC" (hue number, lightness, chroma;
// nine visible characters, NUL-padded) and its CIE L*a*b* values, rounded to 3 decimals.
struct RalDesignColor {
    char code[12];
    float L;
    float a;
    float b;
};

// Number of records of the built-in table: 39 hue pages and the grey page.
inline constexpr int kRalDesignCount = 1688;

// The built-in table, read-only, in page order (hue pages 010..360, then the greys). Stores
// the record count into *count, which must be valid.
const RalDesignColor* GetRalDesignDataAddress(int* count);

// Nearest multiple of 5; a remainder of exactly 2.5 goes down, negative values go toward zero.
// Values whose fifth is not a number or lies beyond the int range saturate (NaN gives 0).
int RoundTo5(float v);

// Code of the grid point nearest to (hue, L*, C*), each rounded to a step of 5, without
// consulting the table. Returns a static buffer that the next call overwrites. Numbers that
// would need more than three characters are clipped to -99..999 so the code always fits.
const char* HLC__RalDesign(ColorTriple hlc);

// The table record nearest to (hue, L*, C*) by the CMC(2:1) difference, the query being the
// reference; the first of equal records wins. A query that no record comes strictly closer
// to than 1e38 (NaN or infinite components) keeps the previous result: null at first.
const RalDesignColor* HLC__TrueRalDesign(ColorTriple hlc);
