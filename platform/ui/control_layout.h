#pragma once

// Placement of controls and their labels on the panel, front-to-back order and tab order.
#include "platform/ui/ui_state.h"

namespace ui_detail {

// The style's size before width and height are set.
QSize DefaultControlSize(int style);
// Moves and sizes the control's widget and its label from the record's attributes.
void PlaceControl(ControlRecord& control);
// Restacks the panel's widgets so that zOrder's first control is in front.
void Restack(PanelRecord& panel);
void ApplyTabOrder(PanelRecord& panel);
// Moves `id` to `position` in `order`, shifting the ones from there on (positions stay 0..n-1).
void MoveInOrder(std::vector<int>& order, int id, int position);
// Whether setting the attribute can move, size, show or hide the control or its label (or
// change the size a text message takes from its text); others only need a repaint.
bool ChangesLayout(int attribute);
// Scales every control's place and size (and a table's rows and columns) by the factors, and
// its text and label sizes by the panel's smaller factor since its design, so that the panel
// looks like a smaller (or larger) copy. The scaled sizes are stored: they read back as shown.
void ScaleContents(PanelRecord& panel, double fx, double fy);
// Asks for a repaint of the control (coalesced).
void Repaint(ControlRecord& control);

}  // namespace ui_detail
