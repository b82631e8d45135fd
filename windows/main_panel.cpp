#include "windows/main_panel.h"

#include <array>

#include "platform/ui/user_interface.h"
#include "windows/build_rules.h"
#include "windows/colour_table.h"
#include "windows/logo_picture.h"
#include "windows/main_panel_pictures.h"
#include "windows/menu_bar.h"

int PANEL_RGBRING = 0;
int PANEL_TABLE = 0;
int PANEL_HOMEBUTTON = 0;
int PANEL_LOGO = 0;
int PANEL_COPYBUTTON = 0;
int PANEL_PREVBUTTON = 0;
int PANEL_PREV2BUTTON = 0;
int PANEL_NEXT2BUTTON = 0;
int PANEL_NEXTBUTTON = 0;
int PANEL_HUEWHEEL = 0;
int PANEL_HUE = 0;
int PANEL_KBTTEXT = 0;
int PANEL_LIGHTNESS = 0;
int PANEL_BINARYSWITCH = 0;
int PANEL_CHROMA = 0;

namespace {

constexpr PanelGeometry kDesign{21, 5, 780, 860};
// The table is 12 pixels higher than its first design so that its last row of codes shows;
// the buttons, the ring and the chroma caption under it stand 12 pixels lower to match.
constexpr int kButtonTop = 744 + 12;
constexpr int kRingTop = 746 + 12;

constexpr const char* kMakerText =
    "Kelbrant Farben GmbH\n"
    "Bielefeld, Germany\n"
    "www.kelbrant.example";

int BuildRing(int panel) {
    static constexpr std::array<const char*, 14> spaces{
        "Adobe space", "Apple space", "CIE space",           "ColorMatch", "HDTV space",
        "NTSC space",  "Pal/Secam",   "CGI space",           "SMPTE 240M", "SMPTE C",
        "sRGB space",  "Wide Gammut", "No gamma sRGB space", "LDC space"};
    if (const int r = NewNamedCtrl(panel, PANEL_RGBRING, CTRL_RING, "RGB Space Representation", kRingTop, 340,
                                   "RGBRING", ChangeColorSpaceCallback);
        r < 0)
        return r;
    const int ring = PANEL_RGBRING;
    const Setting head[] = {{1020, 0}, {710, 1}};
    if (const int r = SetCtrlAttributes(panel, ring, head); r < 0) return r;
    for (int i = 0; i < static_cast<int>(spaces.size()); ++i) {
        if (const int r = InsertListItem(panel, ring, i, spaces[i], i); r < 0) return r;
    }
    const Setting look[] = {{550, kFaceColour},  {620, 1},        {640, 0x3333FF}, {672, 135}, {673, 15},
                            {674, kTransparent}, {690, 0xFAFAFF}, {721, 10}};
    if (const int r = SetCtrlAttributes(panel, ring, look); r < 0) return r;
    if (const int r = DefaultCtrl(panel, ring); r < 0) return r;
    const Setting place[] = {{533, 146}, {671, kRingTop - 17}, {670, 345}, {649, 1}, {700, 32}};
    return SetCtrlAttributes(panel, ring, place);
}

// A 23 x 23 button whose label is one glyph of the "Webdings" font.
int BuildGlyphButton(int panel, int& global, const char* glyph, int left, const char* name,
                     CtrlCallbackPtr callback) {
    if (const int r =
            NewNamedCtrl(panel, global, CTRL_COMMAND_BUTTON, glyph, kButtonTop, left, name, callback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0}, {620, 1}, {642, "Webdings"}, {646, 14}, {732, 0}};
    if (const int r = SetCtrlAttributes(panel, global, before); r < 0) return r;
    if (const int r = DefaultCtrl(panel, global); r < 0) return r;
    const Setting after[] = {{880, kButtonColour}, {881, 3}, {540, 23}, {533, 23}};
    return SetCtrlAttributes(panel, global, after);
}

int BuildCopyButton(int panel) {
    if (const int r = NewNamedCtrl(panel, PANEL_COPYBUTTON, CTRL_COMMAND_BUTTON, "Copy", kButtonTop, 282,
                                   "COPYBUTTON", CopyChartCallback);
        r < 0)
        return r;
    const int button = PANEL_COPYBUTTON;
    const Setting before[] = {{1020, 0x0F00}, {620, 1}, {732, 0}};
    if (const int r = SetCtrlAttributes(panel, button, before); r < 0) return r;
    if (const int r = DefaultCtrl(panel, button); r < 0) return r;
    const Setting after[] = {{880, kButtonColour}, {540, 23}, {533, 40}};
    return SetCtrlAttributes(panel, button, after);
}

struct TextLayout {
    int top, left, height, width;
    const char* text;
    const char* font;
    int pointSize;
    int colour, background;
    int platformSetting;  // 861, passed through as given
    int justify;          // 700
};

// `struckOut`: the text style switch 687, which only the chroma caption turns on.
int BuildTextMessage(int panel, int& global, const char* name, CtrlCallbackPtr callback, TextLayout at,
                     bool struckOut = false) {
    if (const int r = NewNamedCtrl(panel, global, CTRL_TEXT_MSG, "", at.top, at.left, name, callback); r < 0)
        return r;
    const Setting font[] = {{1020, 0}, {620, 0}, {680, at.colour}, {682, at.font}, {686, at.pointSize}};
    if (const int r = SetCtrlAttributes(panel, global, font); r < 0) return r;
    if (struckOut) {
        if (const int r = SetCtrlAttribute(panel, global, 687, 1); r < 0) return r;
    }
    const Setting text[] = {{690, at.background}, {732, at.text}};
    if (const int r = SetCtrlAttributes(panel, global, text); r < 0) return r;
    if (const int r = DefaultCtrl(panel, global); r < 0) return r;
    const Setting box[] = {{540, at.height}, {533, at.width}, {861, at.platformSetting}, {700, at.justify}};
    return SetCtrlAttributes(panel, global, box);
}

int BuildBinarySwitch(int panel) {
    if (const int r = NewNamedCtrl(panel, PANEL_BINARYSWITCH, CTRL_BINARY_SWITCH, "Background", 724, 23,
                                   "BINARYSWITCH", ChangeBackgroundCallback);
        r < 0)
        return r;
    const int sw = PANEL_BINARYSWITCH;
    const Setting before[] = {{1020, 0}, {710, 1},  {620, 1},        {640, 0x0033FF},
                              {672, 61}, {673, 15}, {674, 0xFFFFFF}, {680, 0x808080}};
    if (const int r = SetCtrlAttributes(panel, sw, before); r < 0) return r;
    if (const int r = DefaultCtrl(panel, sw); r < 0) return r;
    const Setting after[] = {{900, 1},  {901, 0},  {904, kFaceColour}, {940, "black"}, {941, "white"},
                             {540, 40}, {533, 12}, {671, 709},         {670, 4},       {649, 1}};
    return SetCtrlAttributes(panel, sw, after);
}

int SetOrders(int panel) {
    const std::array<int, 15> frontToBack{
        PANEL_COPYBUTTON, PANEL_CHROMA,      PANEL_HUE,         PANEL_HUEWHEEL,   PANEL_BINARYSWITCH,
        PANEL_KBTTEXT,    PANEL_NEXT2BUTTON, PANEL_PREVBUTTON,  PANEL_LIGHTNESS,  PANEL_LOGO,
        PANEL_RGBRING,    PANEL_HOMEBUTTON,  PANEL_PREV2BUTTON, PANEL_NEXTBUTTON, PANEL_TABLE};
    const std::array<int, 3> firstTabStops{PANEL_RGBRING, PANEL_TABLE, PANEL_HOMEBUTTON};
    return SetCtrlOrders(panel, frontToBack, firstTabStops);
}

int BuildControls(int panel, int& bitmap) {
    if (const int r = BuildRing(panel); r < 0) return r;
    if (const int r = BuildColourTable(panel, bitmap); r < 0) return r;
    if (const int r = BuildGlyphButton(panel, PANEL_HOMEBUTTON, "<", 185, "HOMEBUTTON", GreyHueCallback);
        r < 0)
        return r;
    if (const int r = BuildPicture(panel, PANEL_LOGO, "LOGO", nullptr, {28, 796, 60, 60, 4, 788},
                                   kLogoBitmapText, bitmap);
        r < 0)
        return r;
    if (const int r = BuildCopyButton(panel); r < 0) return r;
    if (const int r = BuildGlyphButton(panel, PANEL_PREVBUTTON, "3", 153, "PREVBUTTON", PrevHueCallback);
        r < 0)
        return r;
    if (const int r = BuildGlyphButton(panel, PANEL_PREV2BUTTON, "7", 123, "PREV2BUTTON", PrevHueCallback);
        r < 0)
        return r;
    if (const int r = BuildGlyphButton(panel, PANEL_NEXT2BUTTON, "8", 246, "NEXT2BUTTON", NextHueCallback);
        r < 0)
        return r;
    if (const int r = BuildGlyphButton(panel, PANEL_NEXTBUTTON, "4", 216, "NEXTBUTTON", NextHueCallback);
        r < 0)
        return r;
    if (const int r = BuildPicture(panel, PANEL_HUEWHEEL, "HUEWHEEL", ChangeHueCallback,
                                   {7, 1, 115, 128, -17, -7}, kHueWheelBitmapText, bitmap);
        r < 0)
        return r;
    if (const int r =
            BuildTextMessage(panel, PANEL_HUE, "HUE", GreyHueCallback,
                             {39, 38, 48, 51, "HUE\n000", "Arial Black", 18, 0xA0A0A0, kTransparent, 0, 32});
        r < 0)
        return r;
    if (const int r = BuildTextMessage(
            panel, PANEL_KBTTEXT, "KBTTEXT", nullptr,
            {36, 686, 40, 113, kMakerText, "Bitstream Vera Sans", 9, 0xA0A0A0, kTransparent, 0, 32});
        r < 0)
        return r;
    if (const int r = BuildPicture(panel, PANEL_LIGHTNESS, "LIGHTNESS", nullptr, {263, 24, 256, 32, 239, 16},
                                   kLightnessBitmapText, bitmap);
        r < 0)
        return r;
    if (const int r = BuildBinarySwitch(panel); r < 0) return r;
    if (const int r = BuildTextMessage(
            panel, PANEL_CHROMA, "CHROMA", nullptr,
            {kButtonTop - 5, 648, 25, 124, "c  h  r  o  m  a", "Arial", 19, 0x606060, 0xFFFFFF, 1, 0}, true);
        r < 0)
        return r;
    return SetOrders(panel);
}

}  // namespace

int BuildPANEL(int parentPanel) {
    const Setting childFrame[] = {{576, kFaceColour}};
    const Setting rest[] = {{580, 0}, {600, 0}, {619, 0}, {621, 0}};
    return BuildWindow(parentPanel, {"PANEL", kDesign, kFaceColour, childFrame, rest, {}}, BuildControls,
                       BuildMENU);
}
