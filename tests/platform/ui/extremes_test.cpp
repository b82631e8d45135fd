// Positions, sizes and rectangles at the ends of the int range: refused or cut to what can be
// shown, never wrapped around. Run under the sanitizers these also catch overflowing sums.
#include <climits>

#include "drawing_fixture.h"

namespace {

using drawing_test::Packed;

constexpr int kWhite = 0xFFFFFF;
constexpr int kRed = 0xFF0000;

class ExtremesTest : public drawing_test::DrawingTest {};

TEST_F(ExtremesTest, WildPositionsAndSizesAreRefusedAndLeaveTheControlInPlace) {
    const int ctrl = Make(CTRL_COMMAND_BUTTON, 40, 50, 23, 60);
    struct Row {
        int attribute;
        int value;
        int kept;
    };
    const Row rows[] = {
        {ATTR_LEFT, INT_MAX, 50},         {ATTR_LEFT, INT_MIN, 50},     {ATTR_TOP, INT_MAX, 40},
        {ATTR_TOP, INT_MIN, 40},          {ATTR_WIDTH, INT_MAX, 60},    {ATTR_HEIGHT, INT_MAX, 23},
        {ATTR_LABEL_LEFT, INT_MAX, 7},    {ATTR_LABEL_TOP, INT_MIN, 8}, {ATTR_LABEL_WIDTH, INT_MAX, 9},
        {ATTR_LABEL_HEIGHT, INT_MAX, 10},
    };
    ASSERT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_LABEL_LEFT, 7), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_LABEL_TOP, 8), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_LABEL_WIDTH, 9), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_LABEL_HEIGHT, 10), 0);
    for (const Row& row : rows) {
        EXPECT_EQ(SetCtrlAttribute(panel_, ctrl, row.attribute, row.value), UIE_OUT_OF_RANGE)
            << "attribute " << row.attribute << " value " << row.value;
        int now = 0;
        ASSERT_EQ(GetCtrlAttribute(panel_, ctrl, row.attribute, &now), 0);
        EXPECT_EQ(now, row.kept) << "attribute " << row.attribute;
    }
    // Far off-screen but sound places are still taken, as labels above a panel's top are.
    EXPECT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_LEFT, -5000), 0);
    EXPECT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_TOP, 100000), 0);

    EXPECT_EQ(NewCtrl(panel_, CTRL_COMMAND_BUTTON, "", INT_MAX, 0), UIE_OUT_OF_RANGE);
    EXPECT_EQ(NewCtrl(panel_, CTRL_COMMAND_BUTTON, "", 0, INT_MIN), UIE_OUT_OF_RANGE);
    EXPECT_EQ(NewPanel(0, "wide", 0, 0, 100, INT_MAX), UIE_OUT_OF_RANGE);
    EXPECT_EQ(NewPanel(0, "far", INT_MIN, 0, 100, 100), UIE_OUT_OF_RANGE);
    EXPECT_EQ(SetPanelAttribute(panel_, ATTR_WIDTH, INT_MAX), UIE_OUT_OF_RANGE);
    EXPECT_EQ(SetPanelAttribute(panel_, ATTR_LEFT, INT_MIN), UIE_OUT_OF_RANGE);
    int width = 0;
    ASSERT_EQ(GetPanelAttribute(panel_, ATTR_WIDTH, &width), 0);
    EXPECT_EQ(width, 400);
}

TEST_F(ExtremesTest, PanelBitmapOfAnOversizedAreaIsCutToThePanel) {
    struct Row {
        Rect area;
        int width;
        int height;
    };
    const Row rows[] = {
        {MakeRect(0, 1, -1, INT_MAX), 399, 300},
        {MakeRect(2, 0, INT_MAX, INT_MAX), 400, 298},
        {MakeRect(299, 399, INT_MAX, -1), 1, 1},
    };
    for (const Row& row : rows) {
        int bitmap = 0;
        ASSERT_EQ(GetPanelDisplayBitmap(panel_, 0, row.area, &bitmap), 0);
        const QImage image = Take(bitmap);
        EXPECT_EQ(image.size(), QSize(row.width, row.height));
    }
    int bitmap = -1;
    EXPECT_LT(GetPanelDisplayBitmap(panel_, 0, MakeRect(INT_MAX, 0, -1, -1), &bitmap), 0);
    EXPECT_EQ(bitmap, 0);
}

class ExtremeCanvasTest : public drawing_test::DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        canvas_ = Make(CTRL_CANVAS, 0, 0, 40, 50);
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_CANVAS_BACKGROUND, kWhite), 0);
        ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(0, 0, -1, -1)), 0);
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_COLOR, kRed), 0);
    }
    int Count(int colour) {
        int bitmap = 0;
        EXPECT_EQ(GetCtrlBitmap(panel_, canvas_, 0, &bitmap), 0);
        const QImage shown = Take(bitmap);
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) n += Packed(shown, x, y) == colour;
        return n;
    }
    int canvas_ = 0;
};

TEST_F(ExtremeCanvasTest, FarPointsAndHugePensDrawOnlyWhatFallsOnTheCanvas) {
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, 3), 0);
    EXPECT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(INT_MAX - 1, INT_MAX - 1)), 0);
    EXPECT_EQ(CanvasDrawTextAtPoint(panel_, canvas_, "far", "NIAppMetaFont", MakePoint(INT_MIN, INT_MAX), 9),
              0);
    EXPECT_EQ(Count(kRed), 0);

    // A horizontal line between the ends of the int range crosses the whole canvas on its row.
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, 1), 0);
    EXPECT_EQ(CanvasDrawLine(panel_, canvas_, MakePoint(INT_MIN, 10), MakePoint(INT_MAX, 10)), 0);
    EXPECT_EQ(Count(kRed), 50);

    // A dot of the widest pen covers the canvas.
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, INT_MAX), 0);
    EXPECT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(25, 20)), 0);
    EXPECT_EQ(Count(kRed), 50 * 40);
}

TEST_F(ExtremeCanvasTest, AreasReachingPastTheIntRangeClearWhatTheyCover) {
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, INT_MAX), 0);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(25, 20)), 0);
    ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(30, 40, INT_MAX, INT_MAX)), 0);
    EXPECT_EQ(Count(kWhite), 10 * 10);
    ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(INT_MIN, INT_MIN, -1, -1)), 0);
    EXPECT_EQ(Count(kWhite), 50 * 40);
}

TEST_F(ExtremesTest, IntegerFieldWithARangeBeyondIntTakesTheNearestInt) {
    const int field = Make(CTRL_NUMERIC, 10, 10, 20, 70);
    ASSERT_EQ(SetCtrlAttribute(panel_, field, ATTR_DATA_TYPE, VAL_INTEGER), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, field, ATTR_MAX_VALUE, 1e12), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, field, ATTR_MIN_VALUE, 1e11), 0);
    ASSERT_EQ(SetCtrlVal(panel_, field, 5), 0);
    int value = 0;
    ASSERT_EQ(GetCtrlVal(panel_, field, &value), 0);
    EXPECT_EQ(value, INT_MAX);
}

}  // namespace
