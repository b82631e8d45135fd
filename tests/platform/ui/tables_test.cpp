// Tables: rows and columns from 1, the three attribute levels, picture cells, ranges and
// the geometry the hit test reads.
#include <QImage>

#include "platform/ui/bitmap_store.h"
#include "tests/platform/ui/ui_fixture.h"

namespace {

// The main window's table as its builder shapes it: 17 rows 25/50 high, 25 columns 10/50 wide.
class TableTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "t", 21, 5, 780, 860);
        table = NewCtrl(panel, CTRL_TABLE, "chart", 90, 71);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TEXT_BGCOLOR, 0xFFFFFF), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_ROW_LABEL_WIDTH, 40), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_COLUMN_LABEL_HEIGHT, 25), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_HEIGHT, 638), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_WIDTH, 776), 0);
        ASSERT_EQ(InsertTableRows(panel, table, -1, 17, -1), 0);
        for (int r = 1; r <= 17; ++r) {
            ASSERT_EQ(SetTableRowAttribute(panel, table, r, ATTR_ROW_HEIGHT, r % 2 ? 25 : 50), 0);
        }
        ASSERT_EQ(InsertTableColumns(panel, table, -1, 25, -1), 0);
        for (int c = 1; c <= 25; ++c) {
            ASSERT_EQ(SetTableColumnAttribute(panel, table, c, ATTR_COLUMN_WIDTH, c % 2 ? 10 : 50), 0);
        }
    }
    int panel = 0;
    int table = 0;
};

TEST_F(TableTest, SizesAsSetAndAsDrawn) {
    int rows = 0, cols = 0;
    ASSERT_EQ(GetNumTableRows(panel, table, &rows), 0);
    ASSERT_EQ(GetNumTableColumns(panel, table, &cols), 0);
    EXPECT_EQ(rows, 17);
    EXPECT_EQ(cols, 25);
    struct Row {
        int index, height;
    };
    for (Row r : {Row{1, 25}, Row{2, 50}, Row{16, 50}, Row{17, 25}}) {
        int h = 0, drawn = 0;
        ASSERT_EQ(GetTableRowAttribute(panel, table, r.index, ATTR_ROW_HEIGHT, &h), 0);
        ASSERT_EQ(GetTableRowAttribute(panel, table, r.index, ATTR_ROW_ACTUAL_HEIGHT, &drawn), 0);
        EXPECT_EQ(h, r.height);
        EXPECT_EQ(drawn, r.height) << "unscaled, rows are drawn as set";
    }
    int w = 0, offY = 0, offX = 0;
    ASSERT_EQ(GetTableColumnAttribute(panel, table, 2, ATTR_COLUMN_ACTUAL_WIDTH, &w), 0);
    EXPECT_EQ(w, 50);
    ASSERT_EQ(GetCtrlAttribute(panel, table, ATTR_TABLE_FIRST_ROW_TOP, &offY), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, table, ATTR_TABLE_FIRST_COLUMN_LEFT, &offX), 0);
    EXPECT_EQ(offY, 25) << "row 1 starts under the column labels";
    EXPECT_EQ(offX, 40) << "column 1 starts right of the row labels";
}

TEST_F(TableTest, LineAttributesReachEveryCellAndCellsKeepTheirOwn) {
    ASSERT_EQ(SetTableRowAttribute(panel, table, 3, ATTR_TEXT_POINT_SIZE, 13), 0);
    ASSERT_EQ(SetTableColumnAttribute(panel, table, 24, ATTR_TEXT_COLOR, 0x123456), 0);
    ASSERT_EQ(SetTableCellAttribute(panel, table, MakePoint(24, 3), ATTR_TEXT_COLOR, 0x303030), 0);
    int v = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(1, 3), ATTR_TEXT_POINT_SIZE, &v), 0);
    EXPECT_EQ(v, 13);
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(24, 17), ATTR_TEXT_COLOR, &v), 0);
    EXPECT_EQ(v, 0x123456);
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(24, 3), ATTR_TEXT_COLOR, &v), 0);
    EXPECT_EQ(v, 0x303030) << "a later cell setting wins over its column's";
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(5, 5), ATTR_TEXT_BGCOLOR, &v), 0);
    EXPECT_EQ(v, 0xFFFFFF) << "new cells take the table's own cell attributes";
    std::string label;
    ASSERT_EQ(SetTableRowAttribute(panel, table, 2, ATTR_LABEL_TEXT, "90"), 0);
    ASSERT_EQ(GetTableRowAttribute(panel, table, 2, ATTR_LABEL_TEXT, &label), 0);
    EXPECT_EQ(label, "90");
    double inf = 0;
    ASSERT_EQ(SetTableRowAttribute(panel, table, 2, ATTR_MAX_VALUE, *_GetDoubleInf()), 0);
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(7, 2), ATTR_MAX_VALUE, &inf), 0);
    EXPECT_EQ(inf, *_GetDoubleInf());
}

TEST_F(TableTest, PictureCellsKeepTheirOwnCopyAndTheTypeComesBack) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    const int bitmap = ui_detail::StoreBitmap(image);
    const Point cell = MakePoint(24, 3);
    int saved = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, cell, ATTR_CELL_TYPE, &saved), 0);
    EXPECT_EQ(saved, VAL_CELL_NUMERIC);
    ASSERT_EQ(SetTableCellAttribute(panel, table, cell, ATTR_CELL_TYPE, VAL_CELL_PICTURE), 0);
    ASSERT_EQ(SetTableCellVal(panel, table, cell, bitmap), 0);
    ASSERT_EQ(SetTableCellAttribute(panel, table, cell, ATTR_CELL_TYPE, saved), 0);
    ASSERT_TRUE(ui_detail::DropBitmap(bitmap));
    int type = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, cell, ATTR_CELL_TYPE, &type), 0);
    EXPECT_EQ(type, VAL_CELL_NUMERIC);
    ASSERT_EQ(SetTableCellAttribute(panel, table, cell, ATTR_CELL_TYPE, VAL_CELL_PICTURE), 0);
    EXPECT_EQ(SetTableCellVal(panel, table, cell, bitmap), UIE_BAD_ARGUMENT)
        << "a discarded bitmap is refused";
    EXPECT_EQ(SetTableCellVal(panel, table, cell, "text"), UIE_BAD_VALUE_TYPE);
}

TEST_F(TableTest, RangesFillAndColourWithoutTouchingOtherCells) {
    ASSERT_EQ(FillTableCellRange(panel, table, MakeRect(1, 1, 17, 25), "x"), 0);
    ASSERT_EQ(SetTableCellRangeAttribute(panel, table, MakeRect(1, 1, 17, 25), ATTR_TEXT_BGCOLOR, 0x000000),
              0);
    ASSERT_EQ(SetTableCellRangeAttribute(panel, table, MakeRect(12, 22, 1, 1), ATTR_TEXT_BGCOLOR, 0xFFEEBB),
              0);
    ASSERT_EQ(SetTableCellVal(panel, table, MakePoint(22, 13), "010 40 53"), 0);
    int colour = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(22, 12), ATTR_TEXT_BGCOLOR, &colour), 0);
    EXPECT_EQ(colour, 0xFFEEBB) << "MakeRect is top (row), left (column)";
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(12, 22 - 10), ATTR_TEXT_BGCOLOR, &colour), 0);
    EXPECT_EQ(colour, 0x000000);
    std::string text;
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(22, 13), &text), 0);
    EXPECT_EQ(text, "010 40 53");
    ASSERT_EQ(GetTableCellVal(panel, table, MakePoint(25, 17), &text), 0);
    EXPECT_EQ(text, "x");
    ASSERT_EQ(SetActiveTableCell(panel, table, MakePoint(24, 3)), 0);
    Point active{};
    ASSERT_EQ(GetActiveTableCell(panel, table, &active), 0);
    EXPECT_EQ(active.x, 24);
    EXPECT_EQ(active.y, 3);
    EXPECT_EQ(SetActiveTableCell(panel, table, MakePoint(26, 3)), UIE_OUT_OF_RANGE);
}

int lastEvent = 0, lastX = -1, lastY = -1, clickX = -1, clickY = -1;
int RecordMouse(int panel, int control, int event, void*, int data1, int data2) {
    lastEvent = event;
    clickY = data1;
    clickX = data2;
    GetRelativeMouseState(panel, control, &lastX, &lastY, nullptr, nullptr, nullptr);
    return 0;
}

TEST_F(TableTest, ClicksReachAnIndicatorWithThePointerPosition) {
    ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, table, 513, &RecordMouse), 0);
    // Column 2, row 2 of the table: past the labels (40, 25) and the first narrow row and column.
    ui_testing::SendClick(panel, table, 40 + 10 + 5, 25 + 25 + 5);
    EXPECT_EQ(lastEvent, EVENT_LEFT_CLICK);
    EXPECT_EQ(lastX, 55);
    EXPECT_EQ(lastY, 55);
    EXPECT_EQ(clickX, 71 + 55) << "event data carry the position on the panel";
    EXPECT_EQ(clickY, 90 + 55);
}

}  // namespace
