#include "platform/ui/canvas.h"

#include <QApplication>
#include <QFont>
#include <algorithm>
#include <cstdlib>
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
constexpr long long kAreaBound = 1LL << 24;

// The canvas, bound and with its backing image fitted to its size.
int Canvas(int panel, int control, CanvasWidget** canvas) {
    if (const int r = Resolve(panel, control, canvas); r < 0) return r;
    (*canvas)->FitBacking(
        PackedColour(IntAttr(panel, control, ATTR_CANVAS_BACKGROUND, kDefaultCanvasBackground)));
    return 0;
}

// A rectangle of an area `bounds` wide and high; -1 reaches to the edge. Nothing for others
// below 0. A caller's rectangle may hold any int: the sums are taken in 64 bits and the result
// bounded, so the rectangle never overflows (drawing clips it to the canvas anyway).
std::optional<QRect> Area(Rect r, QSize bounds) {
    if (r.height < -1 || r.width < -1) return std::nullopt;
    const auto bounded = [](long long v) { return std::clamp(v, -kAreaBound, kAreaBound); };
    const long long top = bounded(r.top), left = bounded(r.left);
    const long long bottom =
        bounded(r.height == -1 ? bounds.height() : static_cast<long long>(r.top) + r.height);
    const long long right =
        bounded(r.width == -1 ? bounds.width() : static_cast<long long>(r.left) + r.width);
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(std::max(right - left, 0LL)),
                 static_cast<int>(std::max(bottom - top, 0LL)));
}

// A point this far out can show nothing of a dot or a text on any canvas; lines still draw
// their visible part.
bool Near(Point p) {
    return std::abs(static_cast<long long>(p.x)) <= kAreaBound &&
           std::abs(static_cast<long long>(p.y)) <= kAreaBound;
}

// The pen width, bounded like areas so that a dot's square never overflows.
int PenWidth(int panel, int control) {
    return static_cast<int>(
        std::clamp<long long>(IntAttr(panel, control, ATTR_PEN_WIDTH, kDefaultPenWidth), 1, kAreaBound));
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
    if (const int e = EnterCall("CanvasClear", {Arg(panel), Arg(control), Arg(area)}); e < 0) return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    const auto rect = Area(area, canvas->Backing().size());
    if (!rect) return kErrOutOfRange;
    canvas->Fill(*rect,
                 PackedColour(IntAttr(panel, control, ATTR_CANVAS_BACKGROUND, kDefaultCanvasBackground)));
    return 0;
}

int CanvasDrawBitmap(int panel, int control, int bitmap, Rect source, Rect destination) {
    if (const int e = EnterCall("CanvasDrawBitmap",
                                {Arg(panel), Arg(control), Arg(bitmap), Arg(source), Arg(destination)});
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
    if (const int e = EnterCall("CanvasDrawLine", {Arg(panel), Arg(control), Arg(start), Arg(end)}); e < 0)
        return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawLine({start.x, start.y}, {end.x, end.y}, PenWidth(panel, control), *colour);
    return 0;
}

int CanvasDrawPoint(int panel, int control, Point point) {
    if (const int e = EnterCall("CanvasDrawPoint", {Arg(panel), Arg(control), Arg(point)}); e < 0) return e;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (!Near(point)) return 0;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawDot({point.x, point.y}, PenWidth(panel, control), *colour);
    return 0;
}

int CanvasDrawTextAtPoint(int panel, int control, const char* text, const char* font, Point anchor,
                          int alignment) {
    if (const int e = EnterCall("CanvasDrawTextAtPoint", {Arg(panel), Arg(control), Arg(text), Arg(font),
                                                          Arg(anchor), Arg(alignment)});
        e < 0)
        return e;
    if (!text || !font) return kErrNullArgument;
    CanvasWidget* canvas = nullptr;
    if (const int r = Canvas(panel, control, &canvas); r < 0) return r;
    if (!Near(anchor)) return 0;
    if (auto colour = PackedColour(IntAttr(panel, control, ATTR_PEN_COLOR, kDefaultPenColour)))
        canvas->DrawText(QString::fromUtf8(text), CanvasFont(font), {anchor.x, anchor.y}, alignment, *colour,
                         PackedColour(IntAttr(panel, control, ATTR_PEN_FILL_COLOR, kDefaultPenFillColour)));
    return 0;
}
