// Typed values and handles: every value of the wrong kind, every handle that names nothing and
// every null out-pointer is a negative code that leaves the state as it was; rings keep their
// selection through inserts and deletes.
#include <climits>

#include "tests/platform/ui/ui_fixture.h"

namespace {

int NoopCtrl(int, int, int, void*, int, int) {
    return 0;
}
int NoopPanel(int, int, void*, int, int) {
    return 0;
}
void NoopMenu(int, int, void*, int) {}

using ValuesTest = UiTest;

TEST_F(ValuesTest, ValuesOfTheWrongKindAreRefusedAndChangeNothing) {
    const int panel = NewPanel(0, "p", 0, 0, 200, 200);
    const int num = NewCtrl(panel, CTRL_NUMERIC, "n", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, num, ATTR_DATA_TYPE, VAL_INTEGER), 0);
    const int str = NewCtrl(panel, CTRL_STRING, "s", 40, 10);
    const int bar = NewMenuBar(panel);
    const int menu = NewMenu(bar, "__Display", -1);
    const int item = NewMenuItem(bar, menu, "CIE", -1, 0, &NoopMenu, nullptr);
    ASSERT_GT(item, 0);
    int data = 0;
    struct Case {
        const char* what;
        int result;
    };
    const Case cases[] = {
        {"a non-zero int as a callback", SetCtrlAttribute(panel, num, 513, 5)},
        {"a menu callback on a control", SetCtrlAttribute(panel, num, 513, &NoopMenu)},
        {"a text as callback data", SetCtrlAttribute(panel, num, ATTR_CALLBACK_DATA, "data")},
        {"a double default on an integer field", SetCtrlAttribute(panel, num, ATTR_DFLT_VALUE, 2.5)},
        {"a text default on a numeric", SetCtrlAttribute(panel, num, ATTR_DFLT_VALUE, "2")},
        {"an int default on a string", SetCtrlAttribute(panel, str, ATTR_DFLT_VALUE, 2)},
        {"a text maximum", SetCtrlAttribute(panel, num, ATTR_MAX_VALUE, "10")},
        {"a double label", SetCtrlAttribute(panel, num, ATTR_LABEL_TEXT, 1.0)},
        {"a text colour given as text", SetCtrlAttribute(panel, num, ATTR_TEXT_COLOR, "0x303030")},
        {"a double into an integer field", SetCtrlVal(panel, num, 2.5)},
        {"an int into a string", SetCtrlVal(panel, str, 3)},
        {"a control callback on a panel", SetPanelAttribute(panel, 513, &NoopCtrl)},
        {"an int panel name", SetPanelAttribute(panel, ATTR_CONSTANT_NAME, 3)},
        {"a text panel colour", SetPanelAttribute(panel, ATTR_BACKCOLOR, "grey")},
        {"a double panel width", SetPanelAttribute(panel, ATTR_WIDTH, 100.0)},
        {"a double check mark", SetMenuBarAttribute(bar, item, ATTR_CHECKED, 1.0)},
        {"a control callback on a menu item", SetMenuBarAttribute(bar, item, 513, &NoopCtrl)},
        {"a panel callback on a menu item", SetMenuBarAttribute(bar, item, 513, &NoopPanel)},
        {"a text dimmed flag on a menu item", SetMenuBarAttribute(bar, item, ATTR_DIMMED, "yes")},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, UIE_BAD_VALUE_TYPE) << c.what;

    // Nothing of the above was stored.
    int i = -1;
    ASSERT_EQ(SetCtrlVal(panel, num, 4), 0);
    ASSERT_EQ(GetCtrlVal(panel, num, &i), 0);
    EXPECT_EQ(i, 4);
    ASSERT_EQ(DefaultCtrl(panel, num), 0);
    ASSERT_EQ(GetCtrlVal(panel, num, &i), 0);
    EXPECT_EQ(i, 0) << "the refused defaults did not replace the first one";
    ASSERT_EQ(GetPanelAttribute(panel, ATTR_WIDTH, &i), 0);
    EXPECT_EQ(i, 200);
    ASSERT_EQ(GetMenuBarAttribute(bar, item, ATTR_CHECKED, &i), 0);
    EXPECT_EQ(i, 0);
    ASSERT_EQ(GetCtrlAttribute(panel, num, ATTR_TEXT_COLOR, &i), 0);
    EXPECT_NE(i, 0x303030);

    // Accepted forms of "none" and of data.
    EXPECT_EQ(SetCtrlAttribute(panel, num, 513, 0), 0) << "0 is no callback";
    EXPECT_EQ(SetCtrlAttribute(panel, num, 513, nullptr), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, num, ATTR_CALLBACK_DATA, static_cast<void*>(&data)), 0);
    EXPECT_EQ(SetPanelAttribute(panel, 513, 0), 0);
    EXPECT_EQ(SetPanelAttribute(panel, 513, &NoopPanel), 0);
}

TEST_F(ValuesTest, NullOutPointersAreRefusedNotWrittenThrough) {
    const int panel = NewPanel(0, "p", 0, 0, 200, 200);
    const int slide = NewCtrl(panel, CTRL_NUMERIC_HSLIDE, "L*", 10, 10);
    const int ring = NewCtrl(panel, CTRL_RING, "r", 40, 10);
    ASSERT_EQ(InsertListItem(panel, ring, -1, "a", 1), 0);
    const int table = NewCtrl(panel, CTRL_TABLE, "", 80, 10);
    ASSERT_EQ(InsertTableRows(panel, table, -1, 1, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 1, -1), 0);
    const int bar = NewMenuBar(panel);
    struct Case {
        const char* what;
        int result;
    };
    const Case cases[] = {
        {"float value", GetCtrlVal(panel, slide, static_cast<float*>(nullptr))},
        {"double value", GetCtrlVal(panel, slide, static_cast<double*>(nullptr))},
        {"int attribute", GetCtrlAttribute(panel, slide, ATTR_WIDTH, static_cast<int*>(nullptr))},
        {"double attribute", GetCtrlAttribute(panel, slide, ATTR_MAX_VALUE, static_cast<double*>(nullptr))},
        {"panel attribute", GetPanelAttribute(panel, ATTR_WIDTH, static_cast<int*>(nullptr))},
        {"ring index", GetIndexFromValue(panel, ring, nullptr, 1)},
        {"ring label", GetLabelFromIndex(panel, ring, 0, static_cast<std::string*>(nullptr))},
        {"ring count", GetNumListItems(panel, ring, nullptr)},
        {"table rows", GetNumTableRows(panel, table, nullptr)},
        {"active cell", GetActiveTableCell(panel, table, nullptr)},
        {"cell attribute",
         GetTableCellAttribute(panel, table, MakePoint(1, 1), 690, static_cast<int*>(nullptr))},
        {"row attribute", GetTableRowAttribute(panel, table, 1, 1650, static_cast<int*>(nullptr))},
        {"menu attribute", GetMenuBarAttribute(bar, 0, ATTR_DIMMED, static_cast<int*>(nullptr))},
        {"system attribute", GetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, nullptr)},
        {"monitor", GetMonitorFromPanel(panel, nullptr)},
        {"history count", GetFilePopupDirHistory(nullptr, nullptr)},
    };
    for (const Case& c : cases) {
        EXPECT_LT(c.result, 0) << c.what;
        EXPECT_NE(c.result, UIE_BAD_PANEL) << c.what << ": the handle was good";
    }
    int x = 0;
    EXPECT_EQ(GetRelativeMouseState(panel, slide, &x, nullptr, nullptr, nullptr, nullptr), 0)
        << "the mouse state asks only for what it is given";
}

TEST_F(ValuesTest, HandlesThatNameNothingGiveTheirOwnCode) {
    const int gone = NewPanel(0, "gone", 0, 0, 100, 100);
    const int goneBar = NewMenuBar(gone);
    ASSERT_EQ(DiscardPanel(gone), 0);
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int ctrl = NewCtrl(panel, CTRL_NUMERIC, "", 0, 0);
    const int dropped = NewCtrl(panel, CTRL_RING, "", 30, 0);
    ASSERT_EQ(DiscardCtrl(panel, dropped), 0);
    int i = 0;
    double d = 0;
    std::string s;
    struct Case {
        const char* what;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"display a discarded panel", DisplayPanel(gone), UIE_BAD_PANEL},
        {"hide panel 0", HidePanel(0), UIE_BAD_PANEL},
        {"discard twice", DiscardPanel(gone), UIE_BAD_PANEL},
        {"attribute of a negative panel", SetPanelAttribute(-3, ATTR_WIDTH, 5), UIE_BAD_PANEL},
        {"read a discarded panel", GetPanelAttribute(gone, ATTR_VISIBLE, &i), UIE_BAD_PANEL},
        {"text of a discarded panel", GetPanelAttribute(gone, ATTR_CONSTANT_NAME, &s), UIE_BAD_PANEL},
        {"control on a discarded panel", NewCtrl(gone, CTRL_NUMERIC, "", 0, 0), UIE_BAD_PANEL},
        {"child of a discarded panel", NewPanel(gone, "c", 0, 0, 10, 10), UIE_BAD_PANEL},
        {"menu bar of a discarded panel", NewMenuBar(gone), UIE_BAD_PANEL},
        {"monitor of a discarded panel", GetMonitorFromPanel(gone, &i), UIE_BAD_PANEL},
        {"value on a discarded panel", SetCtrlVal(gone, ctrl, 1.0), UIE_BAD_PANEL},
        {"discarded control value", GetCtrlVal(panel, dropped, &d), UIE_BAD_CONTROL},
        {"discarded control items", InsertListItem(panel, dropped, -1, "x", 1), UIE_BAD_CONTROL},
        {"discarded control twice", DiscardCtrl(panel, dropped), UIE_BAD_CONTROL},
        {"control 0", SetCtrlAttribute(panel, 0, ATTR_WIDTH, 5), UIE_BAD_CONTROL},
        {"control 1 (ids start at 2)", DefaultCtrl(panel, 1), UIE_BAD_CONTROL},
        {"mouse over no control", GetRelativeMouseState(panel, 99, &i, &i, nullptr, nullptr, nullptr),
         UIE_BAD_CONTROL},
        {"bar of a discarded panel", NewMenu(goneBar, "x", -1), UIE_BAD_MENU_BAR},
        {"bar 0", GetMenuBarAttribute(0, 0, ATTR_DIMMED, &i), UIE_BAD_MENU_BAR},
        {"separator on no bar", InsertSeparator(-1, 1, -1), UIE_BAD_MENU_BAR},
        {"monitor 0", GetMonitorAttribute(0, ATTR_MONITOR_HEIGHT, &i), UIE_BAD_MONITOR},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
    int next = NewCtrl(panel, CTRL_NUMERIC, "", 0, 0);
    EXPECT_EQ(next, 4) << "identifiers are not reused after a discard";
    EXPECT_GT(NewPanel(0, "q", 0, 0, 10, 10), panel) << "nor are panel handles";
}

TEST_F(ValuesTest, AFailedMouseStateGivesZerosNotStaleValues) {
    // The hit tests read the position without checking the result.
    const int panel = NewPanel(0, "p", 0, 0, 100, 100);
    const int table = NewCtrl(panel, CTRL_TABLE, "", 0, 0);
    struct Case {
        const char* what;
        int p, c, fail;
    };
    for (Case c : {Case{"unknown control", panel, 99, 0}, Case{"unknown panel", 0, table, 0},
                   Case{"injected failure", panel, table, -3}}) {
        int x = 123, y = 456, left = 7;
        if (c.fail < 0) ui_testing::FailNthCall(1, c.fail);
        EXPECT_LT(GetRelativeMouseState(c.p, c.c, &x, &y, &left, nullptr, nullptr), 0) << c.what;
        EXPECT_EQ(x, 0) << c.what;
        EXPECT_EQ(y, 0) << c.what;
        EXPECT_EQ(left, 0) << c.what;
    }
}

class RingTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "p", 0, 0, 100, 100);
        ring = NewCtrl(panel, CTRL_RING, "RGB", 0, 0);
        for (int v = 10; v <= 14; ++v) ASSERT_EQ(InsertListItem(panel, ring, -1, Label(v).c_str(), v), 0);
        ASSERT_EQ(SetCtrlVal(panel, ring, 13), 0);
    }
    static std::string Label(int v) { return "space " + std::to_string(v); }
    std::vector<int> Values() {
        int n = 0;
        EXPECT_EQ(GetNumListItems(panel, ring, &n), 0);
        std::vector<int> values;
        for (int i = 0; i < n; ++i) {
            int v = 0;
            EXPECT_EQ(GetValueFromIndex(panel, ring, i, &v), 0);
            values.push_back(v);
        }
        return values;
    }
    int Current() {
        int v = -1;
        return GetCtrlVal(panel, ring, &v) == 0 ? v : -1;
    }
    int panel = 0;
    int ring = 0;
};

TEST_F(RingTest, DeletesKeepOrMoveTheCurrentItem) {
    struct Case {
        int index, count, result;
        std::vector<int> left;
        int current;
        const char* why;
    };
    const Case cases[] = {
        {1, 2, 0, {10, 13, 14}, 13, "items before the current one go: it stays current"},
        {3, 1, 0, {10, 11, 12, 14}, 14, "the current item goes: the next one takes its place"},
        {3, -1, 0, {10, 11, 12}, 12, "to the end: the last one left becomes current"},
        {5, -1, 0, {10, 11, 12, 13, 14}, 13, "-1 from the end deletes nothing"},
        {0, 0, 0, {10, 11, 12, 13, 14}, 13, "a count of 0 deletes nothing"},
        {0, -1, 0, {}, -1, "0, -1 removes every item"},
        {5, 1, UIE_OUT_OF_RANGE, {10, 11, 12, 13, 14}, 13, "index past the end"},
        {-1, 1, UIE_OUT_OF_RANGE, {10, 11, 12, 13, 14}, 13, "negative index"},
        {2, 4, UIE_OUT_OF_RANGE, {10, 11, 12, 13, 14}, 13, "count past the end"},
        {2, INT_MAX, UIE_OUT_OF_RANGE, {10, 11, 12, 13, 14}, 13, "count at the highest int"},
        {2, -2, UIE_OUT_OF_RANGE, {10, 11, 12, 13, 14}, 13, "a negative count other than -1"},
    };
    for (const Case& c : cases) {
        SetUp();
        EXPECT_EQ(DeleteListItem(panel, ring, c.index, c.count), c.result) << c.why;
        EXPECT_EQ(Values(), c.left) << c.why;
        EXPECT_EQ(Current(), c.current) << c.why;
        ui_testing::ResetLayer();
    }
}

TEST_F(RingTest, RefilledRingAfterDeletingEverything) {
    // The shell's start: every item the builder gave goes, then its own list comes in.
    ASSERT_EQ(DeleteListItem(panel, ring, 0, -1), 0);
    int index = 0;
    EXPECT_EQ(GetCtrlIndex(panel, ring, &index), 0);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(GetIndexFromValue(panel, ring, &index, 10), UIE_ITEM_NOT_FOUND);
    EXPECT_EQ(index, -1);
    for (int v = 0; v < 3; ++v) ASSERT_EQ(InsertListItem(panel, ring, v, Label(v).c_str(), v), 0);
    EXPECT_EQ(Current(), 0) << "the first item of an empty ring becomes current";
    ASSERT_EQ(InsertListItem(panel, ring, 0, "first", 7), 0);
    EXPECT_EQ(Current(), 0) << "an insert before it keeps the current item";
    EXPECT_EQ(Values(), (std::vector<int>{7, 0, 1, 2}));
}

TEST_F(RingTest, LookupsByValueAndByIndex) {
    struct Case {
        int value, index, result;
    };
    for (Case c : {Case{10, 0, 0}, Case{14, 4, 0}, Case{12, 2, 0}, Case{9, -1, UIE_ITEM_NOT_FOUND},
                   Case{-10, -1, UIE_ITEM_NOT_FOUND}}) {
        int index = 99;
        EXPECT_EQ(GetIndexFromValue(panel, ring, &index, c.value), c.result) << c.value;
        EXPECT_EQ(index, c.index) << c.value;
    }
    int index = 0;
    EXPECT_EQ(GetIndexFromValue(panel, ring, &index, 12.0), UIE_BAD_VALUE_TYPE)
        << "an integer ring is not searched with a double";
    EXPECT_EQ(GetIndexFromValue(panel, ring, &index, "12"), UIE_BAD_VALUE_TYPE);
    struct Label {
        int index, result;
        const char* text;
    };
    for (Label l : {Label{0, 0, "space 10"}, Label{4, 0, "space 14"}, Label{5, UIE_OUT_OF_RANGE, ""},
                    Label{-1, UIE_OUT_OF_RANGE, ""}, Label{INT_MIN, UIE_OUT_OF_RANGE, ""}}) {
        char text[32] = "";
        EXPECT_EQ(GetLabelFromIndex(panel, ring, l.index, text), l.result) << l.index;
        EXPECT_STREQ(text, l.text) << l.index;
    }
    char tight[8];
    EXPECT_EQ(GetLabelFromIndex(panel, ring, 0, tight), UIE_BUFFER_TOO_SMALL) << "\"space 10\" needs 9 bytes";

    // A ring of doubles finds an int value widened.
    const int reals = NewCtrl(panel, CTRL_RING, "", 50, 0);
    ASSERT_EQ(SetCtrlAttribute(panel, reals, ATTR_DATA_TYPE, VAL_DOUBLE), 0);
    ASSERT_EQ(InsertListItem(panel, reals, -1, "half", 0.5), 0);
    ASSERT_EQ(InsertListItem(panel, reals, -1, "one", 1), 0);
    ASSERT_EQ(GetIndexFromValue(panel, reals, &index, 1), 0);
    EXPECT_EQ(index, 1);
    double d = 0;
    ASSERT_EQ(SetCtrlVal(panel, reals, 0.5), 0);
    ASSERT_EQ(GetCtrlVal(panel, reals, &d), 0);
    EXPECT_EQ(d, 0.5);
}

}  // namespace
