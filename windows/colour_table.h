#pragma once

// The main window's colour table: 17 rows by 25 columns, swatch rows and columns 50 pixels,
// the narrow ones between them 25 high or 10 wide.

// Creates the table on the panel into PANEL_TABLE and sets it up. `bitmap` is the builder's
// one bitmap handle (see LoadPicture). Returns 0 or the first negative result of a call.
int BuildColourTable(int panel, int& bitmap);

// Makes a bitmap from the text and, when there is one, sets it as the cell's value: the cell
// is a picture cell only while it takes the bitmap and then gets its own type back. The
// bitmap is freed and `bitmap` set to 0 at the end; a failure in between leaves it held.
int SetCellPicture(int panel, int table, int column, int row, const char* bitmapText, int& bitmap);

// The callback this table calls, defined by the application.
int HitTableCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
