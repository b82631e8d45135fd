#include <QPainter>
#include <string>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/bitmaps.h"
#include "platform/ui/call_log.h"
#include "platform/ui/canvas_widget.h"
#include "platform/ui/picture_widget.h"

using namespace ui_detail;

namespace {

constexpr int kCanvasBackground = 1291;

// A widget as it shows on screen: what lies behind it in its parent, then the widget and its
// visible children over that.
QImage RenderShown(QWidget* widget) {
    QImage image(widget->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (QWidget* parent = widget->parentWidget(); parent && !widget->isWindow())
        parent->render(&painter, QPoint(0, 0), QRegion(widget->geometry()), QWidget::DrawWindowBackground);
    widget->render(&painter, QPoint(0, 0), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int SetCtrlBitmap(int panel, int control, int imageId, int bitmap) {
    if (const int e = EnterCall("SetCtrlBitmap", {Arg(panel), Arg(control), Arg(imageId), Arg(bitmap)});
        e < 0)
        return e;
    PictureWidget* picture = nullptr;
    if (const int r = Resolve(panel, control, &picture); r < 0) return r;
    if (imageId != 0) return kErrOutOfRange;
    if (bitmap == 0) {
        picture->SetImage(QImage());
        return 0;
    }
    const QImage* image = FindBitmap(bitmap);
    if (!image) return kErrBadBitmap;
    picture->SetImage(image->copy());
    return 0;
}

int GetCtrlBitmap(int panel, int control, int imageId, int* bitmap) {
    const int e = EnterCall("GetCtrlBitmap", {Arg(panel), Arg(control), Arg(imageId)});
    if (bitmap) *bitmap = 0;
    if (e < 0) return e;
    if (!bitmap) return kErrNullArgument;
    DrawingWidget* widget = nullptr;
    if (const int r = Resolve(panel, control, &widget); r < 0) {
        // Controls that are not drawing widgets are taken as they are rendered.
        if (r != kErrWrongControlStyle) return r;
        QWidget* plain = ControlWidget(panel, control);
        *bitmap = StoreBitmap(RenderShown(plain));
        return 0;
    }
    if (imageId != 0) return kErrOutOfRange;
    if (auto* picture = dynamic_cast<PictureWidget*>(widget)) {
        if (!picture->Image().isNull()) *bitmap = StoreBitmap(picture->Image().copy());
        return 0;
    }
    if (auto* canvas = dynamic_cast<CanvasWidget*>(widget)) {
        canvas->FitBacking(
            PackedColour(IntAttr(panel, control, kCanvasBackground, kDefaultCanvasBackground)));
        *bitmap = StoreBitmap(canvas->Shown());
        return 0;
    }
    *bitmap = StoreBitmap(RenderShown(widget));
    return 0;
}

int GetPanelDisplayBitmap(int panel, int scope, Rect area, int* bitmap) {
    const int e = EnterCall("GetPanelDisplayBitmap", {Arg(panel), Arg(scope), Arg(area)});
    if (bitmap) *bitmap = 0;
    if (e < 0) return e;
    if (!bitmap) return kErrNullArgument;
    QWidget* widget = PanelWidget(panel);
    if (!widget) return kErrNoSuchPanel;
    if (scope != 0 && scope != 1) return kErrOutOfRange;
    if (area.height < -1 || area.width < -1 || area.top < 0 || area.left < 0) return kErrOutOfRange;
    const QImage whole = RenderShown(widget);
    if (area.top >= whole.height() || area.left >= whole.width()) return kErrOutOfRange;
    // Cut to the panel before the rectangle is made: a caller's size may be any int.
    const int height =
        area.height == -1 ? whole.height() - area.top : std::min(area.height, whole.height() - area.top);
    const int width =
        area.width == -1 ? whole.width() - area.left : std::min(area.width, whole.width() - area.left);
    const QRect part(area.left, area.top, width, height);
    if (part.isEmpty()) return kErrOutOfRange;
    *bitmap = StoreBitmap(whole.copy(part));
    return 0;
}
