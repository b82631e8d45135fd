#pragma once

// The colour table's hit test: which swatch of the page on show lies under the mouse.
#include "colour/ral_design.h"

// Removes the previous mark; on a swatch that holds a colour, marks the code cell beneath it
// and returns the colour, otherwise null. The table's geometry is read at the first call.
const RalDesignColor* GetColorUnderMouse();
