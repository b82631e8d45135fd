// The main window's build: its calls, what it leaves on the screen's model, and the stop at
// the first failing call.
#include "windows/main_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <variant>

#include "platform/ui/bitmaps.h"
#include "platform/ui/registry.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"
#include "windows/colour_table.h"
#include "windows/menu_bar.h"

namespace {

constexpr int kInjected = -9;
constexpr int kUntouched = 5151;

// The control globals in creation order.
std::array<int*, 15> ControlGlobals() {
    return {&PANEL_RGBRING,    &PANEL_TABLE,       &PANEL_HOMEBUTTON,  &PANEL_LOGO,         &PANEL_COPYBUTTON,
            &PANEL_PREVBUTTON, &PANEL_PREV2BUTTON, &PANEL_NEXT2BUTTON, &PANEL_NEXTBUTTON,   &PANEL_HUEWHEEL,
            &PANEL_HUE,        &PANEL_KBTTEXT,     &PANEL_LIGHTNESS,   &PANEL_BINARYSWITCH, &PANEL_CHROMA};
}

using MainPanel = WindowBuildTest<BuildPANEL>;

// What a person reads on the controls and what working them gives: the window's title, the
// captions, the buttons' glyphs, texts, colours and fonts, and the switch's texts and values.
TEST_F(MainPanel, TextsGlyphsColoursAndTheSwitchAsDescribed) {
    const Calls calls = Build();
    ASSERT_GT(panel, 0);
    EXPECT_TRUE(Matches(calls[0], "NewPanel", {"0", Quoted("Kelbrant Ostrel"), "21", "5", "780", "860"}));
    const struct {
        int* control;
        int attribute;
        AttrValue value;
    } rows[] = {
        {&PANEL_RGBRING, ATTR_LABEL_TEXT, "RGB Space Representation"},
        {&PANEL_RGBRING, ATTR_LABEL_COLOR, 0x3333FF},
        {&PANEL_TABLE, ATTR_LABEL_TEXT, "Ostrel Color\u00a9 System"},
        {&PANEL_TABLE, ATTR_LABEL_COLOR, 0x3333CC},
        {&PANEL_TABLE, ATTR_LABEL_FONT, "Arial Black"},
        {&PANEL_TABLE, ATTR_LABEL_POINT_SIZE, 16},
        {&PANEL_PREV2BUTTON, ATTR_LABEL_TEXT, "7"},
        {&PANEL_PREVBUTTON, ATTR_LABEL_TEXT, "3"},
        {&PANEL_HOMEBUTTON, ATTR_LABEL_TEXT, "<"},
        {&PANEL_NEXTBUTTON, ATTR_LABEL_TEXT, "4"},
        {&PANEL_NEXT2BUTTON, ATTR_LABEL_TEXT, "8"},
        {&PANEL_NEXT2BUTTON, ATTR_LABEL_FONT, "Webdings"},
        {&PANEL_COPYBUTTON, ATTR_LABEL_TEXT, "Copy"},
        {&PANEL_HUE, ATTR_DFLT_VALUE, "HUE\n000"},
        {&PANEL_HUE, ATTR_TEXT_COLOR, 0xA0A0A0},
        {&PANEL_HUE, ATTR_TEXT_FONT, "Arial Black"},
        {&PANEL_KBTTEXT, ATTR_TEXT_FONT, "Bitstream Vera Sans"},
        {&PANEL_KBTTEXT, ATTR_TEXT_POINT_SIZE, 9},
        {&PANEL_CHROMA, ATTR_DFLT_VALUE, "c  h  r  o  m  a"},
        {&PANEL_CHROMA, ATTR_TEXT_COLOR, 0x606060},
        {&PANEL_CHROMA, ATTR_TEXT_BGCOLOR, 0xFFFFFF},
        {&PANEL_CHROMA, ATTR_TEXT_FONT, "Arial"},
        {&PANEL_BINARYSWITCH, ATTR_LABEL_TEXT, "Background"},
        {&PANEL_BINARYSWITCH, ATTR_ON_VALUE, 1},
        {&PANEL_BINARYSWITCH, ATTR_OFF_VALUE, 0},
        {&PANEL_BINARYSWITCH, ATTR_ON_TEXT, "black"},
        {&PANEL_BINARYSWITCH, ATTR_OFF_TEXT, "white"},
    };
    for (const auto& row : rows) EXPECT_TRUE(Holds(panel, *row.control, row.attribute, row.value));
    int value = -1;
    GetCtrlVal(panel, PANEL_BINARYSWITCH, &value);
    EXPECT_EQ(value, 0) << "the switch starts light, as the table does";
    // The menu bar comes once the panel is fitted to the screen.
    EXPECT_LT(LastIndexOf(calls, "SetPanelAttribute", {Num(panel), "618", "0"}),
              IndexOf(calls, "NewMenuBar"));
}

TEST_F(MainPanel, TableRowsColumnsAndCellsHoldTheirValues) {
    Build();
    ASSERT_GT(panel, 0);
    const int t = PANEL_TABLE;
    int rows = 0, columns = 0;
    GetNumTableRows(panel, t, &rows);
    GetNumTableColumns(panel, t, &columns);
    EXPECT_EQ(rows, 17);
    EXPECT_EQ(columns, 25);

    const std::array<const char*, 8> lightness{"90", "80", "70", "60", "50", "40", "30", "20"};
    for (int row = 1; row <= 17; ++row) {
        SCOPED_TRACE(row);
        int height = 0, colour = 0, size = 0;
        std::string label, font;
        GetTableRowAttribute(panel, t, row, 1650, &height);
        GetTableRowAttribute(panel, t, row, 641, &label);
        GetTableRowAttribute(panel, t, row, 642, &font);
        EXPECT_EQ(height, row % 2 == 0 ? 50 : 25);
        EXPECT_EQ(label, row % 2 == 0 ? lightness[row / 2 - 1] : "");
        EXPECT_EQ(font, row % 2 == 0 || row == 1 ? "Arial Black" : "NIDialogMetaFont");
        if (row % 2 == 1 && row > 1) continue;  // their label colour and size are the table's
        GetTableRowAttribute(panel, t, row, 640, &colour);
        GetTableRowAttribute(panel, t, row, 646, &size);
        EXPECT_EQ(colour, row == 1 ? 0xA0A0A0 : 0x9999FF);
        EXPECT_EQ(size, row == 1 ? 13 : 14);
    }
    for (int column = 1; column <= 25; ++column) {
        SCOPED_TRACE(column);
        int width = 0, colour = 0;
        std::string label;
        GetTableColumnAttribute(panel, t, column, 1700, &width);
        GetTableColumnAttribute(panel, t, column, 641, &label);
        EXPECT_EQ(width, column % 2 == 0 ? 50 : 10);
        EXPECT_EQ(label, column % 2 == 0 ? std::to_string(column / 2) : "");
        if (column % 2 == 1) continue;
        GetTableColumnAttribute(panel, t, column, 640, &colour);
        EXPECT_EQ(colour, 0x808080);
    }

    // Every cell ends with its own list's values, whatever its row and column set.
    for (int row = 1; row <= 17; ++row) {
        for (int column = 1; column <= 25; ++column) {
            const Point cell = MakePoint(column, row);
            int size = 0, type = 0, colour = 0, text = 0, grid = 0, dataType = 0;
            std::string font;
            GetTableCellAttribute(panel, t, cell, 686, &size);
            GetTableCellAttribute(panel, t, cell, 680, &text);
            GetTableCellAttribute(panel, t, cell, 1580, &type);
            GetTableCellAttribute(panel, t, cell, 690, &colour);
            GetTableCellAttribute(panel, t, cell, 1583, &grid);
            GetTableCellAttribute(panel, t, cell, 710, &dataType);
            GetTableCellAttribute(panel, t, cell, 682, &font);
            ASSERT_EQ(size, row == 3 ? 13 : 14) << column << "," << row;
            ASSERT_EQ(type, 1) << column << "," << row;
            ASSERT_EQ(colour, 0xFFFFFF) << column << "," << row;
            ASSERT_EQ(text, 0x303030) << column << "," << row;
            ASSERT_EQ(grid, 0xF8F8F8) << column << "," << row;
            ASSERT_EQ(dataType, 1) << column << "," << row;
            ASSERT_EQ(font, "Arial Narrow") << column << "," << row;
        }
    }

    Point active{0, 0};
    GetActiveTableCell(panel, t, &active);
    EXPECT_EQ(active.x, 24);
    EXPECT_EQ(active.y, 3);
}

TEST_F(MainPanel, RowsAndColumnsSetTheirOwnKindsOfValue) {
    const Calls calls = Build();
    ASSERT_GT(panel, 0);
    const std::string p = Num(panel), t = Num(PANEL_TABLE);
    // Swatch rows hold doubles with an unbounded range; the others 32-bit integers.
    for (int row = 1; row <= 17; ++row) {
        SCOPED_TRACE(row);
        const std::string r = Num(row);
        const bool swatch = row % 2 == 0;
        EXPECT_NE(IndexOf(calls, "SetTableRowAttribute", {p, t, r, "730", swatch ? "inf" : "2147483647"}),
                  std::string::npos);
        EXPECT_NE(IndexOf(calls, "SetTableRowAttribute", {p, t, r, "731", swatch ? "-inf" : "-2147483648"}),
                  std::string::npos);
        EXPECT_NE(IndexOf(calls, "SetTableRowAttribute", {p, t, r, "710", swatch ? "4" : "1"}),
                  std::string::npos);
        // Only row 1 and the swatch rows colour and size their labels.
        const bool ownLabelLook = row == 1 || swatch;
        EXPECT_EQ(IndexOf(calls, "SetTableRowAttribute", {p, t, r, "646"}) != std::string::npos,
                  ownLabelLook);
        EXPECT_EQ(IndexOf(calls, "SetTableRowAttribute", {p, t, r, "640"}) != std::string::npos,
                  ownLabelLook);
    }
    std::size_t pointSize13 = 0;
    for (const auto& c : calls) {
        if (Matches(c, "SetTableCellAttribute", {p, t}) && c.args.at(3) == "686" && c.args.at(4) == "13") {
            EXPECT_EQ(c.args.at(2).substr(c.args.at(2).find(',')), ",3)");
            ++pointSize13;
        }
    }
    EXPECT_EQ(pointSize13, 25u);
}

// The call record prints 1 and 1.0 alike, so the kind of each stored value is read back: the
// layer refuses to read a double into an int.
TEST_F(MainPanel, SwatchRowsStoreTheirRangeIncrementAnd1589AsDoubles) {
    Build();
    ASSERT_GT(panel, 0);
    const int t = PANEL_TABLE;
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        int attribute;
        double swatchValue;  // on even rows, a double
        int otherValue;      // on odd rows, an int
    } settings[] = {{730, inf, 2147483647}, {731, -inf, -2147483648}, {733, 1.0, 1}, {1589, 0.0, 0}};
    for (int row = 1; row <= 17; ++row) {
        for (const auto& s : settings) {
            SCOPED_TRACE(std::to_string(row) + " / " + std::to_string(s.attribute));
            int asInt = 12345;
            double asDouble = 12345.0;
            const int intRead = GetTableRowAttribute(panel, t, row, s.attribute, &asInt);
            ASSERT_EQ(GetTableRowAttribute(panel, t, row, s.attribute, &asDouble), 0);
            if (row % 2 == 0) {
                EXPECT_LT(intRead, 0) << "stored as an int";
                EXPECT_EQ(asDouble, s.swatchValue);
            } else {
                EXPECT_EQ(intRead, 0) << "stored as a double";
                EXPECT_EQ(asInt, s.otherValue);
            }
        }
    }
    // Columns and cells keep 32-bit integers throughout.
    for (int column : {1, 2, 25}) {
        int increment = 0;
        EXPECT_EQ(GetTableColumnAttribute(panel, t, column, 733, &increment), 0) << column;
    }
    int cellIncrement = 0;
    EXPECT_EQ(GetTableCellAttribute(panel, t, MakePoint(2, 2), 733, &cellIncrement), 0);
    EXPECT_EQ(cellIncrement, 1);
}

// With no adjustment every control stands where the window's description puts it.
TEST_F(MainPanel, ControlsStandAtTheirDesignPlaces) {
    Build();
    ASSERT_GT(panel, 0);
    constexpr int kNone = -1000;  // not given by the description (left to the platform)
    const struct {
        const char* name;
        int* control;
        int style, top, left, height, width, labelTop, labelLeft;
    } places[] = {
        {"RGBRING", &PANEL_RGBRING, 300, 758, 340, kNone, 146, 741, 345},
        {"TABLE", &PANEL_TABLE, 510, 90, 71, 650, 776, 42, 348},
        {"HOMEBUTTON", &PANEL_HOMEBUTTON, 205, 756, 185, 23, 23, kNone, kNone},
        {"LOGO", &PANEL_LOGO, 480, 28, 796, 60, 60, 4, 788},
        {"COPYBUTTON", &PANEL_COPYBUTTON, 205, 756, 282, 23, 40, kNone, kNone},
        {"PREVBUTTON", &PANEL_PREVBUTTON, 205, 756, 153, 23, 23, kNone, kNone},
        {"PREV2BUTTON", &PANEL_PREV2BUTTON, 205, 756, 123, 23, 23, kNone, kNone},
        {"NEXT2BUTTON", &PANEL_NEXT2BUTTON, 205, 756, 246, 23, 23, kNone, kNone},
        {"NEXTBUTTON", &PANEL_NEXTBUTTON, 205, 756, 216, 23, 23, kNone, kNone},
        {"HUEWHEEL", &PANEL_HUEWHEEL, 480, 7, 1, 115, 128, -17, -7},
        {"HUE", &PANEL_HUE, 160, 39, 38, 48, 51, kNone, kNone},
        {"KBTTEXT", &PANEL_KBTTEXT, 160, 36, 686, 40, 113, kNone, kNone},
        {"LIGHTNESS", &PANEL_LIGHTNESS, 480, 263, 24, 256, 32, 239, 16},
        {"BINARYSWITCH", &PANEL_BINARYSWITCH, 289, 724, 23, 40, 12, 709, 4},
        {"CHROMA", &PANEL_CHROMA, 160, 751, 648, 25, 124, kNone, kNone},
    };
    for (const auto& c : places) {
        SCOPED_TRACE(c.name);
        const int id = *c.control;
        EXPECT_EQ(ui_detail::ControlStyle(panel, id), c.style);
        std::string name;
        GetCtrlAttribute(panel, id, 501, &name);
        EXPECT_EQ(name, c.name);
        const struct {
            int attribute, expected;
        } geometry[] = {{532, c.top},   {531, c.left},     {540, c.height},
                        {533, c.width}, {671, c.labelTop}, {670, c.labelLeft}};
        for (const auto& g : geometry) {
            if (g.expected == kNone) continue;
            int value = kNone;
            EXPECT_EQ(GetCtrlAttribute(panel, id, g.attribute, &value), 0) << g.attribute;
            EXPECT_EQ(value, g.expected) << g.attribute;
        }
    }
}

TEST_F(MainPanel, RingTabOrderAndCallbacks) {
    const Calls calls = Build();
    ASSERT_GT(panel, 0);
    const std::string p = Num(panel);

    const std::array<const char*, 14> spaces{
        "Adobe space", "Apple space", "CIE space",           "ColorMatch", "HDTV space",
        "NTSC space",  "Pal/Secam",   "CGI space",           "SMPTE 240M", "SMPTE C",
        "sRGB space",  "Wide Gammut", "No gamma sRGB space", "LDC space"};
    const std::size_t firstItem = IndexOf(calls, "InsertListItem");
    ASSERT_NE(firstItem, std::string::npos);
    for (int i = 0; i < 14; ++i) {
        EXPECT_TRUE(Matches(calls[firstItem + i], "InsertListItem",
                            {p, Num(PANEL_RGBRING), Num(i), Quoted(spaces[i]), Num(i)}));
    }
    int count = 0;
    GetNumListItems(panel, PANEL_RGBRING, &count);
    EXPECT_EQ(count, 14);
    // The data type comes before the first item.
    EXPECT_TRUE(Matches(calls[firstItem - 1], "SetCtrlAttribute", {p, Num(PANEL_RGBRING), "710", "1"}));

    const std::array<int, 15> tabOrder{
        PANEL_COPYBUTTON, PANEL_CHROMA,      PANEL_HUE,         PANEL_HUEWHEEL,   PANEL_BINARYSWITCH,
        PANEL_KBTTEXT,    PANEL_NEXT2BUTTON, PANEL_PREVBUTTON,  PANEL_LIGHTNESS,  PANEL_LOGO,
        PANEL_RGBRING,    PANEL_HOMEBUTTON,  PANEL_PREV2BUTTON, PANEL_NEXTBUTTON, PANEL_TABLE};
    const std::size_t firstTab = IndexOf(calls, "SetCtrlAttribute", {p, Num(PANEL_COPYBUTTON), "610"});
    ASSERT_NE(firstTab, std::string::npos);
    for (int i = 0; i < 15; ++i) {
        EXPECT_TRUE(Matches(calls[firstTab + i], "SetCtrlAttribute", {p, Num(tabOrder[i]), "610", Num(i)}))
            << i;
    }
    EXPECT_TRUE(Matches(calls[firstTab + 15], "SetCtrlAttribute", {p, Num(PANEL_RGBRING), "612", "0"}));
    EXPECT_TRUE(Matches(calls[firstTab + 16], "SetCtrlAttribute", {p, Num(PANEL_TABLE), "612", "1"}));
    EXPECT_TRUE(Matches(calls[firstTab + 17], "SetCtrlAttribute", {p, Num(PANEL_HOMEBUTTON), "612", "2"}));

    const struct {
        int* control;
        CtrlCallbackPtr callback;
    } bound[] = {{&PANEL_RGBRING, ChangeColorSpaceCallback},     {&PANEL_TABLE, HitTableCallback},
                 {&PANEL_HOMEBUTTON, GreyHueCallback},           {&PANEL_HUE, GreyHueCallback},
                 {&PANEL_COPYBUTTON, CopyChartCallback},         {&PANEL_PREVBUTTON, PrevHueCallback},
                 {&PANEL_PREV2BUTTON, PrevHueCallback},          {&PANEL_NEXTBUTTON, NextHueCallback},
                 {&PANEL_NEXT2BUTTON, NextHueCallback},          {&PANEL_HUEWHEEL, ChangeHueCallback},
                 {&PANEL_BINARYSWITCH, ChangeBackgroundCallback}};
    for (const auto& b : bound) {
        const AttrValue* value = ui_detail::FindCtrlAttr(panel, *b.control, 513);
        ASSERT_NE(value, nullptr) << *b.control;
        ASSERT_TRUE(std::holds_alternative<CtrlCallbackPtr>(value->value)) << *b.control;
        EXPECT_EQ(std::get<CtrlCallbackPtr>(value->value), b.callback) << *b.control;
    }
    for (int* unbound : {&PANEL_LOGO, &PANEL_KBTTEXT, &PANEL_LIGHTNESS, &PANEL_CHROMA}) {
        EXPECT_EQ(IndexOf(calls, "SetCtrlAttribute", {p, Num(*unbound), "513"}), std::string::npos);
    }
}

TEST_F(MainPanel, ParentPanelAloneGetsFrameColours) {
    const int parent = NewPanel(0, "parent", 0, 0, 900, 900);
    ASSERT_GT(parent, 0);
    for (int p : {0, parent}) {
        SCOPED_TRACE(p);
        const Calls calls = Build(p);
        ASSERT_GT(panel, 0);
        const bool child = p != 0;
        EXPECT_EQ(
            IndexOf(calls, "SetPanelAttribute", {Num(panel), "550", Num(0xECE9D8)}) != std::string::npos,
            child);
        EXPECT_EQ(
            IndexOf(calls, "SetPanelAttribute", {Num(panel), "576", Num(0xECE9D8)}) != std::string::npos,
            child);
        EXPECT_EQ(CountOf(calls, "SetPanelAttribute"), child ? 13u : 11u);
    }
}

// Where a failure is injected, described by the call of a full build that it replaces.
struct FailurePoint {
    const char* what;
    const char* operation;
    std::vector<std::string> args;  // after the panel handle (or all, for calls without one)
    bool withPanel;
    int occurrence;       // 1 = first matching call
    bool releasesBitmap;  // the error exit must free the bitmap in hand
};

class MainPanelFailure : public MainPanel, public ::testing::WithParamInterface<FailurePoint> {};

TEST_P(MainPanelFailure, ReturnsTheCodeOfTheFailingCallAndMakesNoLaterCall) {
    const FailurePoint& f = GetParam();
    const Calls full = Build();
    ASSERT_GT(panel, 0);
    std::vector<std::string> args = f.args;
    if (f.withPanel) args.insert(args.begin(), Num(panel));
    std::size_t index = std::string::npos;
    for (int k = 0; k < f.occurrence; ++k) {
        index = IndexOf(full, f.operation, args, index == std::string::npos ? 0 : index + 1);
        ASSERT_NE(index, std::string::npos) << f.what;
    }
    // The IDs a full build hands out, to tell made controls from untouched ones.
    std::vector<std::size_t> made;
    for (std::size_t i = 0; i < full.size(); ++i) {
        if (full[i].operation == "NewCtrl") made.push_back(i);
    }

    ui_testing::ResetLayer();
    ui_testing::SetResolutionAdjustment(0);
    for (int* g : ControlGlobals()) *g = kUntouched;
    ui_testing::StartRecording();
    ui_testing::FailNthCall(static_cast<int>(index) + 1, kInjected);
    const int result = BuildPANEL(0);
    const Calls calls = ui_testing::StopRecording();

    EXPECT_EQ(result, kInjected);
    ASSERT_EQ(calls.size(), index + 1 + (f.releasesBitmap ? 1 : 0));
    for (std::size_t i = 0; i <= index; ++i) {
        ASSERT_EQ(calls[i].operation, full[i].operation) << i;
    }
    if (f.releasesBitmap) {
        // The bitmap handed to the failing call is the one freed.
        EXPECT_EQ(calls.back().operation, "DiscardBitmap");
        EXPECT_EQ(calls.back().args.at(0), calls[index].args.back());
    }
    const auto globals = ControlGlobals();
    for (std::size_t c = 0; c < made.size(); ++c) {
        if (made[c] < index) {
            EXPECT_GT(*globals[c], 0) << c;
        } else if (made[c] == index) {
            EXPECT_EQ(*globals[c], kInjected) << c;
        } else {
            EXPECT_EQ(*globals[c], kUntouched) << c;
        }
    }
    EXPECT_EQ(CountOf(calls, "DiscardPanel"), 0u);
    EXPECT_EQ(CountOf(calls, "DiscardCtrl"), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Spread, MainPanelFailure,
    ::testing::Values(
        FailurePoint{"the panel", "NewPanel", {}, false, 1, false},
        FailurePoint{"first panel attribute", "SetPanelAttribute", {"501"}, true, 1, false},
        FailurePoint{"the ring", "NewCtrl", {"300"}, true, 1, false},
        FailurePoint{"a ring item", "InsertListItem", {}, true, 5, false},
        FailurePoint{"the table", "NewCtrl", {"510"}, true, 1, false},
        FailurePoint{"a table attribute", "SetCtrlAttribute", {"3", "1517"}, true, 1, false},
        FailurePoint{"the rows", "InsertTableRows", {}, true, 1, false},
        FailurePoint{"a row attribute", "SetTableRowAttribute", {}, true, 333, false},
        FailurePoint{"a column attribute", "SetTableColumnAttribute", {}, true, 1012, false},
        FailurePoint{"a cell setting", "SetTableCellAttribute", {}, true, 7001, false},
        FailurePoint{
            "a cell picture step", "GetUserBitmapFromText", {Quoted("!!!!!$!!!!!")}, false, 200, false},
        FailurePoint{"the active cell", "SetActiveTableCell", {}, true, 1, false},
        FailurePoint{"the logo's text", "GetUserBitmapFromText", {}, false, 426, false},
        FailurePoint{"the logo's hand-over", "SetCtrlBitmap", {}, true, 1, true},
        FailurePoint{"the logo's release", "DiscardBitmap", {}, false, 1, true},
        FailurePoint{"the wheel's hand-over", "SetCtrlBitmap", {}, true, 2, true},
        FailurePoint{"a text message", "NewCtrl", {"160"}, true, 2, false},
        FailurePoint{
            "the last control's last attribute", "SetCtrlAttribute", {"16", "700", "0"}, true, 1, false},
        FailurePoint{"a tab position", "SetCtrlAttribute", {"2", "610"}, true, 1, false},
        FailurePoint{"the adjustment's query", "GetSystemAttribute", {"1500"}, false, 1, false},
        FailurePoint{"the menu bar", "NewMenuBar", {}, true, 1, false},
        FailurePoint{"the separator", "InsertSeparator", {}, false, 1, false},
        FailurePoint{"the last call", "SetMenuBarAttribute", {}, false, 10, false}),
    [](const ::testing::TestParamInfo<FailurePoint>& info) { return "Point" + std::to_string(info.index); });

TEST_F(MainPanel, MenuFailureReturnsItsCodeAlthoughThePanelIsComplete) {
    const Calls full = Build();
    const std::size_t separator = IndexOf(full, "InsertSeparator");
    ASSERT_NE(separator, std::string::npos);
    ui_testing::ResetLayer();
    ui_testing::SetResolutionAdjustment(0);
    MENU_FILE_QUIT = kUntouched;
    ui_testing::FailNthCall(static_cast<int>(separator) + 1, kInjected);
    EXPECT_EQ(BuildPANEL(0), kInjected);
    EXPECT_EQ(MENU_FILE_SEP1, kInjected);
    EXPECT_EQ(MENU_FILE_QUIT, kUntouched);
    EXPECT_GT(PANEL_CHROMA, 0);
}

}  // namespace
