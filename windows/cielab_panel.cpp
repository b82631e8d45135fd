#include "windows/cielab_panel.h"

#include <array>

#include "platform/ui/user_interface.h"
#include "windows/build_rules.h"
#include "windows/cielab_pictures.h"
#include "windows/logo_picture.h"

int CIELAB_H = 0;
int CIELAB_L2 = 0;
int CIELAB_C = 0;
int CIELAB_L = 0;
int CIELAB_a = 0;
int CIELAB_b = 0;
int CIELAB_X = 0;
int CIELAB_Y = 0;
int CIELAB_Z = 0;
int CIELAB_x = 0;
int CIELAB_y = 0;
int CIELAB_LSLIDE = 0;
int CIELAB_COLORNUM = 0;
int CIELAB_NAME = 0;
int CIELAB_GRAPH = 0;
int CIELAB_LOGO = 0;
int CIELAB_KELBRANT = 0;
int CIELAB_TEXTMSG = 0;

namespace {

constexpr PanelGeometry kDesign{223, 443, 344, 417};

constexpr int kWhite = 0xFFFFFF;
// What every floating-point control of the program carries at 734 (integer ones carry 64).
constexpr int kFloatingPointMark = 0xFFF0;

// The degree sign in UTF-8, the layer's text encoding.
constexpr const char* kCaption = "Illuminant : D65\nObserver : 10\u00b0 (1964)";

int BuildColourSwatch(int panel) {
    if (const int r = NewCtrlInto(CIELAB_COLORNUM, panel, CTRL_COLOR_NUMERIC, "", 292, 351); r < 0) return r;
    const Setting before[] = {{501, "COLORNUM"}, {1020, 0}, {550, kFaceColour}, {620, 0},
                              {672, 9},          {673, 15}, {674, kWhite},      {732, kWhite}};
    const Setting after[] = {{995, 1}, {540, 39}, {533, 43}, {671, 271}, {670, 351}, {649, 1}};
    return SetCtrlAttributesAroundDefault(panel, CIELAB_COLORNUM, before, after);
}

int BuildCodeField(int panel) {
    if (const int r = NewCtrlInto(CIELAB_NAME, panel, CTRL_STRING, "OCS", 309, 204); r < 0) return r;
    const Setting before[] = {
        {501, "NAME"},       {1020, 0}, {550, kFaceColour}, {620, 0},        {640, 0xFF4D00},
        {642, "NIDialog"},   {644, 1},  {647, 1},           {672, 23},       {673, 15},
        {674, kTransparent}, {676, 1},  {680, 0x3366FF},    {690, 0xFFFFEC}, {732, ""}};
    const Setting after[] = {{760, 31}, {533, 98}, {671, 311}, {670, 166}, {649, 1}, {700, 32}};
    return SetCtrlAttributesAroundDefault(panel, CIELAB_NAME, before, after);
}

int BuildLightnessSlide(int panel) {
    if (const int r = NewCtrlInto(CIELAB_LSLIDE, panel, CTRL_NUMERIC_HSLIDE, "Lightness L*", 265, 159); r < 0)
        return r;
    const Setting before[] = {{501, "LSLIDE"},
                              {1020, 0},
                              {710, 4},
                              {550, kFaceColour},
                              {620, 0},
                              {672, 61},
                              {673, 15},
                              {674, kWhite},
                              {690, kFaceColour},
                              {730, 100.0},
                              {731, 0.0},
                              {733, 1.0},
                              {734, kFloatingPointMark},
                              {732, 30.0}};
    const Setting after[] = {{737, 0},        {972, 75},  {973, 19},  {974, 0},   {980, 0x000000},
                             {985, 0xE0E0E0}, {540, 9},   {533, 139}, {671, 262}, {670, 91},
                             {970, 303},      {971, 196}, {649, 1},   {700, 0}};
    return SetCtrlAttributesAroundDefault(panel, CIELAB_LSLIDE, before, after);
}

int BuildGraph(int panel) {
    if (const int r = NewCtrlInto(CIELAB_GRAPH, panel, CTRL_GRAPH, "", 2, 1); r < 0) return r;
    const int graph = CIELAB_GRAPH;
    // Each y-axis attribute follows the selection (1149) of its axis, even when it is selected
    // already.
    const Setting settings[] = {{501, "GRAPH"},
                                {1020, 0},
                                {620, 0},
                                {672, 9},
                                {673, 15},
                                {674, kWhite},
                                {1080, 0xE0E0E0},
                                {1081, kTransparent},
                                {1084, "NIDialog"},
                                {1085, 0x505050},
                                {1086, "a*"},
                                {1090, 10},
                                {1091, 0},
                                {1124, 1.0},
                                {1126, 0.0},
                                {1149, 1},
                                {1093, "b*"},
                                {1149, 2},
                                {1093, ""},
                                {1149, 1},
                                {1099, 0},
                                {1149, 1},
                                {1125, 1.0},
                                {1149, 2},
                                {1125, 1.0},
                                {1149, 1},
                                {1127, 0.0},
                                {1149, 2},
                                {1127, 0.0},
                                {1115, 8},
                                {1117, kTransparent},
                                {540, 256},
                                {533, 267},
                                {671, -19},
                                {670, 76},
                                {649, 1}};
    if (const int r = SetCtrlAttributes(panel, graph, settings); r < 0) return r;
    // The right axis passes through manual scaling before it is left to scale itself.
    if (const int r = SetAxisScalingMode(panel, graph, 0, 0, -100.0, 100.0); r < 0) return r;
    if (const int r = SetAxisScalingMode(panel, graph, 2, 0, 0.0, 100.0); r < 0) return r;
    if (const int r = SetAxisScalingMode(panel, graph, 2, 1, 0.0, 100.0); r < 0) return r;
    if (const int r = SetAxisScalingMode(panel, graph, 1, 0, -100.0, 100.0); r < 0) return r;
    return SetCtrlAttribute(panel, graph, 1149, 1);
}

struct ValueField {
    int* global;
    const char* name;
    const char* label;
    int top, left, labelTop, labelLeft, labelWidth;
    int background;
    bool signedValue;  // a* and b* reach below 0
};

int BuildValueField(int panel, const ValueField& f) {
    if (const int r = NewCtrlInto(*f.global, panel, CTRL_NUMERIC, f.label, f.top, f.left); r < 0) return r;
    const int field = *f.global;
    const Setting look[] = {{501, f.name},       {1020, 0}, {710, 4},      {550, kFaceColour}, {620, 0},
                            {672, f.labelWidth}, {673, 15}, {674, kWhite}, {690, f.background}};
    if (const int r = SetCtrlAttributes(panel, field, look); r < 0) return r;
    if (const int r = SetCtrlAttribute(panel, field, 730, *_GetDoubleInf()); r < 0) return r;
    const double minimum = f.signedValue ? -*_GetDoubleInf() : 0.0;
    const Setting before[] = {{731, minimum}, {733, 1.0}, {734, kFloatingPointMark}, {735, 3}, {732, 0.0}};
    const Setting after[] = {{737, 0}, {533, 52}, {671, f.labelTop}, {670, f.labelLeft}, {649, 1}, {700, 16}};
    return SetCtrlAttributesAroundDefault(panel, field, before, after);
}

int BuildValueFields(int panel) {
    constexpr int kXy = 0xFFE6FF, kHlc = 0xFFF4D2, kLab = 0xECECFF, kXyz = 0xEAFFEA;
    // Groups xy, HLC, L*a*b*, XYZ, each from the bottom up.
    const std::array<ValueField, 11> fields{{
        {&CIELAB_y, "y", "y", 70, 269, 72, 259, 8, kXy, false},
        {&CIELAB_x, "x", "x", 50, 269, 52, 259, 8, kXy, false},
        {&CIELAB_C, "C", "C", 250, 348, 252, 338, 10, kHlc, false},
        {&CIELAB_L2, "L2", "L", 230, 348, 232, 338, 9, kHlc, false},
        {&CIELAB_H, "H", "H", 210, 348, 212, 337, 11, kHlc, false},
        {&CIELAB_b, "b", "b*", 170, 348, 172, 335, 13, kLab, true},
        {&CIELAB_a, "a", "a*", 150, 348, 152, 334, 13, kLab, true},
        {&CIELAB_L, "L", "L*", 130, 348, 132, 334, 13, kLab, false},
        {&CIELAB_Z, "Z", "Z", 90, 348, 92, 338, 10, kXyz, false},
        {&CIELAB_Y, "Y", "Y", 70, 348, 72, 338, 10, kXyz, false},
        {&CIELAB_X, "X", "X", 50, 348, 52, 338, 10, kXyz, false},
    }};
    for (const ValueField& f : fields) {
        if (const int r = BuildValueField(panel, f); r < 0) return r;
    }
    return 0;
}

int BuildCaption(int panel) {
    if (const int r = NewCtrlInto(CIELAB_TEXTMSG, panel, CTRL_TEXT_MSG, "", 5, 270); r < 0) return r;
    const Setting before[] = {{501, "TEXTMSG"},     {1020, 0},     {620, 0},       {680, 0xCCCCFF},
                              {682, "Arial Black"}, {690, kWhite}, {732, kCaption}};
    const Setting after[] = {{540, 32}, {533, 127}, {861, 0}, {700, 32}};
    return SetCtrlAttributesAroundDefault(panel, CIELAB_TEXTMSG, before, after);
}

int SetOrders(int panel) {
    // The graph is rear-most, so the maker's mark inside it and the x and y labels that reach
    // into it are drawn in front.
    const std::array<int, 18> frontToBack{
        CIELAB_NAME, CIELAB_KELBRANT, CIELAB_C,      CIELAB_L2,       CIELAB_H,    CIELAB_b,
        CIELAB_a,    CIELAB_L,        CIELAB_y,      CIELAB_x,        CIELAB_Z,    CIELAB_Y,
        CIELAB_X,    CIELAB_TEXTMSG,  CIELAB_LSLIDE, CIELAB_COLORNUM, CIELAB_LOGO, CIELAB_GRAPH};
    const std::array<int, 2> firstTabStops{CIELAB_COLORNUM, CIELAB_NAME};
    return SetCtrlOrders(panel, frontToBack, firstTabStops);
}

int BuildControls(int panel, int& bitmap) {
    if (const int r = BuildColourSwatch(panel); r < 0) return r;
    if (const int r = BuildCodeField(panel); r < 0) return r;
    if (const int r = BuildPicture(panel, CIELAB_LOGO, "LOGO", nullptr, {272, 7, 60, 60, 248, -1},
                                   kLogoBitmapText, bitmap);
        r < 0)
        return r;
    if (const int r = BuildGraph(panel); r < 0) return r;
    if (const int r = BuildLightnessSlide(panel); r < 0) return r;
    if (const int r = BuildValueFields(panel); r < 0) return r;
    if (const int r = BuildCaption(panel); r < 0) return r;
    if (const int r = BuildPicture(panel, CIELAB_KELBRANT, "KELBRANT", nullptr, {8, 229, 30, 30, -16, 221},
                                   kKelbrantBitmapText, bitmap);
        r < 0)
        return r;
    return SetOrders(panel);
}

}  // namespace

int BuildCIELAB(int hParent) {
    const Setting childFrame[] = {{576, kFaceColour}, {577, 5}, {578, 1}};
    const Setting rest[] = {{580, 0}, {599, 0}, {600, 0}, {619, 0}, {621, 0}};
    const Setting topLevelOnly[] = {{615, 1}};
    return BuildWindow(hParent, {"CIELAB", kDesign, kFaceColour, childFrame, rest, topLevelOnly},
                       BuildControls);
}
