#include "colour/rgb_spaces.h"

#include <algorithm>
#include <cmath>

#include "platform/analysis/inv_matrix.h"

// name, exponent, slope, threshold, nominal offset.
constexpr std::array<RgbSpace, kRgbSpaceCount> rgbSpaces = {{
    {"Adobe", 0.445f, 1.0f, 0.0f, 0.0f},
    {"APPLE", 0.556f, 1.0f, 0.0f, 0.0f},
    {"CIE", 0.455f, 1.0f, 0.0f, 0.0f},
    {"ColorMatch", 0.556f, 1.0f, 0.0f, 0.0f},
    {"HDTV", 0.45f, 4.5f, 0.018f, 0.099f},
    {"NTSC", 0.45f, 4.5f, 0.018f, 0.099f},
    {"PAL_SECAM", 0.45f, 4.5f, 0.018f, 0.099f},
    {"CGI", 0.68f, 1.0f, 0.0f, 0.0f},
    {"SMPTE_240M", 0.45f, 4.0f, 0.023f, 0.112f},
    {"SMPTE_C", 0.45f, 4.5f, 0.018f, 0.099f},
    {"sRGB", 0.41666666f, 12.92f, 0.00304f, 0.055f},
    {"Wide_Gammut", 0.455f, 1.0f, 0.0f, 0.0f},
    {"sRGB_no_gamma", 1.0f, 1.0f, 0.0f, 0.0f},
    {"Generic LCD", 0.45454547f, 1.0f, 0.0f, 0.0f},
    {"Adobe98", 0.45454547f, 1.0f, 0.0f, 0.0f},
}};

// XYZ -> linear RGB, R row, G row, B row. The legacy values, rounded as published (so APPLE
// and CGI, SMPTE_240M and SMPTE_C share a matrix, and sRGB_no_gamma differs from sRGB).
constexpr std::array<std::array<double, 9>, kRgbSpaceCount> spaceMatrices = {{
    {2.0414, -0.5649, -0.3447, -0.9693, 1.876, 0.0416, 0.0134, -0.1184, 1.0154},
    {2.9516, -1.2894, -0.4738, -1.0851, 1.9909, 0.0372, 0.0855, -0.2695, 1.0913},
    {2.3707, -0.9001, -0.4706, -0.5139, 1.4253, 0.0886, 0.0053, -0.0147, 1.0094},
    {2.6423, -1.2334, -0.393, -1.112, 2.059, 0.016, 0.0822, -0.2807, 1.456},
    {3.2445, -1.5371, -0.4985, -0.9693, 1.876, 0.0416, 0.0556, -0.204, 1.0572},
    {1.981742, -0.592587, -0.29693, -1.024457, 2.089737, -0.071956, 0.050158, -0.099136, 0.888392},
    {3.0629, -1.3932, -0.4758, -0.9693, 1.876, 0.0416, 0.0679, -0.2289, 1.0694},
    {2.9516, -1.2894, -0.4738, -1.0851, 1.9909, 0.0372, 0.0855, -0.2695, 1.0913},
    {3.5054, -1.7395, -0.544, -1.0691, 1.9778, 0.0352, 0.0563, -0.197, 1.0502},
    {3.5054, -1.7395, -0.544, -1.0691, 1.9778, 0.0352, 0.0563, -0.197, 1.0502},
    {3.2406, -1.5374, -0.4986, -0.9692, 1.876, 0.0416, 0.0556, -0.204, 1.057},
    {1.4625, -0.1845, -0.2734, -0.5228, 1.4479, 0.0681, 0.0346, -0.0958, 1.2875},
    {3.2406, -1.5372, -0.4986, -0.9689, 1.8758, 0.0415, 0.0557, -0.204, 1.057},
    {5.040369, -2.918877, -0.800708, -1.770391, 2.955363, -0.250412, 0.034873, -0.287693, 1.152187},
    {2.04148, -0.564977, -0.344713, -0.969258, 1.87599, 0.0415557, 0.0134455, -0.118373, 1.01527},
}};

namespace {

// The ring lists these names; constant-initialised so that it is usable at any time.
constexpr std::array<const char*, kRgbSpaceCount> spaceList = [] {
    std::array<const char*, kRgbSpaceCount> names{};
    for (int i = 0; i < kRgbSpaceCount; ++i) {
        names[i] = rgbSpaces[i].name;
    }
    return names;
}();

constexpr std::uint16_t kJoinMask = RGB_PURE_POWER | RGB_SMOOTH_JOIN | RGB_CONTINUOUS_JOIN;

}  // namespace

// Until a space is selected: the sRGB matrix, a plain 1/2.4 power curve and the four-decimal
// inverse that the legacy code started with.
std::array<double, 9> xyzToRgb = spaceMatrices[kRgbSpaceSRGB];
std::array<double, 9> rgbToXyz = {0.4124, 0.3576, 0.1805, 0.2127, 0.7152, 0.0722, 0.0193, 0.1192, 0.9505};
float rgbGamma = 0.41666666f;
float rgbSlope = 1.0f;
float rgbThreshold = 0.0f;
float rgbThresholdOut = 0.0f;
float rgbOffset = 0.0f;
int actualRgbSpace = kRgbSpaceSRGB;

const char* const* GetSpaceList(int* count) {
    if (count != nullptr) {
        *count = kRgbSpaceCount;
    }
    return spaceList.data();
}

int GetActualRgbSpace() {
    return actualRgbSpace;
}

int SetRgbSpace(int space) {
    int count = 0;
    GetSpaceList(&count);
    if (space < 0 || space >= count) {
        return 1;
    }
    const RgbSpace& row = rgbSpaces[space];
    actualRgbSpace = space;
    return SetDefRgbParams(RGB_SET_GAMMA | RGB_SET_SLOPE | RGB_SET_THRESHOLD | RGB_SET_MATRIX |
                               RGB_CONTINUOUS_JOIN | RGB_BUILTIN_SPACE,
                           row.exponent, row.slope, row.threshold, spaceMatrices[space].data());
}

int SetDefRgbParams(std::uint16_t flags, float exponent, float slope, float threshold, const double* matrix) {
    if (flags & RGB_SET_MATRIX) {
        std::array<double, 9> inverse{};
        if (matrix == nullptr || InvMatrix(matrix, 3, inverse.data()) != kInvMatrixOk) {
            return 1;
        }
        std::copy(matrix, matrix + 9, xyzToRgb.begin());
        rgbToXyz = inverse;
    }
    // Written as "not accepted" so that NaN is refused too.
    if (flags & RGB_SET_GAMMA) {
        if (!(exponent > 0.0f)) {
            return 2;
        }
        rgbGamma = exponent;
    }
    if (flags & RGB_SET_SLOPE) {
        if (!(slope >= 1.0f)) {
            return 3;
        }
        rgbSlope = slope;
    }
    if (flags & RGB_SET_THRESHOLD) {
        if (!(threshold >= 0.0f && threshold <= 1.0f)) {
            return 4;
        }
        rgbThreshold = threshold;
    }

    const double g = exponent;
    const double s = slope;
    const double t = threshold;
    const double p = std::pow(t, g);
    switch (flags & kJoinMask) {
        case RGB_PURE_POWER:
            rgbSlope = 1.0f;
            rgbOffset = 0.0f;
            rgbThresholdOut = 0.0f;
            rgbThreshold = 0.0f;
            break;
        case RGB_SMOOTH_JOIN: {
            // Equal value and derivative at t. Degenerate at t = 0 or g = 1 (and for arguments
            // that are not numbers): then nothing is derived rather than storing inf or NaN.
            const double a = 1.0 / (1.0 / ((1.0 - g) * p) - 1.0);
            const float newSlope = static_cast<float>(g * (a + 1.0) * p / t);
            const double out = static_cast<double>(newSlope) * t;
            if (std::isfinite(a) && std::isfinite(newSlope) && std::isfinite(out)) {
                rgbOffset = static_cast<float>(a);
                rgbSlope = newSlope;
                rgbThresholdOut = static_cast<float>(out);
            }
            break;
        }
        case RGB_CONTINUOUS_JOIN: {
            // Equal value at t. Degenerate when t^g = 1 (t = 1, or g = 0 without RGB_SET_GAMMA).
            const double a = (s * t - p) / (p - 1.0);
            const double out = s * t;
            if (std::isfinite(a) && std::isfinite(out)) {
                rgbOffset = static_cast<float>(a);
                rgbThresholdOut = static_cast<float>(out);
            }
            break;
        }
        default:
            break;
    }
    return 0;
}
