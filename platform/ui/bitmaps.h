#pragma once

// Bitmaps of the user-interface layer: integer handles (> 0) to images owned by the layer
// until DiscardBitmap. Every function returns 0 (or a handle) on success and a negative
// code on failure; on failure an output handle is set to 0.
#include "platform/ui/tables.h"

// The one image text format the layer reads: base64 of a PNG (see text_image.h).
inline constexpr int kBitmapTextFormat = 102;

// Makes a bitmap from an image text. A text that stands for no image is no failure:
// the result is 0 and *bitmap is 0.
int GetUserBitmapFromText(const char* text, int format, int* bitmap);
// Frees a bitmap; a negative result for 0 or a handle that is not live.
int DiscardBitmap(int bitmap);
// Gives a picture control its own copy of the bitmap (0 removes its image). imageId must be 0.
int SetCtrlBitmap(int panel, int control, int imageId, int bitmap);
// A new bitmap of what a control shows: a picture's image, a canvas's drawing, any other
// control as rendered. The caller frees it with DiscardBitmap.
int GetCtrlBitmap(int panel, int control, int imageId, int* bitmap);
// A new bitmap of a panel's client area as it is displayed: its controls as they are drawn,
// hidden controls left out, also while the panel itself is hidden. `area` picks a part of
// it (MakeRect(0, 0, -1, -1) for the whole). Scope 0 and 1 both take the client area.
int GetPanelDisplayBitmap(int panel, int scope, Rect area, int* bitmap);
