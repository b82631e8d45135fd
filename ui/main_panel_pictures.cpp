#include "ui/main_panel_pictures.h"

// Placeholder until tools/draw_pictures writes this file.
const char kLogoBitmapText[] = "";
const char kHueWheelBitmapText[] = "";
const char kLightnessBitmapText[] = "";
