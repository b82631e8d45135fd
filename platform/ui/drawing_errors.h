#pragma once

// Negative results of the drawing operations (bitmaps, pictures, canvas, graph, clipboard).
namespace ui_detail {

inline constexpr int kErrNoSuchPanel = -4;        // panel handle unknown
inline constexpr int kErrNoSuchControl = -5;      // control unknown on that panel
inline constexpr int kErrWrongControlStyle = -6;  // the operation does not apply to this control
inline constexpr int kErrNullArgument = -7;       // an address or text that must be given was null
inline constexpr int kErrBadBitmap = -12;         // 0, discarded or unknown bitmap handle
inline constexpr int kErrBadFormat = -13;         // unknown image text format
inline constexpr int kErrOutOfRange = -14;        // argument outside its range
inline constexpr int kErrNoClipboard = -15;       // no system clipboard to talk to
inline constexpr int kErrCannotWrite = -16;       // a file could not be created or written
inline constexpr int kErrNoSuchPlot = -17;        // plot handle unknown on that graph

}  // namespace ui_detail
