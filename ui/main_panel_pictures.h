#pragma once

// The main window's pictures as bitmap texts (format 102), drawn by tools/draw_pictures.

extern const char kLogoBitmapText[];       // program logo, 60 x 60
extern const char kHueWheelBitmapText[];   // hue wheel, 128 x 115
extern const char kLightnessBitmapText[];  // lightness scale, 32 x 256
