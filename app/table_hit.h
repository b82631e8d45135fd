#pragma once

// The colour table's hit test: which swatch of the page on show lies under the mouse.
#include "colour/ral_design.h"

// Removes the previous mark; on a swatch that holds a colour, marks the code cell beneath it
// and returns the colour, otherwise null. The table's geometry is read at the first call.
const RalDesignColor* GetColorUnderMouse();

// A left click on the table: the colour under the mouse becomes the selected one (none off a
// swatch) and the detail window shows it; returns 0.
int HitTableCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
