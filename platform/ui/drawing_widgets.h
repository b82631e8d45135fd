#pragma once

// Widgets of the controls whose drawing lives in the drawing modules; NewCtrl makes them
// for the picture (480), graph (441) and canvas (500) styles.
#include <QWidget>

namespace ui_detail {

QWidget* MakePictureWidget(QWidget* parent);
QWidget* MakeCanvasWidget(QWidget* parent);
QWidget* MakeGraphWidget(QWidget* parent);
// SetCtrlAttribute calls this after storing an attribute of such a control, so it can redraw.
void DrawingAttributeChanged(QWidget* widget, int attribute);

}  // namespace ui_detail
