// Tables beyond the main window's build: what new rows and columns inherit, the codes of
// every refused address (however wild), and the drawn grid agreeing with the geometry that
// the hit test reads and with the pointer positions it gets.
#include <climits>

#include "tests/platform/ui/ui_fixture.h"

namespace {

int clickX = -1, clickY = -1;

class TableLevelsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "t", 0, 0, 400, 500);
        table = NewCtrl(panel, CTRL_TABLE, "", 10, 20);
        ASSERT_GT(table, 0);
    }
    int CellColour(int column, int row) {
        int colour = -1;
        EXPECT_EQ(GetTableCellAttribute(panel, table, MakePoint(column, row), ATTR_TEXT_BGCOLOR, &colour), 0);
        return colour;
    }
    int panel = 0;
    int table = 0;
};

TEST_F(TableLevelsTest, NewRowsAndColumnsInheritFromTableThenCrossingLine) {
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TEXT_BGCOLOR, 0x111111), 0);
    ASSERT_EQ(InsertTableRows(panel, table, -1, 3, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 3, -1), 0);
    ASSERT_EQ(SetTableRowAttribute(panel, table, 2, ATTR_TEXT_BGCOLOR, 0x222222), 0);
    ASSERT_EQ(SetTableColumnAttribute(panel, table, 3, ATTR_TEXT_BGCOLOR, 0x333333), 0);
    ASSERT_EQ(SetTableCellAttribute(panel, table, MakePoint(1, 1), ATTR_TEXT_BGCOLOR, 0x444444), 0);
    // A row before row 1 and a column between 1 and 2: the old cells move with their values.
    ASSERT_EQ(InsertTableRows(panel, table, 1, 1, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, 2, 1, -1), 0);
    // Now 4 rows (new, old 1, old 2, old 3) by 4 columns (old 1, new, old 2, old 3).
    struct Expect {
        int column, row, colour;
        const char* why;
    };
    const Expect expected[] = {
        {1, 1, 0x111111, "new row: the table's own cell colour"},
        {4, 1, 0x333333, "new row under column 3: the column's colour"},
        {1, 2, 0x444444, "the old cell (1,1) kept its own colour"},
        {2, 3, 0x222222, "new column across old row 2: the row's colour"},
        {2, 2, 0x111111, "new column across a plain row"},
        {3, 3, 0x222222, "old row 2 kept its colour"},
        {4, 3, 0x333333, "the column was set after the row: it wins in the crossing"},
        {4, 4, 0x333333, "old column 3 kept its colour"},
        {3, 4, 0x111111, "an untouched old cell"},
    };
    for (const Expect& e : expected) EXPECT_EQ(CellColour(e.column, e.row), e.colour) << e.why;
    int v = 0;
    ASSERT_EQ(GetTableRowAttribute(panel, table, 3, ATTR_TEXT_BGCOLOR, &v), 0);
    EXPECT_EQ(v, 0x222222) << "the row's own record moved with it";
    ASSERT_EQ(GetTableColumnAttribute(panel, table, 4, ATTR_TEXT_BGCOLOR, &v), 0);
    EXPECT_EQ(v, 0x333333);
}

TEST_F(TableLevelsTest, CellTypeOfInsertedLinesAndTheirValues) {
    ASSERT_EQ(InsertTableRows(panel, table, -1, 2, VAL_CELL_PICTURE), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 2, -1), 0);
    int type = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(1, 1), ATTR_CELL_TYPE, &type), 0);
    EXPECT_EQ(type, VAL_CELL_NUMERIC) << "columns given -1 take the table's type";
    ASSERT_EQ(SetTableCellAttribute(panel, table, MakePoint(2, 2), ATTR_DATA_TYPE, VAL_DOUBLE), 0);
    struct Case {
        Point cell;
        AttrValue value;
        int expected;
        const char* why;
    };
    const Case cases[] = {
        {MakePoint(1, 1), AttrValue(7), 0, "an int into an integer cell"},
        {MakePoint(1, 1), AttrValue(7.5), UIE_BAD_VALUE_TYPE, "a double is no integer"},
        {MakePoint(2, 2), AttrValue(7.5), 0, "a double into a double cell"},
        {MakePoint(2, 2), AttrValue(3), 0, "an int widens into a double cell"},
        {MakePoint(1, 2), AttrValue("090 40 10"), 0, "a text is shown as given"},
        {MakePoint(1, 2), AttrValue(static_cast<void*>(&clickX)), UIE_BAD_VALUE_TYPE,
         "a pointer is no value"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetTableCellVal(panel, table, c.cell, c.value), c.expected) << c.why;
    double d = 0;
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(2, 2), &d), 0);
    EXPECT_EQ(d, 3.0);
    int i = 0;
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(1, 1), &i), 0);
    EXPECT_EQ(i, 7) << "the refused double left the value as it was";
    std::string text;
    EXPECT_EQ(GetTableCellVal(panel, table, MakePoint(1, 1), &text), UIE_BAD_VALUE_TYPE);
}

TEST_F(TableLevelsTest, EveryRefusedAddressIsAnErrorCode) {
    ASSERT_EQ(InsertTableRows(panel, table, -1, 3, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 4, -1), 0);
    const int num = NewCtrl(panel, CTRL_NUMERIC, "", 0, 0);
    int i = 0;
    struct Case {
        const char* what;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"range rows past the end (sum overflows)",
         SetTableCellRangeAttribute(panel, table, MakeRect(2, 1, INT_MAX, 1), ATTR_TEXT_BGCOLOR, 0),
         UIE_OUT_OF_RANGE},
        {"range columns past the end (sum overflows)",
         FillTableCellRange(panel, table, MakeRect(1, 3, 1, INT_MAX), 5), UIE_OUT_OF_RANGE},
        {"range from the lowest int",
         SetTableCellRangeAttribute(panel, table, MakeRect(INT_MIN, 1, -1, 1), ATTR_TEXT_BGCOLOR, 0),
         UIE_OUT_OF_RANGE},
        {"range starting past the last row",
         SetTableCellRangeAttribute(panel, table, MakeRect(4, 1, -1, -1), ATTR_TEXT_BGCOLOR, 0),
         UIE_OUT_OF_RANGE},
        {"range of no rows", FillTableCellRange(panel, table, MakeRect(1, 1, 0, 1), 5), UIE_OUT_OF_RANGE},
        {"range of -2 columns", FillTableCellRange(panel, table, MakeRect(1, 1, 1, -2), 5), UIE_OUT_OF_RANGE},
        {"range one row too many", FillTableCellRange(panel, table, MakeRect(2, 1, 3, 1), 5),
         UIE_OUT_OF_RANGE},
        {"whole table by -1", FillTableCellRange(panel, table, MakeRect(1, 1, -1, -1), 5), 0},
        {"last cell exactly", FillTableCellRange(panel, table, MakeRect(3, 4, 1, 1), 6), 0},
        {"cell column 0", SetTableCellVal(panel, table, MakePoint(0, 1), 1), UIE_OUT_OF_RANGE},
        {"cell row 0", GetTableCellAttribute(panel, table, MakePoint(1, 0), ATTR_TEXT_BGCOLOR, &i),
         UIE_OUT_OF_RANGE},
        {"cell at the lowest ints", SetTableCellAttribute(panel, table, MakePoint(INT_MIN, INT_MIN), 690, 0),
         UIE_OUT_OF_RANGE},
        {"cell past both ends", SetActiveTableCell(panel, table, MakePoint(INT_MAX, INT_MAX)),
         UIE_OUT_OF_RANGE},
        {"row at the highest int", GetTableRowAttribute(panel, table, INT_MAX, ATTR_ROW_HEIGHT, &i),
         UIE_OUT_OF_RANGE},
        {"column -1", SetTableColumnAttribute(panel, table, -1, ATTR_COLUMN_WIDTH, 9), UIE_OUT_OF_RANGE},
        {"negative row height", SetTableRowAttribute(panel, table, 1, ATTR_ROW_HEIGHT, -5), UIE_OUT_OF_RANGE},
        {"rows at position 0", InsertTableRows(panel, table, 0, 1, -1), UIE_OUT_OF_RANGE},
        {"columns two past the end", InsertTableColumns(panel, table, 6, 1, -1), UIE_OUT_OF_RANGE},
        {"a negative count of rows", InsertTableRows(panel, table, -1, -3, -1), UIE_OUT_OF_RANGE},
        {"more rows than memory", InsertTableRows(panel, table, -1, INT_MAX, -1), UIE_OUT_OF_RANGE},
        {"more columns than memory", InsertTableColumns(panel, table, -1, INT_MAX - 2, -1), UIE_OUT_OF_RANGE},
        {"an unknown cell type", InsertTableColumns(panel, table, -1, 1, 3), UIE_OUT_OF_RANGE},
        {"drawn height is read only", SetTableRowAttribute(panel, table, 1, ATTR_ROW_ACTUAL_HEIGHT, 9),
         UIE_BAD_ATTRIBUTE},
        {"row height is no cell attribute",
         GetTableCellAttribute(panel, table, MakePoint(1, 1), ATTR_ROW_HEIGHT, &i), UIE_BAD_ATTRIBUTE},
        {"column width is no row attribute", SetTableRowAttribute(panel, table, 1, ATTR_COLUMN_WIDTH, 9),
         UIE_BAD_ATTRIBUTE},
        {"label box is no row attribute", SetTableRowAttribute(panel, table, 1, ATTR_LABEL_LEFT, 9),
         UIE_BAD_ATTRIBUTE},
        {"a text for a colour", SetTableCellAttribute(panel, table, MakePoint(1, 1), 690, "white"),
         UIE_BAD_VALUE_TYPE},
        {"a double for a row height", SetTableRowAttribute(panel, table, 1, ATTR_ROW_HEIGHT, 20.0),
         UIE_BAD_VALUE_TYPE},
        {"an int for a row label", SetTableRowAttribute(panel, table, 1, ATTR_LABEL_TEXT, 90),
         UIE_BAD_VALUE_TYPE},
        {"table call on a numeric", SetTableCellVal(panel, num, MakePoint(1, 1), 1), UIE_BAD_CONTROL},
        {"table call on no control", GetNumTableRows(panel, 77, &i), UIE_BAD_CONTROL},
        {"table call on no panel", InsertTableRows(panel + 50, table, -1, 1, -1), UIE_BAD_PANEL},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, c.expected) << c.what;
    int rows = 0, columns = 0;
    ASSERT_EQ(GetNumTableRows(panel, table, &rows), 0);
    ASSERT_EQ(GetNumTableColumns(panel, table, &columns), 0);
    EXPECT_EQ(rows, 3) << "refused inserts added nothing";
    EXPECT_EQ(columns, 4);
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(4, 3), &i), 0);
    EXPECT_EQ(i, 6);
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(4, 2), &i), 0);
    EXPECT_EQ(i, 5);
}

int NoteClick(int panel, int control, int event, void*, int, int) {
    if (event == EVENT_LEFT_CLICK)
        GetRelativeMouseState(panel, control, &clickX, &clickY, nullptr, nullptr, nullptr);
    return 0;
}

// The main window's geometry: labels 40 wide and 25 high, rows 25/50, columns 10/50. Every
// cell is painted its own colour and the grid is transparent, so a pixel names its cell.
TEST_F(TableLevelsTest, DrawnCellsGeometryAndPointerAgree) {
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_ROW_LABEL_WIDTH, 40), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_COLUMN_LABEL_HEIGHT, 25), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_HEIGHT, 340), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_WIDTH, 400), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, 513, &NoteClick), 0);
    ASSERT_EQ(InsertTableRows(panel, table, -1, 5, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 5, -1), 0);
    for (int r = 1; r <= 5; ++r)
        ASSERT_EQ(SetTableRowAttribute(panel, table, r, ATTR_ROW_HEIGHT, r % 2 ? 25 : 50), 0);
    for (int c = 1; c <= 5; ++c)
        ASSERT_EQ(SetTableColumnAttribute(panel, table, c, ATTR_COLUMN_WIDTH, c % 2 ? 10 : 50), 0);
    const Rect all = MakeRect(1, 1, -1, -1);
    ASSERT_EQ(SetTableCellRangeAttribute(panel, table, all, ATTR_HORIZONTAL_GRID_COLOR, VAL_TRANSPARENT), 0);
    ASSERT_EQ(SetTableCellRangeAttribute(panel, table, all, ATTR_VERTICAL_GRID_COLOR, VAL_TRANSPARENT), 0);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 5; ++c)
            ASSERT_EQ(SetTableCellAttribute(panel, table, MakePoint(c, r), ATTR_TEXT_BGCOLOR, r * 0x100 + c),
                      0);
    }
    int offY = 0, offX = 0, rowH1 = 0, rowH2 = 0, colW1 = 0, colW2 = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, table, ATTR_TABLE_FIRST_ROW_TOP, &offY), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, table, ATTR_TABLE_FIRST_COLUMN_LEFT, &offX), 0);
    ASSERT_EQ(GetTableRowAttribute(panel, table, 1, ATTR_ROW_ACTUAL_HEIGHT, &rowH1), 0);
    ASSERT_EQ(GetTableRowAttribute(panel, table, 2, ATTR_ROW_ACTUAL_HEIGHT, &rowH2), 0);
    ASSERT_EQ(GetTableColumnAttribute(panel, table, 1, ATTR_COLUMN_ACTUAL_WIDTH, &colW1), 0);
    ASSERT_EQ(GetTableColumnAttribute(panel, table, 2, ATTR_COLUMN_ACTUAL_WIDTH, &colW2), 0);
    EXPECT_EQ((std::vector<int>{offY, offX, rowH1, rowH2, colW1, colW2}),
              (std::vector<int>{25, 40, 25, 50, 10, 50}));
    const auto image = ui_testing::GrabPanel(panel);
    ASSERT_GE(image.width, 20 + 400);
    // Positions from the top-left of row 1 and column 1, at the edges the hit test relies on.
    struct Spot {
        int x, y, column, row;
    };
    const Spot spots[] = {
        {0, 0, 1, 1},   {9, 24, 1, 1},  {10, 25, 2, 2},  {59, 74, 2, 2},
        {60, 75, 3, 3}, {69, 99, 3, 3}, {70, 100, 4, 4}, {129, 174, 5, 5},
    };
    for (const Spot& s : spots) {
        const int x = offX + s.x, y = offY + s.y;
        EXPECT_EQ(image.At(20 + x, 10 + y), static_cast<unsigned>(s.row * 0x100 + s.column))
            << "pixel " << s.x << "," << s.y;
        clickX = clickY = -1;
        ui_testing::SendClick(panel, table, x, y);
        EXPECT_EQ(clickX, x);
        EXPECT_EQ(clickY, y);
    }
}

}  // namespace
