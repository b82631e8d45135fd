#include "platform/ui/drawing_widgets.h"

// Plain stand-ins until the drawing modules give these controls their own widgets.
namespace ui_detail {

QWidget* MakePictureWidget(QWidget* parent) { return new QWidget(parent); }
QWidget* MakeCanvasWidget(QWidget* parent) { return new QWidget(parent); }
QWidget* MakeGraphWidget(QWidget* parent) { return new QWidget(parent); }
void DrawingAttributeChanged(QWidget* widget, int) { widget->update(); }

}  // namespace ui_detail
