// Bitmaps of pictures, controls and panels, and the clipboard.
#include <QApplication>
#include <QClipboard>

#include "drawing_fixture.h"

namespace {

using drawing_test::Packed;
using drawing_test::SolidBitmap;

class BitmapsTest : public drawing_test::DrawingTest {};

TEST_F(BitmapsTest, APictureKeepsItsOwnCopy) {
    const int picture = Make(CTRL_PICTURE, 10, 10, 60, 60);
    QImage image(60, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) image.setPixel(x, y, qRgb(x * 4, y * 4, 9));
    const int bitmap = ui_detail::StoreBitmap(image);
    ASSERT_EQ(SetCtrlBitmap(panel_, picture, 0, bitmap), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0) << "the builders free the bitmap at once";
    int copy = 0;
    ASSERT_EQ(GetCtrlBitmap(panel_, picture, 0, &copy), 0);
    ASSERT_GT(copy, 0);
    ASSERT_NE(copy, bitmap);
    const QImage got = Take(copy);
    ASSERT_EQ(got.size(), image.size());
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) ASSERT_EQ(got.pixel(x, y), image.pixel(x, y));
    // It also shows on the panel.
    int shot = 0;
    ASSERT_EQ(GetPanelDisplayBitmap(panel_, 0, MakeRect(0, 0, -1, -1), &shot), 0);
    EXPECT_EQ(Take(shot).pixel(10 + 30, 10 + 20), image.pixel(30, 20));
}

TEST_F(BitmapsTest, SetCtrlBitmapRefusals) {
    const int picture = Make(CTRL_PICTURE, 10, 10, 60, 60);
    const int canvas = Make(CTRL_CANVAS, 100, 10, 60, 60);
    const int bitmap = SolidBitmap(4, 4, 0xFF0000);
    EXPECT_EQ(SetCtrlBitmap(panel_ + 1000, picture, 0, bitmap), UIE_BAD_PANEL);
    EXPECT_EQ(SetCtrlBitmap(panel_, picture + 1000, 0, bitmap), UIE_BAD_CONTROL);
    EXPECT_LT(SetCtrlBitmap(panel_, canvas, 0, bitmap), 0);
    EXPECT_LT(SetCtrlBitmap(panel_, picture, 0, bitmap + 1000), 0);
    ASSERT_EQ(SetCtrlBitmap(panel_, picture, 0, bitmap), 0);
    ASSERT_EQ(SetCtrlBitmap(panel_, picture, 0, 0), 0) << "0 takes the image away";
    int copy = -1;
    ASSERT_EQ(GetCtrlBitmap(panel_, picture, 0, &copy), 0);
    EXPECT_EQ(copy, 0);
    EXPECT_LT(GetCtrlBitmap(panel_, picture + 1000, 0, &copy), 0);
    EXPECT_EQ(copy, 0);
    EXPECT_LT(GetCtrlBitmap(panel_, picture, 0, nullptr), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
}

TEST_F(BitmapsTest, PanelDisplayBitmapLeavesHiddenControlsOut) {
    const int shown = Make(CTRL_PICTURE, 10, 10, 40, 40);
    const int hidden = Make(CTRL_PICTURE, 10, 100, 40, 40);
    const int red = SolidBitmap(40, 40, 0xFF0000);
    const int blue = SolidBitmap(40, 40, 0x0000FF);
    ASSERT_EQ(SetCtrlBitmap(panel_, shown, 0, red), 0);
    ASSERT_EQ(SetCtrlBitmap(panel_, hidden, 0, blue), 0);
    ASSERT_EQ(DiscardBitmap(red), 0);
    ASSERT_EQ(DiscardBitmap(blue), 0);
    // Hidden right before the picture is taken, with no event processed in between.
    ASSERT_EQ(SetCtrlAttribute(panel_, hidden, ATTR_VISIBLE, 0), 0);
    for (bool displayed : {false, true}) {
        if (displayed) {
            ASSERT_EQ(DisplayPanel(panel_), 0);
            QApplication::processEvents();
        }
        int bitmap = 0;
        ASSERT_EQ(GetPanelDisplayBitmap(panel_, 0, MakeRect(0, 0, -1, -1), &bitmap), 0);
        const QImage image = Take(bitmap);
        ASSERT_EQ(image.size(), QSize(400, 300)) << "displayed " << displayed;
        EXPECT_EQ(Packed(image, 30, 30), 0xFF0000) << "displayed " << displayed;
        EXPECT_EQ(Packed(image, 120, 30), kPanelColour) << "displayed " << displayed;
    }
}

TEST_F(BitmapsTest, PanelDisplayBitmapOfAPart) {
    const int picture = Make(CTRL_PICTURE, 10, 10, 40, 40);
    const int red = SolidBitmap(40, 40, 0xFF0000);
    ASSERT_EQ(SetCtrlBitmap(panel_, picture, 0, red), 0);
    ASSERT_EQ(DiscardBitmap(red), 0);
    int bitmap = 0;
    ASSERT_EQ(GetPanelDisplayBitmap(panel_, 0, MakeRect(30, 40, 50, -1), &bitmap), 0);
    const QImage part = Take(bitmap);
    ASSERT_EQ(part.size(), QSize(360, 50));
    EXPECT_EQ(Packed(part, 9, 19), 0xFF0000);  // panel (49, 49): the picture's last pixel
    EXPECT_EQ(Packed(part, 10, 20), kPanelColour);
    EXPECT_LT(GetPanelDisplayBitmap(panel_, 0, MakeRect(500, 0, -1, -1), &bitmap), 0) << "outside the panel";
    EXPECT_EQ(bitmap, 0);
    EXPECT_EQ(GetPanelDisplayBitmap(panel_ + 1000, 0, MakeRect(0, 0, -1, -1), &bitmap), UIE_BAD_PANEL);
    EXPECT_LT(GetPanelDisplayBitmap(panel_, 0, MakeRect(0, 0, -1, -1), nullptr), 0);
}

TEST_F(BitmapsTest, ClipboardRoundTrip) {
    QImage image(33, 21, QImage::Format_RGB32);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 33; ++x) image.setPixel(x, y, qRgb(x * 7, y * 11, 200));
    const int bitmap = ui_detail::StoreBitmap(image);
    ASSERT_EQ(ClipboardPutBitmap(bitmap), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0) << "the clipboard keeps its own copy";
    int back = 0, available = 0;
    ASSERT_EQ(ClipboardGetBitmap(&back, &available), 0);
    ASSERT_GT(back, 0);
    EXPECT_EQ(available, 1);
    const QImage got = Take(back);
    ASSERT_EQ(got.size(), image.size());
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 33; ++x) ASSERT_EQ(Packed(got, x, y), Packed(image, x, y)) << x << "," << y;
}

TEST_F(BitmapsTest, ClipboardWithoutAnImageAndBadHandles) {
    QGuiApplication::clipboard()->setText("no picture here");
    int bitmap = -1, available = -1;
    EXPECT_EQ(ClipboardGetBitmap(&bitmap, &available), 0);
    EXPECT_EQ(bitmap, 0);
    EXPECT_EQ(available, 0);
    EXPECT_LT(ClipboardPutBitmap(0), 0);
    EXPECT_LT(ClipboardPutBitmap(12345678), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "no picture here")
        << "a refused put changes nothing";
}

}  // namespace
