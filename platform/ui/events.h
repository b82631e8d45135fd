#pragma once

// The one place where toolkit input becomes the callbacks of the layer:
// (panel, control, event, callback data, event data 1, event data 2).
#include <QPoint>

class QWidget;

namespace ui_detail {

// Calls the control's callback (attribute 513 with data 514), if any; returns its result or 0.
int DispatchCtrlEvent(int panel, int control, int event, int data1, int data2);
int DispatchPanelEvent(int panel, int event, int data1, int data2);
void DispatchMenuItem(int menuBar, int item);

// Gives a widget that has no input handling of its own (pictures, canvases, graphs) the left
// clicks of its control: an indicator still passes clicks to its callback.
void RouteClicks(QWidget* widget, int panel, int control);

// Where the mouse was at the last input the layer saw, in global coordinates.
void NoteMousePosition(QPoint global);
QPoint LastMousePosition();

// True while a callback runs; widgets are then deleted later, not under their own handlers.
bool InCallback();

}  // namespace ui_detail
