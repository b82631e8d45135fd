#include "platform/ui/picture_widget.h"

#include <QPainter>

namespace ui_detail {

QRect PictureWidget::ImageRect() const {
    if (image_.isNull()) return {};
    QSize size = image_.size();
    if (size.width() > width() || size.height() > height()) size.scale(this->size(), Qt::KeepAspectRatio);
    QRect box(QPoint(0, 0), size);
    // An odd leftover pixel goes right and down, so an image as large as the control sits at 0, 0.
    box.moveTo((width() - size.width()) / 2, (height() - size.height()) / 2);
    return box;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter painter(this);
    const QRect box = ImageRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, box.size() != image_.size());
    painter.drawImage(box, image_);
}

}  // namespace ui_detail
