#include "platform/ui/canvas.h"

#include <QApplication>
#include <QFont>
#include <string>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/call_log.h"
#include "platform/ui/canvas_widget.h"

using namespace ui_detail;

namespace {

constexpr int kDefaultPenColour = 0x000000;
constexpr int kDefaultPenFillColour = 0xFFFFFF;
constexpr int kDefaultPenWidth = 1;
constexpr int kMetaFontPixels = 13;

std::string PointArg(Point p) {
    return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
}
std::string RectArg(Rect r) {
    return "(" + std::to_string(r.top) + "," + std::to_string(r.left) + "," + std::to_string(r.height) + "," +
           std::to_string(r.width) + ")";
}

// The canvas, bound and with its backing image fitted to its size.
int Canvas(int panel, int control, CanvasWidget** canvas) {
    if (const int r = Resolve(panel, control, canvas); r < 0) return r;
    (*canvas)->FitBacking(
        PackedColour(IntAttr(panel, control, ATTR_CANVAS_BACKGROUND, kDefaultCanvasBackground)));
    return 0;
}

// A rectangle of an area `bounds` wide and high; -1 reaches to the edge. Nothing for others below 0.
std::optional<QRect> Area(Rect r, QSize bounds) {
    if (r.height < -1 || r.width < -1) return std::nullopt;
    const int height = r.height == -1 ? bounds.height() - r.top : r.height;
    const int width = r.width == -1 ? bounds.width() - r.left : r.width;
    return QRect(r.left, r.top, std::max(width, 0), std::max(height, 0));
}

QFont CanvasFont(const char* name) {
    QFont font = QApplication::font();
    const std::string family = name ? name : "";
    // The platform's meta fonts stand for the desktop's own font.
    if (!family.empty() && family.rfind("NI", 0) != 0) font.setFamily(QString::fromStdString(family));
    font.setPixelSize(kMetaFontPixels);
    // Text in exactly the pen colour, as dots and lines are.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

int CanvasClear(int panel, int control, Rect area) {
    if (const int e = EnterCall("CanvasClear", {Arg(panel), Arg(control), RectArg(area)}); e < 0) return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    const auto rect = Area(area, canvas->Backing().size());
    if (!rect) return kErrOutOfRange;
    canvas->Fill(*rect,
                 PackedColour(IntAttr(panel, control, ATTR_CANVAS_BACKGROUND, kDefaultCanvasBackground)));
    return 0;
}

int CanvasDrawBitmap(int panel, int control, int bitmap, Rect source, Rect destination) {
    if (const int e = EnterCall("CanvasDrawBitmap", {Arg(panel), Arg(control), Arg(bitmap), RectArg(source),
                                                     RectArg(destination)});
        e < 0)
        return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    const QImage* image = FindBitmap(bitmap);
    if (!image) return kErrBadBitmap;
    const auto from = Area(source, image->size());
    const auto to = Area(destination, canvas->Backing().size());
    if (!from || !to) return kErrOutOfRange;
    canvas->DrawImage(*to, *image, from->intersected(image->rect()));
    return 0;
}

int CanvasDrawLine(int panel, int control, Point start, Point end) {
    if (const int e = EnterCall("CanvasDrawLine", {Arg(panel), Arg(control), PointArg(start), PointArg(end)});
        e < 0)
        return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawLine({start.x, start.y}, {end.x, end.y},
                         IntAttr(panel, control, ATTR_PEN_WIDTH, kDefaultPenWidth), *colour);
    return 0;
}

int CanvasDrawPoint(int panel, int control, Point point) {
    if (const int e = EnterCall("CanvasDrawPoint", {Arg(panel), Arg(control), PointArg(point)}); e < 0)
        return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawDot({point.x, point.y}, IntAttr(panel, control, ATTR_PEN_WIDTH, kDefaultPenWidth),
                        *colour);
    return 0;
}

int CanvasDrawTextAtPoint(int panel, int control, const char* text, const char* font, Point anchor,
                          int alignment) {
    if (const int e = EnterCall("CanvasDrawTextAtPoint", {Arg(panel), Arg(control), Arg(text), Arg(font),
                                                          PointArg(anchor), Arg(alignment)});
        e < 0)
        return e;
    if (!text || !font) return kErrNullArgument;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawText(QString::fromUtf8(text), CanvasFont(font), {anchor.x, anchor.y}, alignment, *colour,
                         PackedColour(IntAttr(panel, control, ATTR_PEN_FILL_COLOR, kDefaultPenFillColour)));
    return 0;
}
