#pragma once

#include <array>
#include <cstdint>

// The fifteen built-in RGB working spaces and the current one, which every conversion between
// XYZ and RGB reads. Single-threaded: only the user-interface thread changes it.

// Flag word of SetDefRgbParams.
constexpr std::uint16_t RGB_SET_GAMMA = 0x0001;
constexpr std::uint16_t RGB_SET_SLOPE = 0x0002;
constexpr std::uint16_t RGB_SET_THRESHOLD = 0x0004;
constexpr std::uint16_t RGB_SET_MATRIX = 0x0008;
// Join modes; exactly one of the three selects a join, none or several select none.
constexpr std::uint16_t RGB_PURE_POWER = 0x0100;
constexpr std::uint16_t RGB_SMOOTH_JOIN = 0x0200;
constexpr std::uint16_t RGB_CONTINUOUS_JOIN = 0x0400;
constexpr std::uint16_t RGB_BUILTIN_SPACE = 0x8000;

constexpr int kRgbSpaceCount = 15;
constexpr int kRgbSpaceSRGB = 10;

// One built-in working space. The matrix maps XYZ (white Y = 1) to linear RGB, row by row:
// R row, G row, B row, each with the coefficients of X, Y, Z. The curve encodes linear v as
// slope * v up to the threshold and (1 + offset) v^exponent - offset above it.
struct RgbSpace {
    const char* name;
    float exponent;
    float slope;
    float threshold;
    // Quoted with the space but never applied: the offset in force is derived so that the
    // two segments of the curve meet.
    float nominalOffset;
};

extern const std::array<RgbSpace, kRgbSpaceCount> rgbSpaces;
extern const std::array<std::array<double, 9>, kRgbSpaceCount> spaceMatrices;

// The current working space.
extern std::array<double, 9> xyzToRgb;  // XYZ -> linear RGB, row by row
extern std::array<double, 9> rgbToXyz;  // linear RGB -> XYZ, row by row (rows X, Y, Z)
extern float rgbGamma;                  // exponent of the power segment
extern float rgbSlope;                  // slope of the linear segment
extern float rgbThreshold;              // end of the linear segment, linear side
extern float rgbThresholdOut;           // the same point on the encoded side
extern float rgbOffset;                 // offset of the power segment
extern int actualRgbSpace;              // index of the current space

// The fifteen names in index order; stores 15 in *count when count is not null.
const char* const* GetSpaceList(int* count);
int GetActualRgbSpace();
// Selects built-in space 0..14. Returns 1 for any other index (nothing changes), else the
// result of SetDefRgbParams (0 for every built-in space).
int SetRgbSpace(int space);
// Sets what the flags name, in order matrix, exponent, slope, threshold, then derives the join.
// Returns 0, or at the first refused value 1 (matrix cannot be inverted), 2 (exponent <= 0),
// 3 (slope < 1) or 4 (threshold outside 0..1); what was set before the refusal stays set and
// no join is derived. `matrix` (nine doubles) is read only with RGB_SET_MATRIX.
int SetDefRgbParams(std::uint16_t flags, float exponent, float slope, float threshold, const double* matrix);
