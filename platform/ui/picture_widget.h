#pragma once

// The picture control: shows its own copy of an image, centred; an image larger than the
// control is scaled down to fit, keeping its proportions.
#include <QImage>

#include "platform/ui/drawing_widget_base.h"

namespace ui_detail {

class PictureWidget : public DrawingWidget {
  public:
    explicit PictureWidget(QWidget* parent) : DrawingWidget(parent) {}
    void SetImage(QImage image) {
        image_ = std::move(image);
        update();
    }
    const QImage& Image() const { return image_; }
    // Where the image is drawn, in widget pixels.
    QRect ImageRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

}  // namespace ui_detail
