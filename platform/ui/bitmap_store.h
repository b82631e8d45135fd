#pragma once

// The layer's bitmaps: handles (> 0) to images owned by the store until DiscardBitmap.
#include <QImage>

namespace ui_detail {

// Takes ownership of the image and returns its new handle (> 0).
int StoreBitmap(QImage image);
// The image behind a handle, or nullptr for 0, a discarded or an unknown handle.
const QImage* FindBitmap(int handle);
// Frees the handle; false when it was not a live handle.
bool DropBitmap(int handle);

}  // namespace ui_detail
