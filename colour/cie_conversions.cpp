#include "colour/cie_conversions.h"

#include <cmath>

namespace {

// CIE 15 L*a*b* breakpoints as the legacy tables quote them: 0.008856 and 7.787 rather than
// 216/24389 and 841/108. On purpose: the two segments do not meet exactly, and the inverse
// uses the same constants so that white maps to white bit for bit.
constexpr double kLabThreshold = 0.008856;
constexpr double kLabSlope = 7.787;
constexpr double kLabOffset = 0.13793103448275862;            // 16/116
constexpr double kLabInverseThreshold = 0.20689303442296383;  // cbrt(0.008856)
constexpr double kOneThird = 0.3333333333333333;
constexpr double kPi = 3.141592653589793;

float LabF(float t) {
    const double f =
        t > kLabThreshold ? std::pow(static_cast<double>(t), kOneThird) : kLabSlope * t + kLabOffset;
    return static_cast<float>(f);
}

float LabFInverse(float f) {
    const double fd = f;
    const double g = fd > kLabInverseThreshold ? (fd * fd) * fd : (fd - kLabOffset) / kLabSlope;
    return static_cast<float>(g);
}

}  // namespace

// L* = 116 f(Y/Yn) - 16, a* = 500 (f(X/Xn) - f(Y/Yn)), b* = 200 (f(Y/Yn) - f(Z/Zn)).
ColorTriple XYZ__Lab(ColorTriple xyz, ColorTriple white) {
    const float tX = static_cast<float>(static_cast<double>(xyz.c1) / white.c1);
    const float tY = static_cast<float>(static_cast<double>(xyz.c2) / white.c2);
    const float tZ = static_cast<float>(static_cast<double>(xyz.c3) / white.c3);
    const float fX = LabF(tX);
    const float fY = LabF(tY);
    const float fZ = LabF(tZ);
    ColorTriple lab;
    lab.c1 = static_cast<float>(116.0 * fY - 16.0);
    lab.c2 = static_cast<float>(500.0 * (static_cast<double>(fX) - fY));
    lab.c3 = static_cast<float>(200.0 * (static_cast<double>(fY) - fZ));
    return lab;
}

ColorTriple Lab__XYZ(ColorTriple lab, ColorTriple white) {
    const float fY = static_cast<float>((static_cast<double>(lab.c1) + 16.0) / 116.0);
    const float fX = static_cast<float>(static_cast<double>(lab.c2) / 500.0 + fY);
    const float fZ = static_cast<float>(static_cast<double>(fY) - static_cast<double>(lab.c3) / 200.0);
    ColorTriple xyz;
    xyz.c1 = static_cast<float>(static_cast<double>(white.c1) * LabFInverse(fX));
    xyz.c2 = static_cast<float>(static_cast<double>(white.c2) * LabFInverse(fY));
    xyz.c3 = static_cast<float>(static_cast<double>(white.c3) * LabFInverse(fZ));
    return xyz;
}

ColorTriple XYZ__xyz(ColorTriple xyz) {
    const float s = static_cast<float>((static_cast<double>(xyz.c1) + xyz.c2) + xyz.c3);
    if (s == 0.0f) {
        return xyz;
    }
    ColorTriple out;
    out.c1 = static_cast<float>(static_cast<double>(xyz.c1) / s);
    out.c2 = static_cast<float>(static_cast<double>(xyz.c2) / s);
    out.c3 = static_cast<float>(static_cast<double>(xyz.c3) / s);
    return out;
}

ColorTriple xyz__XYZ(ColorTriple xyz) {
    const float k = static_cast<float>(100.0 / xyz.c2);
    ColorTriple out;
    out.c1 = static_cast<float>(static_cast<double>(xyz.c1) * k);
    out.c2 = 100.0f;
    out.c3 = static_cast<float>(static_cast<double>(xyz.c3) * k);
    return out;
}

ColorTriple Lab__HLC(ColorTriple lab) {
    const double a = lab.c2;
    const double b = lab.c3;
    const float c = static_cast<float>(std::sqrt(a * a + b * b));
    float h = static_cast<float>(std::atan2(b, a) * 180.0 / kPi);
    // -0.0 is not below zero and stays -0.0.
    if (h < 0.0f) {
        h = static_cast<float>(static_cast<double>(h) + 360.0);
    }
    return ColorTriple{h, lab.c1, c};
}

ColorTriple HLC__Lab(ColorTriple hlc) {
    const double r = kPi * hlc.c1 / 180.0;
    const double c = hlc.c3;
    return ColorTriple{hlc.c2, static_cast<float>(c * std::cos(r)), static_cast<float>(c * std::sin(r))};
}
