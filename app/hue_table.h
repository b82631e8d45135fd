#pragma once

// The main window's colour table filled with the hue page on show, chartOrg[actualIndex]:
// swatches in the current RGB working space, codes beneath them, chroma labels, hue label.

// Repaints the whole table; does nothing when no page is at actualIndex.
void DisplayHue();
// The int as "%d" in one static buffer, overwritten by the next call.
const char* IntToString(int value);
