#pragma once

// The system clipboard, for images.

// Puts a copy of the bitmap on the clipboard as an image; 0 on success, negative on failure.
int ClipboardPutBitmap(int bitmap);
// A new bitmap of the image on the clipboard. With no image there: 0 with *bitmap 0 and
// *available 0. `available` may be null.
int ClipboardGetBitmap(int* bitmap, int* available);
