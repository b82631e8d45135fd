// Canvas drawing: dots, lines, bitmaps, text, clearing, and what the canvas shows.
#include <QApplication>
#include <QRect>
#include <vector>

#include "drawing_fixture.h"
#include "platform/ui/canvas_widget.h"
#include "platform/ui/registry.h"

namespace {

using drawing_test::Packed;

constexpr int kWhite = 0xFFFFFF;
constexpr int kRed = 0xFF0000;
constexpr int kBlue = 0x0000FF;

class CanvasTest : public drawing_test::DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        canvas_ = Make(CTRL_CANVAS, 20, 30, 100, 120);
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_CANVAS_BACKGROUND, kWhite), 0);
        ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(0, 0, -1, -1)), 0);
    }
    QImage Shown() {
        int bitmap = 0;
        EXPECT_EQ(GetCtrlBitmap(panel_, canvas_, 0, &bitmap), 0);
        return Take(bitmap);
    }
    void Pen(int colour, int width) {
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_COLOR, colour), 0);
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, width), 0);
    }
    // The smallest rectangle that holds every pixel of the colour.
    static QRect Extent(const QImage& image, int colour) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Packed(image, x, y) == colour) box |= QRect(x, y, 1, 1);
        return box;
    }
    static int Count(const QImage& image, int colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += Packed(image, x, y) == colour;
        return n;
    }
    int canvas_ = 0;
};

TEST_F(CanvasTest, ClearedCanvasShowsItsBackgroundAtItsSize) {
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(120, 100));
    EXPECT_EQ(Count(shown, kWhite), 120 * 100);
}

TEST_F(CanvasTest, DotsAreSquaresOfThePenWidthCentredOnThePoint) {
    struct Row {
        int width;
        QRect square;  // expected extent for a dot at (50, 40)
    };
    const Row rows[] = {
        {1, QRect(50, 40, 1, 1)},    {2, QRect(49, 39, 2, 2)},
        {5, QRect(48, 38, 5, 5)},    {10, QRect(45, 35, 10, 10)},  // the 3D chart's dot at scale 2.5
        {12, QRect(44, 34, 12, 12)},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(0, 0, -1, -1)), 0);
        Pen(kRed, row.width);
        ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(50, 40)), 0);
        const QImage shown = Shown();
        EXPECT_EQ(Extent(shown, kRed), row.square) << "width " << row.width;
        EXPECT_EQ(Count(shown, kRed), row.width * row.width) << "width " << row.width;
    }
}

TEST_F(CanvasTest, DotsAtTheEdgeAreCutAndLaterDotsCoverEarlierOnes) {
    Pen(kRed, 10);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(0, 0)), 0);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(300, 300)), 0) << "outside: no failure";
    Pen(kBlue, 10);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(6, 6)), 0);
    const QImage shown = Shown();
    EXPECT_EQ(Extent(shown, kRed), QRect(0, 0, 5, 5));
    EXPECT_EQ(Count(shown, kRed), 25 - 16) << "the blue dot covers 4 x 4 of the red one";
    EXPECT_EQ(Extent(shown, kBlue), QRect(1, 1, 10, 10));
}

TEST_F(CanvasTest, LinesInThePenColourAndWidthCoverBothEnds) {
    Pen(kRed, 1);
    ASSERT_EQ(CanvasDrawLine(panel_, canvas_, MakePoint(10, 20), MakePoint(40, 20)), 0);
    Pen(kBlue, 3);
    ASSERT_EQ(CanvasDrawLine(panel_, canvas_, MakePoint(80, 10), MakePoint(80, 60)), 0);
    const QImage shown = Shown();
    EXPECT_EQ(Extent(shown, kRed), QRect(QPoint(10, 20), QPoint(40, 20)));
    EXPECT_EQ(Count(shown, kRed), 31);
    EXPECT_EQ(Extent(shown, kBlue), QRect(QPoint(79, 9), QPoint(81, 61)));
}

TEST_F(CanvasTest, ALineOfNoLengthIsOnePixel) {
    Pen(kRed, 1);
    ASSERT_EQ(CanvasDrawLine(panel_, canvas_, MakePoint(60, 50), MakePoint(60, 50)), 0);
    EXPECT_EQ(Extent(Shown(), kRed), QRect(60, 50, 1, 1));
}

TEST_F(CanvasTest, TransparentPenDrawsNothing) {
    Pen(VAL_TRANSPARENT, 10);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(50, 50)), 0);
    ASSERT_EQ(CanvasDrawLine(panel_, canvas_, MakePoint(0, 0), MakePoint(100, 90)), 0);
    ASSERT_EQ(CanvasDrawTextAtPoint(panel_, canvas_, "a*", "NIAppMetaFont", MakePoint(50, 50), VAL_CENTER),
              0);
    EXPECT_EQ(Count(Shown(), kWhite), 120 * 100);
}

TEST_F(CanvasTest, ABitmapOverTheWholeCanvas) {
    QImage picture(120, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) picture.setPixel(x, y, qRgb(x * 2, y * 2, 77));
    const int bitmap = ui_detail::StoreBitmap(picture);
    ASSERT_EQ(CanvasDrawBitmap(panel_, canvas_, bitmap, MakeRect(0, 0, -1, -1), MakeRect(0, 0, -1, -1)), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
    const QImage shown = Shown();
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 120; ++x) ASSERT_EQ(shown.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
}

TEST_F(CanvasTest, ASmallerBitmapIsStretchedOverTheWholeCanvas) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(0, 1, qRgb(0, 0, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 0));
    const int bitmap = ui_detail::StoreBitmap(picture);
    ASSERT_EQ(CanvasDrawBitmap(panel_, canvas_, bitmap, MakeRect(0, 0, -1, -1), MakeRect(0, 0, -1, -1)), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
    const QImage shown = Shown();
    // Corners are far from the blended middle: each shows its quarter's colour.
    EXPECT_EQ(Packed(shown, 0, 0), 0xFF0000);
    EXPECT_EQ(Packed(shown, 119, 0), 0x00FF00);
    EXPECT_EQ(Packed(shown, 0, 99), 0x0000FF);
    EXPECT_EQ(Packed(shown, 119, 99), 0xFFFF00);
}

TEST_F(CanvasTest, TextInThePenColourCentredOnItsAnchor) {
    // Glyphs do not fill their box: the ink may sit off the box's centre by a few pixels.
    constexpr int kInkCentreTolerance = 3;
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_FILL_COLOR, VAL_TRANSPARENT), 0);
    Pen(kRed, 1);
    ASSERT_EQ(CanvasDrawTextAtPoint(panel_, canvas_, "L*", "NIAppMetaFont", MakePoint(60, 50), VAL_CENTER),
              0);
    const QImage shown = Shown();
    const QRect ink = Extent(shown, kRed);
    ASSERT_FALSE(ink.isEmpty()) << "no text drawn";
    EXPECT_NEAR(ink.center().x(), 60, kInkCentreTolerance);
    EXPECT_NEAR(ink.center().y(), 50, kInkCentreTolerance);
    EXPECT_LT(ink.width(), 40);
}

TEST_F(CanvasTest, ColourBehindTextFillsTheTextBox) {
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_FILL_COLOR, kBlue), 0);
    Pen(kRed, 1);
    ASSERT_EQ(CanvasDrawTextAtPoint(panel_, canvas_, "b*", "NIAppMetaFont", MakePoint(60, 50), VAL_CENTER),
              0);
    const QImage shown = Shown();
    const QRect behind = Extent(shown, kBlue);
    ASSERT_FALSE(behind.isEmpty());
    EXPECT_TRUE(behind.contains(QPoint(60, 50)));
    EXPECT_TRUE(behind.contains(Extent(shown, kRed)));
}

TEST_F(CanvasTest, ClearPaintsTheBackgroundOverAPart) {
    Pen(kRed, 200);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(60, 50)), 0);  // all red
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_CANVAS_BACKGROUND, 0xF2F2FF), 0);
    ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(10, 20, 30, -1)), 0);
    const QImage shown = Shown();
    EXPECT_EQ(Extent(shown, 0xF2F2FF), QRect(20, 10, 100, 30));
    EXPECT_EQ(Packed(shown, 19, 10), kRed);
    EXPECT_EQ(Packed(shown, 20, 40), kRed);
}

TEST_F(CanvasTest, ATransparentBackgroundShowsThePanelBehind) {
    Pen(kRed, 200);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(60, 50)), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_CANVAS_BACKGROUND, VAL_TRANSPARENT), 0);
    ASSERT_EQ(CanvasClear(panel_, canvas_, MakeRect(0, 0, -1, -1)), 0);
    const QImage shown = Shown();
    EXPECT_EQ(Packed(shown, 0, 0), kPanelColour);
    EXPECT_EQ(Packed(shown, 119, 99), kPanelColour);
}

TEST_F(CanvasTest, DrawingStaysWhileHiddenAndThroughAResize) {
    // The panel was never displayed: the 3D chart draws its background before it is shown.
    Pen(kRed, 4);
    ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(10, 10)), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_WIDTH, 150), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_HEIGHT, 110), 0);
    const QImage shown = Shown();
    ASSERT_EQ(shown.size(), QSize(150, 110));
    EXPECT_EQ(Extent(shown, kRed), QRect(8, 8, 4, 4));
    EXPECT_EQ(Packed(shown, 140, 105), kWhite) << "the new part takes the background";
}

TEST_F(CanvasTest, ABatchOfDrawingCallsCostsOneRepaint) {
    ASSERT_EQ(DisplayPanel(panel_), 0);
    QApplication::processEvents();
    auto* widget = dynamic_cast<ui_detail::CanvasWidget*>(ui_detail::ControlWidget(panel_, canvas_));
    ASSERT_NE(widget, nullptr);
    const int before = widget->PaintCount();
    Pen(kRed, 10);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(i % 120, i % 100)), 0);
    QApplication::processEvents();
    EXPECT_EQ(widget->PaintCount(), before + 1);
}

// The 3D chart sets the pen colour before every dot: each dot keeps its colour, the canvas
// stays where it is, and the batch still costs one repaint.
TEST_F(CanvasTest, APenColourBeforeEveryDotColoursEachAndCostsOneRepaint) {
    ASSERT_EQ(DisplayPanel(panel_), 0);
    QApplication::processEvents();
    auto* widget = dynamic_cast<ui_detail::CanvasWidget*>(ui_detail::ControlWidget(panel_, canvas_));
    ASSERT_NE(widget, nullptr);
    const QRect placed = widget->geometry();
    const int before = widget->PaintCount();
    ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_WIDTH, 4), 0);
    const int colours[] = {kRed, kBlue, 0x00FF00};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(SetCtrlAttribute(panel_, canvas_, ATTR_PEN_COLOR, colours[i]), 0);
        ASSERT_EQ(CanvasDrawPoint(panel_, canvas_, MakePoint(10 + 20 * i, 10)), 0);
    }
    QApplication::processEvents();
    EXPECT_EQ(widget->PaintCount(), before + 1);
    EXPECT_EQ(widget->geometry(), placed);
    const QImage shown = Shown();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Extent(shown, colours[i]), QRect(8 + 20 * i, 8, 4, 4)) << i;
}

TEST_F(CanvasTest, RefusedCalls) {
    const int picture = Make(CTRL_PICTURE, 150, 30, 20, 20);
    const int bitmap = drawing_test::SolidBitmap(4, 4, kRed);
    const Rect all = MakeRect(0, 0, -1, -1);
    EXPECT_EQ(CanvasDrawPoint(panel_ + 1000, canvas_, MakePoint(1, 1)), UIE_BAD_PANEL);
    EXPECT_EQ(CanvasDrawPoint(panel_, canvas_ + 1000, MakePoint(1, 1)), UIE_BAD_CONTROL);
    EXPECT_LT(CanvasDrawPoint(panel_, picture, MakePoint(1, 1)), 0);
    EXPECT_LT(CanvasDrawLine(panel_, picture, MakePoint(1, 1), MakePoint(2, 2)), 0);
    EXPECT_LT(CanvasClear(panel_, picture, all), 0);
    EXPECT_LT(CanvasClear(panel_, canvas_, MakeRect(0, 0, -5, 10)), 0);
    EXPECT_LT(CanvasDrawBitmap(panel_, canvas_, 0, all, all), 0);
    EXPECT_LT(CanvasDrawBitmap(panel_, picture, bitmap, all, all), 0);
    EXPECT_LT(CanvasDrawTextAtPoint(panel_, canvas_, nullptr, "NIAppMetaFont", MakePoint(1, 1), VAL_CENTER),
              0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
    EXPECT_LT(CanvasDrawBitmap(panel_, canvas_, bitmap, all, all), 0) << "discarded";
    EXPECT_EQ(Count(Shown(), kWhite), 120 * 100) << "no refused call drew anything";
}

}  // namespace
