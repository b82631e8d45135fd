#pragma once

// The colour detail window's own picture as a bitmap text (format 102), drawn by
// tools/draw_pictures.

extern const char kKelbrantBitmapText[];  // the maker's mark, 30 x 30
