#include "platform/ui/bitmaps.h"

#include "platform/ui/bitmap_store.h"
#include "platform/ui/call_log.h"
#include "platform/ui/drawing_errors.h"
#include "platform/ui/text_image.h"

using namespace ui_detail;

int GetUserBitmapFromText(const char* text, int format, int* bitmap) {
    const int entered = EnterCall("GetUserBitmapFromText", {Arg(text), Arg(format)});
    if (bitmap) *bitmap = 0;
    if (entered < 0) return entered;
    if (!text || !bitmap) return kErrNullArgument;
    if (format != kBitmapTextFormat) return kErrBadFormat;
    auto image = ImageFromText(text);
    if (!image) return 0;
    *bitmap = StoreBitmap(std::move(*image));
    return 0;
}

int DiscardBitmap(int bitmap) {
    const int entered = EnterCall("DiscardBitmap", {Arg(bitmap)});
    if (entered < 0) return entered;
    return DropBitmap(bitmap) ? 0 : kErrBadBitmap;
}
