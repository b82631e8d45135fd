#pragma once

// Negative results of the drawing operations (bitmaps, pictures, canvas, graph, clipboard):
// the layer's general codes where they fit, and a few of their own.
#include "platform/ui/ui_constants.h"

namespace ui_detail {

inline constexpr int kErrNoSuchPanel = UIE_BAD_PANEL;
inline constexpr int kErrNoSuchControl = UIE_BAD_CONTROL;
inline constexpr int kErrWrongControlStyle = UIE_BAD_STYLE;  // the operation does not apply to it
inline constexpr int kErrNullArgument = UIE_BAD_ARGUMENT;    // a text or address that must be given
inline constexpr int kErrOutOfRange = UIE_OUT_OF_RANGE;
inline constexpr int kErrBadBitmap = -20;    // 0, discarded or unknown bitmap handle
inline constexpr int kErrBadFormat = -21;    // unknown image text format
inline constexpr int kErrNoClipboard = -22;  // no clipboard, or it holds no image where one is needed
inline constexpr int kErrCannotWrite = -23;  // a file could not be created or written
inline constexpr int kErrNoSuchPlot = -24;   // plot handle unknown on that graph

}  // namespace ui_detail
