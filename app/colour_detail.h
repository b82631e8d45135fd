#pragma once

// The colour detail window filled with the selected colour (selectedHue, selectedLightness,
// selectedChroma): its values, code, swatch and one point on the a*b* graph.

// Returns the packed colour shown, or 0 when nothing is selected (the window is then dimmed
// and keeps the last values).
int DisplayColor();
