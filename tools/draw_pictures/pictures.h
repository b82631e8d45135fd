#pragma once

// The windows' pictures, drawn from the colour core in sRGB.
#include <QImage>

constexpr int kLogoWidth = 60;
constexpr int kLogoHeight = 60;
constexpr int kHueWheelWidth = 128;
constexpr int kHueWheelHeight = 115;
constexpr int kLightnessWidth = 32;
constexpr int kLightnessHeight = 256;
constexpr int kChartBackgroundSize = 512;
constexpr int kKelbrantWidth = 30;
constexpr int kKelbrantHeight = 30;

// Selects sRGB in the colour core; call once before drawing.
void SelectPictureColours();

// Program logo, 60 x 60.
QImage DrawLogo();
// Hue wheel, 128 x 115: hue h at angle h counter-clockwise from the right round the centre.
QImage DrawHueWheel();
// Lightness scale, 32 x 256, light at the top.
QImage DrawLightnessScale();
// The 3D chart canvas's ground, 512 x 512: light under the chart's name, then a quiet cool
// grey that light and dark dots alike stand out on.
QImage DrawChartBackground();
// The maker's mark for the colour detail window, 30 x 30.
QImage DrawKelbrantLogo();
