#include "platform/ui/canvas_widget.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace ui_detail {
namespace {
constexpr int kCentredAlignment = 9;
}

CanvasWidget::CanvasWidget(QWidget* parent) : DrawingWidget(parent) {}

void CanvasWidget::FitBacking(std::optional<QColor> background) {
    const QSize size = this->size().expandedTo(QSize(0, 0));
    if (backing_.size() == size && !backing_.isNull()) return;
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(background ? background->rgba() : qRgba(0, 0, 0, 0));
    if (!backing_.isNull()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, backing_);
    }
    backing_ = std::move(grown);
}

void CanvasWidget::Fill(const QRect& area, std::optional<QColor> colour) {
    const QRect clipped = area.intersected(backing_.rect());
    if (clipped.isEmpty()) return;
    const QRgb pixel = colour ? qPremultiply(colour->rgba()) : qRgba(0, 0, 0, 0);
    if (clipped == backing_.rect()) {
        backing_.fill(pixel);  // a whole clear, as each step of a slide drag makes
        update();
        return;
    }
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(backing_.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, pixel);
    }
    update();  // the whole canvas: a region of many small squares costs more than it saves
}

void CanvasWidget::DrawDot(QPoint centre, int width, QColor colour) {
    const int w = std::max(width, 1);
    // Written straight into the backing image: thousands of dots make one chart.
    Fill(QRect(centre.x() - w / 2, centre.y() - w / 2, w, w), colour);
}

void CanvasWidget::DrawLine(QPoint from, QPoint to, int width, QColor colour) {
    if (backing_.isNull()) return;
    QPainter painter(&backing_);
    // Square caps cover both end points, as a dot of the pen's width would.
    QPen pen(colour, std::max(width, 1), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    // Far-out ends are drawn in floating point, where their sums cannot overflow.
    constexpr int kNear = 1 << 24;
    const bool near =
        std::max({std::abs(static_cast<long long>(from.x())), std::abs(static_cast<long long>(from.y())),
                  std::abs(static_cast<long long>(to.x())), std::abs(static_cast<long long>(to.y()))}) <=
        kNear;
    if (!near) {
        painter.drawLine(QLineF(from, to));
    } else if (width <= 1) {
        painter.drawLine(from, to);
        painter.drawPoint(to);  // a one-pixel line ends on its last pixel
    } else {
        painter.drawLine(from, to);
    }
    update();
}

void CanvasWidget::DrawImage(const QRect& target, const QImage& image, const QRect& source) {
    if (backing_.isNull() || target.isEmpty() || source.isEmpty()) return;
    QPainter painter(&backing_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != source.size());
    painter.drawImage(target, image, source);
    update();
}

void CanvasWidget::DrawText(const QString& text, const QFont& font, QPoint anchor, int alignment,
                            QColor colour, std::optional<QColor> behind) {
    if (backing_.isNull() || text.isEmpty()) return;
    const QFontMetrics metrics(font);
    QRect box(QPoint(0, 0), QSize(metrics.horizontalAdvance(text), metrics.height()));
    if (alignment == kCentredAlignment)
        box.moveCenter(anchor);
    else
        box.moveTopLeft(anchor);
    QPainter painter(&backing_);
    if (behind) painter.fillRect(box, *behind);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
    update();
}

QImage CanvasWidget::Shown() {
    QImage shown(backing_.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    QPainter painter(&shown);
    // What lies behind the canvas is its panel's own background.
    if (QWidget* behind = parentWidget()) {
        behind->render(&painter, QPoint(0, 0), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    painter.drawImage(0, 0, backing_);
    painter.end();
    return shown.convertToFormat(QImage::Format_RGB32);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    ++paintCount_;
    QPainter painter(this);
    painter.drawImage(event->rect(), backing_, event->rect());
}

}  // namespace ui_detail
