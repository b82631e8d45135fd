#include "colour/rgb_encoding.h"

#include <cmath>

#include "colour/rgb_spaces.h"

namespace {

float Store(double v) {
    return static_cast<float>(v);
}

// Linear channel 0..1 to encoded 0..255: linear segment up to the threshold (every negative
// value and, with a threshold of 0, zero itself), power segment above; then clipped.
float Encode(float v) {
    if (v > rgbThreshold) {
        v = Store(std::pow(static_cast<double>(v), static_cast<double>(rgbGamma)) *
                      (static_cast<double>(rgbOffset) + 1.0) -
                  rgbOffset);
    } else {
        v = Store(static_cast<double>(v) * rgbSlope);
    }
    if (v < 0.0f) {
        return 0.0f;
    }
    v = Store(static_cast<double>(v) * 255.0);
    return v > 255.0f ? 255.0f : v;
}

float Decode(float e) {
    if (e > rgbThresholdOut) {
        return Store(std::pow((static_cast<double>(e) + rgbOffset) / (static_cast<double>(rgbOffset) + 1.0),
                              1.0 / static_cast<double>(rgbGamma)));
    }
    return Store(static_cast<double>(e) / rgbSlope);
}

ColorTriple Multiply(const std::array<double, 9>& m, ColorTriple v) {
    const double a = v.c1;
    const double b = v.c2;
    const double c = v.c3;
    return {Store((m[0] * a + m[1] * b) + m[2] * c), Store((m[3] * a + m[4] * b) + m[5] * c),
            Store((m[6] * a + m[7] * b) + m[8] * c)};
}

// The packed fields are 8 bits: a channel outside 0..255 (or not a number) would spill into
// its neighbour or overflow the conversion to int, so it is held at the nearest end.
int Channel(double v) {
    if (!(v >= 0.0)) {
        return 0;
    }
    return v >= 255.0 ? 255 : static_cast<int>(v);
}

int Pack(int r, int g, int b) {
    return (r * 65536) + (g * 256) + b;
}

}  // namespace

ColorTriple XYZ__RGB(ColorTriple xyz) {
    const ColorTriple scaled{Store(xyz.c1 / 100.0), Store(xyz.c2 / 100.0), Store(xyz.c3 / 100.0)};
    const ColorTriple linear = Multiply(xyzToRgb, scaled);
    const float r = Encode(linear.c1);
    const float g = Encode(linear.c2);
    const float b = Encode(linear.c3);
    return {r, g, b};
}

ColorTriple RGB__XYZ(ColorTriple rgb) {
    const float r = Decode(Store(rgb.c1 / 255.0));
    const float g = Decode(Store(rgb.c2 / 255.0));
    const float b = Decode(Store(rgb.c3 / 255.0));
    const ColorTriple xyz = Multiply(rgbToXyz, {r, g, b});
    return {Store(xyz.c1 * 100.0), Store(xyz.c2 * 100.0), Store(xyz.c3 * 100.0)};
}

int RGB__int(ColorTriple rgb) {
    return Pack(Channel(rgb.c1 + 0.5), Channel(rgb.c2 + 0.5), Channel(rgb.c3 + 0.5));
}

// Hexcone HSV on the 0..240 scale of the legacy colour dialogs.
int RGB__HSV(int packedRgb) {
    const double r = ((packedRgb >> 16) & 255) / 255.0;
    const double g = ((packedRgb >> 8) & 255) / 255.0;
    const double b = (packedRgb & 255) / 255.0;
    const double max = std::fmax(r, std::fmax(g, b));
    const double min = std::fmin(r, std::fmin(g, b));
    const int v = static_cast<int>(240.0 * max);
    if (max == min) {
        return v;
    }
    const double d = max - min;
    // Red is tested first, then green: at a tie the formulas differ by one after truncation.
    int h;
    if (r == max) {
        h = static_cast<int>((40.0 * (g - b)) / d);
    } else if (g == max) {
        h = static_cast<int>((40.0 * (b - r)) / d + 80.0);
    } else {
        h = static_cast<int>((40.0 * (r - g)) / d + 160.0);
    }
    if (h < 0) {
        h += 240;
    }
    h %= 240;
    const int s = static_cast<int>(240.0 * (d / max));
    return (h * 65536) + (s * 256) + v;
}

int HSV__RGB(int packedHsv) {
    const double h = ((packedHsv >> 16) & 255) / 40.0;
    const double s = ((packedHsv >> 8) & 255) / 240.0;
    const double v = 255.0 * ((packedHsv & 255) / 240.0);
    if (s == 0.0) {
        const int grey = Channel(v);
        return Pack(grey, grey, grey);
    }
    // H 240..255 would give a seventh sextant: it continues round the circle from red.
    const int i = static_cast<int>(h);
    const double f = h - i;
    const double p = v * (1.0 - s);
    const double q = v * (1.0 - f * s);
    const double t = v * (1.0 - (1.0 - f) * s);
    // S or V above 240 can take a channel outside 0..255; Channel holds it in its field.
    switch (i % 6) {
        case 0:
            return Pack(Channel(v), Channel(t), Channel(p));
        case 1:
            return Pack(Channel(q), Channel(v), Channel(p));
        case 2:
            return Pack(Channel(p), Channel(v), Channel(t));
        case 3:
            return Pack(Channel(p), Channel(q), Channel(v));
        case 4:
            return Pack(Channel(t), Channel(p), Channel(v));
        default:
            return Pack(Channel(v), Channel(p), Channel(q));
    }
}
