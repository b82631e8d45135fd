#pragma once

// The main window's own pictures as bitmap texts (format 102), drawn by tools/draw_pictures;
// its logo is the program's (windows/logo_picture.h).

extern const char kHueWheelBitmapText[];   // hue wheel, 128 x 115
extern const char kLightnessBitmapText[];  // lightness scale, 32 x 256
