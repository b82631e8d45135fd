// What a person sees: a built panel grabbed to a PNG, checked pixel by pixel.
#include <unistd.h>

#include <QImage>
#include <cstdio>
#include <string>

#include "tests/platform/ui/ui_fixture.h"

namespace {

unsigned PixelOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

class RenderTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "r", 0, 0, 300, 400);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_PANEL_BACKCOLOR, 0xFFFFFF), 0);

        table = NewCtrl(panel, CTRL_TABLE, "", 10, 10);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_ROW_LABEL_WIDTH, 40), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_TABLE_COLUMN_LABEL_HEIGHT, 25), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_HEIGHT, 200), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, table, ATTR_WIDTH, 200), 0);
        ASSERT_EQ(InsertTableRows(panel, table, -1, 3, -1), 0);
        ASSERT_EQ(InsertTableColumns(panel, table, -1, 3, -1), 0);
        for (int i = 1; i <= 3; ++i) {
            ASSERT_EQ(SetTableRowAttribute(panel, table, i, ATTR_ROW_HEIGHT, i % 2 ? 25 : 50), 0);
            ASSERT_EQ(SetTableColumnAttribute(panel, table, i, ATTR_COLUMN_WIDTH, i % 2 ? 10 : 50), 0);
        }
        const Rect all = MakeRect(1, 1, 3, 3);
        ASSERT_EQ(SetTableCellRangeAttribute(panel, table, all, ATTR_TEXT_BGCOLOR, 0xFFFFFF), 0);
        ASSERT_EQ(SetTableCellRangeAttribute(panel, table, all, ATTR_HORIZONTAL_GRID_COLOR, 0xF0F0F0), 0);
        ASSERT_EQ(SetTableCellRangeAttribute(panel, table, all, ATTR_VERTICAL_GRID_COLOR, 0xF0F0F0), 0);
        ASSERT_EQ(SetTableCellRangeAttribute(panel, table, MakeRect(2, 2, 1, 1), ATTR_TEXT_BGCOLOR, 0x3366CC),
                  0);

        numeric = NewCtrl(panel, CTRL_NUMERIC, "X", 240, 300);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_COLOR, 0xFF0000), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_WIDTH, 40), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_HEIGHT, 15), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_BGCOLOR, 0xFFFF00), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_TOP, 240), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_LEFT, 250), 0);

        button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "4", 240, 30);
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_LABEL_FONT, "Webdings"), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_CMD_BUTTON_COLOR, 0xF0F0FF), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_HEIGHT, 23), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_WIDTH, 23), 0);
    }

    QImage Grab() {
        // Other runs, of this user or another, share the temporary folder: a file of our own.
        const std::string path = ::testing::TempDir() + "/ui_render_" + std::to_string(::getpid()) + ".png";
        EXPECT_TRUE(ui_testing::SavePanelPng(panel, path));
        QImage image(QString::fromStdString(path));
        std::remove(path.c_str());
        EXPECT_FALSE(image.isNull());
        return image;
    }

    int panel = 0, table = 0, numeric = 0, button = 0;
};

TEST_F(RenderTest, ColouredCellIsExactlyItsSizeWithGridOnItsEdges) {
    const QImage image = Grab();
    ASSERT_EQ(image.width(), 400);
    ASSERT_EQ(image.height(), 300);
    // Cell (column 2, row 2): left 10 + 40 + 10 = 60, top 10 + 25 + 25 = 60, 50 x 50.
    const int left = 60, top = 60;
    for (int d = 0; d < 49; ++d) {
        EXPECT_EQ(PixelOf(image, left + d, top + 20), 0x3366CCu) << "x " << left + d;
        EXPECT_EQ(PixelOf(image, left + 20, top + d), 0x3366CCu) << "y " << top + d;
    }
    EXPECT_EQ(PixelOf(image, left + 49, top + 20), 0xF0F0F0u) << "vertical grid on the cell's right edge";
    EXPECT_EQ(PixelOf(image, left + 20, top + 49), 0xF0F0F0u) << "horizontal grid on the cell's bottom edge";
    EXPECT_EQ(PixelOf(image, left + 50, top + 20), 0xFFFFFFu) << "the next cell starts 50 pixels on";
    EXPECT_EQ(PixelOf(image, left - 1, top + 20), 0xF0F0F0u);
    EXPECT_EQ(PixelOf(image, 5, 5), 0xFFFFFFu) << "the panel's client area";
}

TEST_F(RenderTest, LabelStandsInItsOwnBox) {
    const QImage image = Grab();
    EXPECT_EQ(PixelOf(image, 250 + 38, 240 + 1), 0xFFFF00u) << "label background at the label box";
    EXPECT_EQ(PixelOf(image, 250 + 41, 240 + 7), 0xFFFFFFu) << "nothing past the box";
    int ink = 0;
    for (int y = 240; y < 255; ++y) {
        for (int x = 250; x < 290; ++x) {
            const unsigned p = PixelOf(image, x, y);
            if (((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x60) ++ink;
        }
    }
    EXPECT_GT(ink, 3) << "the red label text is drawn";
}

TEST_F(RenderTest, GlyphButtonShowsItsColourAndASymbol) {
    const QImage image = Grab();
    EXPECT_EQ(PixelOf(image, 30 + 3, 240 + 3), 0xF0F0FFu) << "button colour";
    int dark = 0;
    for (int y = 244; y < 259; ++y) {
        for (int x = 34; x < 49; ++x) {
            if ((PixelOf(image, x, y) & 0xFF) < 0x40) ++dark;
        }
    }
    EXPECT_GT(dark, 20) << "an arrow, not an empty face";
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_VISIBLE, 0), 0);
    EXPECT_EQ(PixelOf(Grab(), 30 + 3, 240 + 3), 0xFFFFFFu) << "a hidden control leaves the panel showing";
}

}  // namespace
