#pragma once

// The canvas control: a picture the program draws into. It keeps what was drawn in a
// backing image (also while hidden) and repaints from it; drawing calls only mark the widget
// for repainting, so a batch of calls costs one repaint.
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

#include "platform/ui/drawing_widget_base.h"

namespace ui_detail {

// The canvas's background when attribute 1291 was never set.
inline constexpr int kDefaultCanvasBackground = 0xFFFFFF;

class CanvasWidget : public DrawingWidget {
  public:
    explicit CanvasWidget(QWidget* parent);

    // The backing image takes the widget's size; new parts get the background colour.
    void FitBacking(std::optional<QColor> background);
    const QImage& Backing() const { return backing_; }

    // All coordinates are canvas pixels; the area is clipped to the canvas.
    void Fill(const QRect& area, std::optional<QColor> colour);  // nothing: transparent
    // A square dot `width` pixels wide centred on the point: x - width / 2 .. x + (width - 1) / 2.
    void DrawDot(QPoint centre, int width, QColor colour);
    void DrawLine(QPoint from, QPoint to, int width, QColor colour);
    void DrawImage(const QRect& target, const QImage& image, const QRect& source);
    // Text centred on the anchor (alignment 9) or with its top-left corner at it (any other).
    void DrawText(const QString& text, const QFont& font, QPoint anchor, int alignment, QColor colour,
                  std::optional<QColor> behind);

    // What the canvas shows: the drawing over whatever lies behind its transparent parts.
    QImage Shown();
    // Paint events handled so far: drawing calls between two event-loop turns cost one.
    int PaintCount() const { return paintCount_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage backing_;
    int paintCount_ = 0;
};

}  // namespace ui_detail
