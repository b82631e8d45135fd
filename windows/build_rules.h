#pragma once

// What every window builder shares: attribute lists, the picture-loading rule and the
// adjustment of a panel to the screen's resolution. Each function returns 0 (or a handle)
// on success and otherwise the first negative result of a platform call, at once.
#include <span>

#include "platform/ui/attr_value.h"
#include "platform/ui/ui_constants.h"

// The windows' face colour, their command buttons', and none at all.
inline constexpr int kFaceColour = 0xECE9D8;
inline constexpr int kButtonColour = 0xF0F0FF;
inline constexpr int kTransparent = VAL_TRANSPARENT;

// One attribute setting of a list, applied in order.
struct Setting {
    int attribute;
    AttrValue value;
};

// Top, left, height and width of a panel in pixels.
struct PanelGeometry {
    int top;
    int left;
    int height;
    int width;
};

int SetPanelAttributes(int panel, std::span<const Setting> settings);
int SetCtrlAttributes(int panel, int control, std::span<const Setting> settings);

// A value control's settings: those up to and including its value, DefaultCtrl to make that
// value the one a reset restores, then the rest.
int SetCtrlAttributesAroundDefault(int panel, int control, std::span<const Setting> before,
                                   std::span<const Setting> after);

// Creates a control and stores its ID (or the negative code) in `global` before returning it.
int NewCtrlInto(int& global, int panel, int style, const char* label, int top, int left);

// A control created into `global`, given its constant name (501) and bound to `callback` (513)
// when there is one; returns 0 or the first negative result.
int NewNamedCtrl(int panel, int& global, int style, const char* label, int top, int left, const char* name,
                 CtrlCallbackPtr callback);

// Gives a picture control the image of a bitmap text. `bitmap` is the builder's one bitmap
// handle: it holds the bitmap from its making until it is discarded, so that the builder's
// error exit can free it when a call in between fails. A text that yields no image is no error.
int LoadPicture(int panel, int control, const char* bitmapText, int& bitmap);

// Where a picture control stands and where its (empty) label box lies, in design pixels.
struct PictureLayout {
    int top, left, height, width, labelTop, labelLeft;
};

// A picture control as every window makes it: created into `global`, named, bound to
// `callback` when there is one, framed, sized and given the image of `bitmapText` (LoadPicture).
int BuildPicture(int panel, int& global, const char* name, CtrlCallbackPtr callback, PictureLayout at,
                 const char* bitmapText, int& bitmap);

// The order of a panel's controls: the z-plane positions (610) front to back from 0, then the
// tab positions (612) of the first stops from 0.
int SetCtrlOrders(int panel, std::span<const int> frontToBack, std::span<const int> firstTabStops);

// How a window's panel opens: made with the title "Kelbrant Ostrel" at its design geometry,
// given its constant name and no panel callback, its face colour (twice for a child panel) and
// a white title bar, then `childFrame` when it is a child panel, `rest`, and `topLevelOnly`
// when it is not.
struct WindowOpening {
    const char* constantName;
    PanelGeometry design;
    int faceColour;
    std::span<const Setting> childFrame;
    std::span<const Setting> rest;
    std::span<const Setting> topLevelOnly;
};

// A window as every builder makes it: the panel opened, its controls made and ordered by
// `buildControls`, which holds the builder's one bitmap handle (see LoadPicture), the panel
// fitted to the screen (its controls follow its size only meanwhile, 618 = 1), then
// `afterFit` when there is one. Returns the handle or the first negative result; a bitmap still
// held is then freed and the half-built panel stays as it is.
int BuildWindow(int parentPanel, const WindowOpening& opening, int (*buildControls)(int panel, int& bitmap),
                int (*afterFit)(int panel) = nullptr);

// The design geometry scaled to a monitor: percent 0 (or -1, taken as 0) keeps it; the scale
// factors are float32 and truncation goes toward zero.
PanelGeometry ScaledPanelGeometry(PanelGeometry design, int percent, int screenHeight, int screenWidth);

// Reads the resolution adjustment and, unless it is 0 or -1, the panel's monitor, and sets the
// panel's height, width, top and left from its design geometry.
int AdjustPanelToScreen(int panel, PanelGeometry design);
