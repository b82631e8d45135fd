// Panels and controls: identifiers, typed attributes, error codes, values, rings, orders.
#include <cmath>
#include <limits>

#include "tests/platform/ui/ui_fixture.h"

namespace {

int NoopCallback(int, int, int, void*, int, int) {
    return 0;
}
void NoopMenu(int, int, void*, int) {}

using ControlsTest = UiTest;

TEST_F(ControlsTest, ControlIdsCountFromTwoInCreationOrderOnEveryPanel) {
    const int a = NewPanel(0, "a", 0, 0, 100, 100);
    const int b = NewPanel(0, "b", 0, 0, 100, 100);
    ASSERT_GT(a, 0);
    ASSERT_GT(b, a);
    const int styles[] = {CTRL_CANVAS,    CTRL_NUMERIC_FLAT_HSLIDE,
                          CTRL_PICTURE,   CTRL_COMMAND_BUTTON,
                          CTRL_CHECK_BOX, CTRL_NUMERIC_VSLIDE,
                          CTRL_TEXT_MSG,  CTRL_TABLE,
                          CTRL_GRAPH,     CTRL_RING};
    int expected = 2;
    for (int style : styles) EXPECT_EQ(NewCtrl(a, style, "", 10, 10), expected++) << style;
    EXPECT_EQ(NewCtrl(b, CTRL_STRING, "x", 0, 0), 2);
}

TEST_F(ControlsTest, RefusalsAreNegativeCodesNeverCrashes) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int num = NewCtrl(panel, CTRL_NUMERIC, "n", 10, 10);
    const int table = NewCtrl(panel, CTRL_TABLE, "t", 40, 10);
    ASSERT_EQ(InsertTableRows(panel, table, -1, 2, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 3, -1), 0);
    int i = 0;
    std::string s;
    struct Case {
        const char* what;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"unknown panel", SetCtrlAttribute(panel + 7, num, ATTR_WIDTH, 10), UIE_BAD_PANEL},
        {"unknown control", SetCtrlAttribute(panel, 99, ATTR_WIDTH, 10), UIE_BAD_CONTROL},
        {"unknown attribute", SetCtrlAttribute(panel, num, 12345, 1), UIE_BAD_ATTRIBUTE},
        {"text for an int", SetCtrlAttribute(panel, num, ATTR_WIDTH, "wide"), UIE_BAD_VALUE_TYPE},
        {"double for an int", SetCtrlAttribute(panel, num, ATTR_TEXT_COLOR, 1.0), UIE_BAD_VALUE_TYPE},
        {"int for a text", SetCtrlAttribute(panel, num, ATTR_CONSTANT_NAME, 5), UIE_BAD_VALUE_TYPE},
        {"panel callback on a control", SetCtrlAttribute(panel, num, 513, PanelCallbackPtr{nullptr}),
         UIE_BAD_VALUE_TYPE},
        {"table attribute on a numeric", SetCtrlAttribute(panel, num, ATTR_TABLE_ROW_LABEL_WIDTH, 40),
         UIE_BAD_ATTRIBUTE},
        {"switch attribute on a numeric", SetCtrlAttribute(panel, num, ATTR_ON_TEXT, "on"),
         UIE_BAD_ATTRIBUTE},
        {"read-only attribute", SetCtrlAttribute(panel, table, ATTR_TABLE_FIRST_ROW_TOP, 3),
         UIE_BAD_ATTRIBUTE},
        {"text read as int", GetCtrlAttribute(panel, num, ATTR_CONSTANT_NAME, &i), UIE_BAD_VALUE_TYPE},
        {"int read as text", GetCtrlAttribute(panel, num, ATTR_WIDTH, &s), UIE_BAD_VALUE_TYPE},
        {"negative width", SetCtrlAttribute(panel, num, ATTR_WIDTH, -1), UIE_OUT_OF_RANGE},
        {"row 0", SetTableRowAttribute(panel, table, 0, ATTR_ROW_HEIGHT, 20), UIE_OUT_OF_RANGE},
        {"row past the end", SetTableRowAttribute(panel, table, 3, ATTR_ROW_HEIGHT, 20), UIE_OUT_OF_RANGE},
        {"column past the end", GetTableColumnAttribute(panel, table, 4, ATTR_COLUMN_WIDTH, &i),
         UIE_OUT_OF_RANGE},
        {"row height on a column", SetTableColumnAttribute(panel, table, 1, ATTR_ROW_HEIGHT, 9),
         UIE_BAD_ATTRIBUTE},
        {"cell outside", SetTableCellAttribute(panel, table, MakePoint(4, 1), ATTR_TEXT_BGCOLOR, 0),
         UIE_OUT_OF_RANGE},
        {"range outside",
         SetTableCellRangeAttribute(panel, table, MakeRect(1, 1, 3, 3), ATTR_TEXT_BGCOLOR, 0),
         UIE_OUT_OF_RANGE},
        {"table call on a numeric", InsertTableRows(panel, num, -1, 1, -1), UIE_BAD_CONTROL},
        {"ring call on a numeric", InsertListItem(panel, num, -1, "x", 1), UIE_BAD_CONTROL},
        {"value of a table", SetCtrlVal(panel, table, 1), UIE_BAD_CONTROL},
        {"text into a numeric", SetCtrlVal(panel, num, "12"), UIE_BAD_VALUE_TYPE},
        {"unknown style", NewCtrl(panel, 999, "", 0, 0), UIE_BAD_STYLE},
        {"control on no panel", NewCtrl(panel + 9, CTRL_NUMERIC, "", 0, 0), UIE_BAD_PANEL},
        {"menu bar unknown", SetMenuBarAttribute(77, 0, ATTR_CONSTANT_NAME, "M"), UIE_BAD_MENU_BAR},
        {"system attribute unknown", GetSystemAttribute(1, &i), UIE_BAD_ATTRIBUTE},
        {"monitor unknown", GetMonitorAttribute(99, ATTR_MONITOR_WIDTH, &i), UIE_BAD_MONITOR},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
}

TEST_F(ControlsTest, BoundedTextGettersRefuseSmallBuffers) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int str = NewCtrl(panel, CTRL_STRING, "OCS", 0, 0);
    ASSERT_EQ(SetCtrlVal(panel, str, "010 40 53"), 0);
    char small[4] = "abc";
    EXPECT_EQ(GetCtrlVal(panel, str, small), UIE_BUFFER_TOO_SMALL);
    char fits[10];
    EXPECT_EQ(GetCtrlVal(panel, str, fits), 0);
    EXPECT_STREQ(fits, "010 40 53");
    char name[3];
    ASSERT_EQ(SetCtrlAttribute(panel, str, ATTR_CONSTANT_NAME, "NAME"), 0);
    EXPECT_EQ(GetCtrlAttribute(panel, str, ATTR_CONSTANT_NAME, name), UIE_BUFFER_TOO_SMALL);
}

TEST_F(ControlsTest, ValuesFollowTheDataTypeAndRange) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int slide = NewCtrl(panel, CTRL_NUMERIC_FLAT_HSLIDE, "Phi", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_DATA_TYPE, VAL_FLOAT), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_MAX_VALUE, 90.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_MIN_VALUE, -90.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_DFLT_VALUE, 0.1), 0);
    ASSERT_EQ(DefaultCtrl(panel, slide), 0);
    double d = 0;
    ASSERT_EQ(GetCtrlVal(panel, slide, &d), 0);
    EXPECT_EQ(d, static_cast<double>(0.1f)) << "a float control keeps single precision";
    struct Row {
        double set;
        float expected;
    };
    for (Row row :
         {Row{-90.0, -90.0f}, Row{90.0, 90.0f}, Row{250.0, 90.0f}, Row{-1e9, -90.0f}, Row{45.5, 45.5f}}) {
        ASSERT_EQ(SetCtrlVal(panel, slide, row.set), 0);
        float f = 0;
        ASSERT_EQ(GetCtrlVal(panel, slide, &f), 0);
        EXPECT_EQ(f, row.expected) << row.set;
    }
    int i = 0;
    EXPECT_EQ(GetCtrlVal(panel, slide, &i), UIE_BAD_VALUE_TYPE) << "a float is not read as an int";

    const int check = NewCtrl(panel, CTRL_CHECK_BOX, "Edges", 40, 40);
    ASSERT_EQ(SetCtrlAttribute(panel, check, ATTR_DFLT_VALUE, 1), 0);
    ASSERT_EQ(DefaultCtrl(panel, check), 0);
    ASSERT_EQ(GetCtrlVal(panel, check, &i), 0);
    EXPECT_EQ(i, 1);

    const int field = NewCtrl(panel, CTRL_NUMERIC, "a*", 60, 60);
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_DATA_TYPE, VAL_DOUBLE), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_MAX_VALUE, *_GetDoubleInf()), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_MIN_VALUE, -*_GetDoubleInf()), 0);
    ASSERT_EQ(SetCtrlVal(panel, field, -123.456), 0);
    ASSERT_EQ(GetCtrlVal(panel, field, &d), 0);
    EXPECT_EQ(d, -123.456);
    EXPECT_TRUE(std::isinf(*_GetDoubleInf()) && *_GetDoubleInf() > 0);
}

TEST_F(ControlsTest, DefaultCtrlRestoresTheLastDefault) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int text = NewCtrl(panel, CTRL_TEXT_MSG, "", 19, 193);
    ASSERT_EQ(SetCtrlAttribute(panel, text, ATTR_DFLT_VALUE, "Text Message"), 0);
    ASSERT_EQ(DefaultCtrl(panel, text), 0);
    ASSERT_EQ(SetCtrlVal(panel, text, "Ostrel Color\xC2\xA9 System"), 0);
    std::string shown;
    ASSERT_EQ(GetCtrlVal(panel, text, &shown), 0);
    EXPECT_EQ(shown, "Ostrel Color\xC2\xA9 System");
    ASSERT_EQ(DefaultCtrl(panel, text), 0);
    ASSERT_EQ(GetCtrlVal(panel, text, &shown), 0);
    EXPECT_EQ(shown, "Text Message");

    const int sw = NewCtrl(panel, CTRL_BINARY_SWITCH, "Background", 0, 0);
    ASSERT_EQ(SetCtrlAttribute(panel, sw, ATTR_ON_VALUE, 1), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, sw, ATTR_OFF_VALUE, 0), 0);
    ASSERT_EQ(DefaultCtrl(panel, sw), 0);
    int v = -1;
    ASSERT_EQ(GetCtrlVal(panel, sw, &v), 0);
    EXPECT_EQ(v, 0) << "without a default a switch starts at its off value";
}

TEST_F(ControlsTest, RingItemsValuesAndSelection) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int ring = NewCtrl(panel, CTRL_RING, "RGB Space Representation", 0, 0);
    ASSERT_EQ(SetCtrlAttribute(panel, ring, ATTR_DATA_TYPE, VAL_INTEGER), 0);
    for (int i = 0; i < 14; ++i)
        ASSERT_EQ(InsertListItem(panel, ring, i, ("item" + std::to_string(i)).c_str(), i), 0);
    ASSERT_EQ(DefaultCtrl(panel, ring), 0);
    int n = 0, v = -2, index = -2;
    ASSERT_EQ(GetNumListItems(panel, ring, &n), 0);
    EXPECT_EQ(n, 14);
    ASSERT_EQ(DeleteListItem(panel, ring, 0, -1), 0);
    ASSERT_EQ(GetNumListItems(panel, ring, &n), 0);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(GetCtrlVal(panel, ring, &v), UIE_ITEM_NOT_FOUND) << "an empty ring has no value";
    ASSERT_EQ(InsertListItem(panel, ring, 0, "user defined", -1), 0);
    for (int i = 0; i < 15; ++i) ASSERT_EQ(InsertListItem(panel, ring, i + 1, "space", i), 0);
    ASSERT_EQ(GetCtrlVal(panel, ring, &v), 0);
    EXPECT_EQ(v, -1) << "the first item inserted stays current";
    ASSERT_EQ(SetCtrlVal(panel, ring, 10), 0);
    ASSERT_EQ(GetCtrlVal(panel, ring, &v), 0);
    EXPECT_EQ(v, 10);
    ASSERT_EQ(GetCtrlIndex(panel, ring, &index), 0);
    EXPECT_EQ(index, 11);
    EXPECT_EQ(SetCtrlVal(panel, ring, 15), UIE_ITEM_NOT_FOUND) << "no item carries 15";
    ASSERT_EQ(GetCtrlVal(panel, ring, &v), 0);
    EXPECT_EQ(v, 10) << "a refused value leaves the ring as it was";
    ASSERT_EQ(GetIndexFromValue(panel, ring, &index, 14), 0);
    EXPECT_EQ(index, 15);
    std::string label;
    ASSERT_EQ(GetLabelFromIndex(panel, ring, 0, &label), 0);
    EXPECT_EQ(label, "user defined");
    EXPECT_EQ(GetLabelFromIndex(panel, ring, 16, &label), UIE_OUT_OF_RANGE);
    EXPECT_EQ(InsertListItem(panel, ring, 30, "far", 30), UIE_OUT_OF_RANGE);
    EXPECT_EQ(InsertListItem(panel, ring, -1, "text", "t"), UIE_BAD_VALUE_TYPE);
}

TEST_F(ControlsTest, SettingAnOrderPositionShiftsTheOthers) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    int ids[4];
    for (int& id : ids) id = NewCtrl(panel, CTRL_COMMAND_BUTTON, "b", 0, 0);
    // Front to back as set one after the other: the last id first ... the first id last.
    for (int pos = 0; pos < 4; ++pos)
        ASSERT_EQ(SetCtrlAttribute(panel, ids[3 - pos], ATTR_ZPLANE_POSITION, pos), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, ids[0], ATTR_ZPLANE_POSITION, 1), 0);
    const int expectedZ[4] = {1, 3, 2, 0};  // ids[0] moved to 1: the ones from there shift back
    for (int k = 0; k < 4; ++k) {
        int z = -1;
        ASSERT_EQ(GetCtrlAttribute(panel, ids[k], ATTR_ZPLANE_POSITION, &z), 0);
        EXPECT_EQ(z, expectedZ[k]) << k;
    }
    int tab = -1;
    ASSERT_EQ(SetCtrlAttribute(panel, ids[2], ATTR_TAB_ORDER_POSITION, 0), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, ids[0], ATTR_TAB_ORDER_POSITION, &tab), 0);
    EXPECT_EQ(tab, 1);
    ASSERT_EQ(GetCtrlAttribute(panel, ids[3], ATTR_TAB_ORDER_POSITION, &tab), 0);
    EXPECT_EQ(tab, 3);
}

TEST_F(ControlsTest, ScalingContentsFollowsThePanelOnlyWhileAsked) {
    const int panel = NewPanel(0, "p", 21, 5, 780, 860);
    const int wheel = NewCtrl(panel, CTRL_PICTURE, "", 7, 1);
    ASSERT_EQ(SetCtrlAttribute(panel, wheel, ATTR_HEIGHT, 115), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, wheel, ATTR_WIDTH, 128), 0);
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_HEIGHT, 390), 0);  // 618 is 0: controls stay
    int h = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, wheel, ATTR_HEIGHT, &h), 0);
    EXPECT_EQ(h, 115);
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_HEIGHT, 780), 0);
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_WIDTH, 430), 0);
    int w = 0, top = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, wheel, ATTR_HEIGHT, &h), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, wheel, ATTR_WIDTH, &w), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, wheel, ATTR_TOP, &top), 0);
    EXPECT_EQ(h, 230);
    EXPECT_EQ(w, 64);
    EXPECT_EQ(top, 14);
}

TEST_F(ControlsTest, SystemAndMonitorAttributesAreScriptable) {
    int v = 99;
    ASSERT_EQ(GetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, &v), 0);
    EXPECT_EQ(v, 0) << "windows keep their design size unless asked";
    ui_testing::SetResolutionAdjustment(-1);
    ui_testing::SetMonitorSize(1024, 768);
    ASSERT_EQ(GetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, &v), 0);
    EXPECT_EQ(v, -1);
    const int panel = NewPanel(0, "p", 0, 0, 10, 10);
    int monitor = 0, height = 0, width = 0;
    ASSERT_EQ(GetMonitorFromPanel(panel, &monitor), 0);
    ASSERT_EQ(GetMonitorAttribute(monitor, ATTR_MONITOR_HEIGHT, &height), 0);
    ASSERT_EQ(GetMonitorAttribute(monitor, ATTR_MONITOR_WIDTH, &width), 0);
    EXPECT_EQ(height, 768);
    EXPECT_EQ(width, 1024);
}

TEST_F(ControlsTest, FailureInjectionAndRecording) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    ui_testing::StartRecording();
    ui_testing::FailNthCall(2, -42);
    const int ctrl = NewCtrl(panel, CTRL_NUMERIC, "X", 50, 348);
    EXPECT_EQ(ctrl, 2);
    EXPECT_EQ(SetCtrlAttribute(panel, ctrl, ATTR_CONSTANT_NAME, "X"), -42);
    EXPECT_EQ(SetCtrlAttribute(panel, ctrl, ATTR_CONSTANT_NAME, "X"), 0) << "only the n-th call fails";
    EXPECT_EQ(SetCtrlAttribute(panel, ctrl, 513, &NoopCallback), 0);
    const auto calls = ui_testing::StopRecording();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].operation, "NewCtrl");
    EXPECT_EQ(calls[0].args, (std::vector<std::string>{std::to_string(panel), "100", "\"X\"", "50", "348"}));
    EXPECT_EQ(calls[1].args.back(), "\"X\"");
    EXPECT_EQ(calls[3].args.back(), "fn");
    std::string name;
    ASSERT_EQ(GetCtrlAttribute(panel, ctrl, ATTR_CONSTANT_NAME, &name), 0);
    EXPECT_EQ(name, "X");
}

TEST_F(ControlsTest, MenusHoldEntriesNamesAndCheckMarks) {
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int bar = NewMenuBar(panel);
    ASSERT_GT(bar, 0);
    ASSERT_EQ(SetMenuBarAttribute(bar, 0, ATTR_CONSTANT_NAME, "MENU"), 0);
    const int file = NewMenu(bar, "__File", -1);
    const int report = NewMenuItem(bar, file, "__Report", -1, 0, &NoopMenu, nullptr);
    const int sep = InsertSeparator(bar, file, -1);
    const int quit = NewMenuItem(bar, file, "__Quit", -1, 0, &NoopMenu, nullptr);
    EXPECT_TRUE(file > 0 && report > file && sep > report && quit > sep);
    int mark = -1;
    ASSERT_EQ(GetMenuBarAttribute(bar, quit, ATTR_CHECKED, &mark), 0);
    EXPECT_EQ(mark, 0);
    ASSERT_EQ(SetMenuBarAttribute(bar, quit, ATTR_CHECKED, 1), 0);
    ASSERT_EQ(GetMenuBarAttribute(bar, quit, ATTR_CHECKED, &mark), 0);
    EXPECT_EQ(mark, 1);
    EXPECT_EQ(NewMenuItem(bar, 99, "x", -1, 0, nullptr, nullptr), UIE_BAD_MENU_ITEM);
    EXPECT_EQ(SetMenuBarAttribute(bar, sep, ATTR_CHECKED, 1), UIE_BAD_ATTRIBUTE);
    std::string name;
    ASSERT_EQ(GetMenuBarAttribute(bar, 0, ATTR_CONSTANT_NAME, &name), 0);
    EXPECT_EQ(name, "MENU");
}

}  // namespace
