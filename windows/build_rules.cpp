#include "windows/build_rules.h"

#include <limits>

#include "platform/ui/bitmaps.h"
#include "platform/ui/user_interface.h"

namespace {

// The screen on which the windows were laid out.
constexpr double kDesignScreenHeight = 1170.0;
constexpr double kDesignScreenWidth = 1920.0;
constexpr double kPercentScale = 0.01;

constexpr int kResolutionAdjustment = 1500;
constexpr int kMonitorHeight = 540;
constexpr int kMonitorWidth = 533;
constexpr int kPanelLeft = 531;
constexpr int kPanelTop = 532;
constexpr int kPanelWidth = 533;
constexpr int kPanelHeight = 540;

float ScaleFactor(int screenSize, double designSize, int percent) {
    return static_cast<float>(1.0 + ((screenSize / designSize - 1.0) * kPercentScale) * percent);
}

// The product takes the float32 factor widened to double: 780 x 0.82820511f is 645.9999...,
// so a half-size adjustment on a 768-pixel screen gives 645, not 646. A product outside the
// int range (only from an absurd adjustment) stops at its ends rather than being undefined.
int Scaled(int design, float factor) {
    const double product = design * static_cast<double>(factor);
    if (product >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (product <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(product);
}

int NewWindowPanel(int parentPanel, const WindowOpening& opening) {
    const PanelGeometry& design = opening.design;
    const int panel =
        NewPanel(parentPanel, "Kelbrant Ostrel", design.top, design.left, design.height, design.width);
    if (panel < 0) return panel;
    const bool child = parentPanel != 0;
    if (const int r = SetPanelAttribute(panel, 501, opening.constantName); r < 0) return r;
    if (const int r = SetPanelAttribute(panel, 513, 0); r < 0) return r;
    if (child) {
        if (const int r = SetPanelAttribute(panel, 550, opening.faceColour); r < 0) return r;
    }
    const Setting colours[] = {{552, opening.faceColour}, {570, 0xFFFFFF}};
    if (const int r = SetPanelAttributes(panel, colours); r < 0) return r;
    if (child) {
        if (const int r = SetPanelAttributes(panel, opening.childFrame); r < 0) return r;
    }
    if (const int r = SetPanelAttributes(panel, opening.rest); r < 0) return r;
    if (!child) {
        if (const int r = SetPanelAttributes(panel, opening.topLevelOnly); r < 0) return r;
    }
    return panel;
}

int FitWindowToScreen(int panel, PanelGeometry design) {
    const Setting beforeScaling[] = {{617, 0}, {618, 1}};
    if (const int r = SetPanelAttributes(panel, beforeScaling); r < 0) return r;
    if (const int r = AdjustPanelToScreen(panel, design); r < 0) return r;
    return SetPanelAttribute(panel, 618, 0);
}

int BuildWindowSteps(int parentPanel, const WindowOpening& opening, int (*buildControls)(int, int&),
                     int (*afterFit)(int), int& bitmap) {
    const int panel = NewWindowPanel(parentPanel, opening);
    if (panel < 0) return panel;
    if (const int r = buildControls(panel, bitmap); r < 0) return r;
    if (const int r = FitWindowToScreen(panel, opening.design); r < 0) return r;
    if (afterFit != nullptr) {
        if (const int r = afterFit(panel); r < 0) return r;
    }
    return panel;
}

}  // namespace

int SetPanelAttributes(int panel, std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        if (const int r = SetPanelAttribute(panel, s.attribute, s.value); r < 0) return r;
    }
    return 0;
}

int SetCtrlAttributes(int panel, int control, std::span<const Setting> settings) {
    for (const Setting& s : settings) {
        if (const int r = SetCtrlAttribute(panel, control, s.attribute, s.value); r < 0) return r;
    }
    return 0;
}

int NewCtrlInto(int& global, int panel, int style, const char* label, int top, int left) {
    global = NewCtrl(panel, style, label, top, left);
    return global;
}

int LoadPicture(int panel, int control, const char* bitmapText, int& bitmap) {
    if (const int r = GetUserBitmapFromText(bitmapText, kBitmapTextFormat, &bitmap); r < 0) return r;
    if (bitmap == 0) return 0;
    if (const int r = SetCtrlBitmap(panel, control, 0, bitmap); r < 0) return r;
    if (const int r = DiscardBitmap(bitmap); r < 0) return r;
    bitmap = 0;
    return 0;
}

int NewNamedCtrl(int panel, int& global, int style, const char* label, int top, int left, const char* name,
                 CtrlCallbackPtr callback) {
    if (const int r = NewCtrlInto(global, panel, style, label, top, left); r < 0) return r;
    if (const int r = SetCtrlAttribute(panel, global, 501, name); r < 0) return r;
    if (callback == nullptr) return 0;
    return SetCtrlAttribute(panel, global, 513, callback);
}

int BuildPicture(int panel, int& global, const char* name, CtrlCallbackPtr callback, PictureLayout at,
                 const char* bitmapText, int& bitmap) {
    if (const int r = NewNamedCtrl(panel, global, CTRL_PICTURE, "", at.top, at.left, name, callback); r < 0)
        return r;
    const Setting settings[] = {{1020, 0},        {550, kFaceColour}, {620, 0},           {672, 9},
                                {673, 15},        {674, 0xFFFFFF},    {1290, 0},          {1292, 0},
                                {540, at.height}, {533, at.width},    {671, at.labelTop}, {670, at.labelLeft},
                                {649, 1}};
    if (const int r = SetCtrlAttributes(panel, global, settings); r < 0) return r;
    return LoadPicture(panel, global, bitmapText, bitmap);
}

int SetCtrlAttributesAroundDefault(int panel, int control, std::span<const Setting> before,
                                   std::span<const Setting> after) {
    if (const int r = SetCtrlAttributes(panel, control, before); r < 0) return r;
    if (const int r = DefaultCtrl(panel, control); r < 0) return r;
    return SetCtrlAttributes(panel, control, after);
}

int SetCtrlOrders(int panel, std::span<const int> frontToBack, std::span<const int> firstTabStops) {
    for (int i = 0; i < static_cast<int>(frontToBack.size()); ++i) {
        if (const int r = SetCtrlAttribute(panel, frontToBack[i], 610, i); r < 0) return r;
    }
    for (int i = 0; i < static_cast<int>(firstTabStops.size()); ++i) {
        if (const int r = SetCtrlAttribute(panel, firstTabStops[i], 612, i); r < 0) return r;
    }
    return 0;
}

int BuildWindow(int parentPanel, const WindowOpening& opening, int (*buildControls)(int panel, int& bitmap),
                int (*afterFit)(int panel)) {
    int bitmap = 0;
    const int result = BuildWindowSteps(parentPanel, opening, buildControls, afterFit, bitmap);
    // The one error exit: the result of freeing the bitmap does not matter.
    if (result < 0 && bitmap != 0) DiscardBitmap(bitmap);
    return result;
}

PanelGeometry ScaledPanelGeometry(PanelGeometry design, int percent, int screenHeight, int screenWidth) {
    if (percent == -1 || percent == 0) return design;
    const float heightFactor = ScaleFactor(screenHeight, kDesignScreenHeight, percent);
    const float widthFactor = ScaleFactor(screenWidth, kDesignScreenWidth, percent);
    return {Scaled(design.top, heightFactor), Scaled(design.left, widthFactor),
            Scaled(design.height, heightFactor), Scaled(design.width, widthFactor)};
}

int AdjustPanelToScreen(int panel, PanelGeometry design) {
    int percent = 0;
    if (const int r = GetSystemAttribute(kResolutionAdjustment, &percent); r < 0) return r;
    if (percent == -1) percent = 0;
    if (percent == 0) return 0;
    int monitor = 0;
    int screenHeight = 0;
    int screenWidth = 0;
    if (const int r = GetMonitorFromPanel(panel, &monitor); r < 0) return r;
    if (const int r = GetMonitorAttribute(monitor, kMonitorHeight, &screenHeight); r < 0) return r;
    if (const int r = GetMonitorAttribute(monitor, kMonitorWidth, &screenWidth); r < 0) return r;
    const PanelGeometry scaled = ScaledPanelGeometry(design, percent, screenHeight, screenWidth);
    if (const int r = SetPanelAttribute(panel, kPanelHeight, scaled.height); r < 0) return r;
    if (const int r = SetPanelAttribute(panel, kPanelWidth, scaled.width); r < 0) return r;
    if (const int r = SetPanelAttribute(panel, kPanelTop, scaled.top); r < 0) return r;
    return SetPanelAttribute(panel, kPanelLeft, scaled.left);
}
