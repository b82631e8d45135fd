#pragma once

// The hue pages: the built-in RAL Design table arranged as one 12 x 8 grid per hue number,
// in the order in which the hues first occur; the achromatic page comes last.
#include "colour/ral_design.h"
#include "shell_state/shell_state.h"

// Builds chartOrg and nbHues afresh from the built-in table.
void BuildHueList();
// The page of that hue number, or null.
HuePage* FindHue(int hue);
// Appends a page for the colour's hue with the colour placed in it; null when the page
// array cannot grow (the pages made so far stay).
HuePage* NewHue(const RalDesignColor* color);
// Places the colour in the page and updates its counts; returns the page. A code that does
// not read as three numbers, or that lands outside the grid, is left out.
HuePage* AddColorToHue(HuePage* page, const RalDesignColor* color);
