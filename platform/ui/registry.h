#pragma once

// What the drawing modules (pictures, canvas, graph, bitmaps of panels) need of the
// panel and control registry.
#include <QWidget>

#include "platform/ui/attr_value.h"

namespace ui_detail {

QWidget* PanelWidget(int panel);              // nullptr for an unknown panel
QWidget* ControlWidget(int panel, int ctrl);  // nullptr for an unknown control
int ControlStyle(int panel, int ctrl);        // -1 for an unknown control
// The value last set for an attribute of a control, or nullptr when never set.
const AttrValue* FindCtrlAttr(int panel, int ctrl, int attribute);

}  // namespace ui_detail
