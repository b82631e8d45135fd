#pragma once

// Canvas controls: drawing that stays. The pen is set through control attributes and read at
// each call: width 1355 (pixels), colour 1350, colour behind text 1351; CanvasClear erases
// to the background colour 1291. Colours are 0xRRGGBB, 0x1000000 (transparent) draws nothing.
// In a Rect a height or width of -1 reaches to the edge: MakeRect(0, 0, -1, -1) is the whole.
#include "platform/ui/tables.h"

inline constexpr int ATTR_PEN_COLOR = 1350;
inline constexpr int ATTR_PEN_FILL_COLOR = 1351;  // behind text
inline constexpr int ATTR_PEN_WIDTH = 1355;
inline constexpr int ATTR_CANVAS_BACKGROUND = 1291;
// Text centred on its anchor point (the one text alignment the layer knows by name; any
// other value puts the text's top-left corner on the anchor).
inline constexpr int VAL_CENTER = 9;

int CanvasClear(int panel, int control, Rect area);
// Draws the source part of the bitmap into the destination part of the canvas, scaled to fit.
int CanvasDrawBitmap(int panel, int control, int bitmap, Rect source, Rect destination);
int CanvasDrawLine(int panel, int control, Point start, Point end);
// A filled square dot as wide as the pen, centred on the point.
int CanvasDrawPoint(int panel, int control, Point point);
// Text in the pen colour on the colour behind text; font a family name or a meta font ("NI...").
int CanvasDrawTextAtPoint(int panel, int control, const char* text, const char* font, Point anchor,
                          int alignment);
