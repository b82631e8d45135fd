#pragma once

// The 3D chart window's canvas ground as a bitmap text (format 102), drawn by tools/draw_pictures.

extern const char kChartBackgroundBitmapText[];  // 512 x 512
