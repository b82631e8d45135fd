#pragma once

// A started layer and a fresh panel for each test of the drawing controls.
#include <gtest/gtest.h>

#include <QImage>
#include <QRgb>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/bitmaps.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"

namespace drawing_test {

class DrawingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static char name[] = "test_platform_ui";
        static char* argv[] = {name, nullptr};
        static const int started = InitCVIRTEEx(nullptr, argv, nullptr);
        ASSERT_EQ(started, 1);
    }
    void SetUp() override {
        panel_ = NewPanel(0, "drawing", 10, 10, 300, 400);
        ASSERT_GT(panel_, 0);
        ASSERT_EQ(SetPanelAttribute(panel_, ATTR_PANEL_BACKCOLOR, kPanelColour), 0);
    }
    void TearDown() override { ui_testing::ResetLayer(); }

    // A control of the style at top, left with the given size.
    int Make(int style, int top, int left, int height, int width) {
        const int ctrl = NewCtrl(panel_, style, "", top, left);
        EXPECT_GT(ctrl, 0);
        EXPECT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_HEIGHT, height), 0);
        EXPECT_EQ(SetCtrlAttribute(panel_, ctrl, ATTR_WIDTH, width), 0);
        return ctrl;
    }

    // The image behind a bitmap handle, freed with the handle.
    static QImage Take(int bitmap) {
        const QImage* image = ui_detail::FindBitmap(bitmap);
        QImage copy = image ? image->copy() : QImage();
        if (image) {
            EXPECT_EQ(DiscardBitmap(bitmap), 0);
        }
        return copy;
    }

    static constexpr int kPanelColour = 0x336699;
    int panel_ = 0;
};

// 0xRRGGBB of a pixel, alpha dropped.
inline int Packed(const QImage& image, int x, int y) {
    return static_cast<int>(image.pixel(x, y) & 0xFFFFFF);
}

// A new bitmap of one colour.
inline int SolidBitmap(int width, int height, int packed) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(static_cast<QRgb>(packed)));
    return ui_detail::StoreBitmap(image);
}

}  // namespace drawing_test
