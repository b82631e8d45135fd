#include "platform/ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/call_log.h"
#include "platform/ui/drawing_errors.h"

using namespace ui_detail;

namespace {
QClipboard* SystemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                        : nullptr;
}
}  // namespace

int ClipboardPutBitmap(int bitmap) {
    if (const int e = EnterCall("ClipboardPutBitmap", {Arg(bitmap)}); e < 0) return e;
    const QImage* image = FindBitmap(bitmap);
    if (!image) return kErrBadBitmap;
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return kErrNoClipboard;
    clipboard->setImage(*image);
    return 0;
}

int ClipboardGetBitmap(int* bitmap, int* available) {
    const int e = EnterCall("ClipboardGetBitmap");
    if (bitmap) *bitmap = 0;
    if (available) *available = 0;
    if (e < 0) return e;
    if (!bitmap) return kErrNullArgument;
    QClipboard* clipboard = SystemClipboard();
    if (!clipboard) return kErrNoClipboard;
    const QImage image = clipboard->image();
    if (image.isNull()) return 0;
    *bitmap = StoreBitmap(image);
    if (available) *available = 1;
    return 0;
}
