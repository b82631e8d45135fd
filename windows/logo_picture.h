#pragma once

// The program logo as a bitmap text (format 102), drawn by tools/draw_pictures; every window
// that shows the logo loads this one text.

extern const char kLogoBitmapText[];  // 60 x 60
