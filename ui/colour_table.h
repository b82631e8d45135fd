#pragma once

// The main window's colour table: 17 rows by 25 columns, swatch rows and columns 50 pixels,
// the narrow ones between them 25 high or 10 wide.

// Creates the table on the panel into PANEL_TABLE and sets it up. `bitmap` is the builder's
// one bitmap handle (see LoadPicture). Returns 0 or the first negative result of a call.
int BuildColourTable(int panel, int& bitmap);
