#pragma once

// Widgets of the controls whose drawing lives in the drawing modules; NewCtrl makes them
// for the picture (480), graph (441) and canvas (500) styles.
#include <QWidget>
#include <optional>

#include "platform/ui/attr_value.h"

namespace ui_detail {

QWidget* MakePictureWidget(QWidget* parent);
QWidget* MakeCanvasWidget(QWidget* parent);
QWidget* MakeGraphWidget(QWidget* parent);
// SetCtrlAttribute calls this after storing an attribute of such a control, so it can redraw.
void DrawingAttributeChanged(QWidget* widget, int attribute);
// An attribute whose value the widget keeps itself, as it is now: a graph's y-axis name (1093),
// gain (1125) and offset (1127) are those of the y axis selected by 1149. Nothing for others.
std::optional<AttrValue> DrawingAttribute(const QWidget* widget, int attribute);

}  // namespace ui_detail
