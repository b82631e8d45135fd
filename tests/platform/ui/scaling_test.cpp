// A panel that scales its contents (618) shrinks or grows its texts with its geometry, so the
// scaled window is a smaller or larger copy of the design, and reads back what it shows.
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/ui/fonts.h"
#include "tests/platform/ui/ui_fixture.h"

namespace {

constexpr int kDesignWidth = 400;
constexpr int kDesignHeight = 300;
constexpr int kDefaultTextSize = 13;  // a control's text and label size before any is set
// Every resize stores whole sizes, so two steps (height, then width, or there and back) may end
// one pixel from a single exact scaling.
constexpr int kStepRounding = 1;

int Expected(int design, double factor) {
    return static_cast<int>(std::lround(design * factor));
}

class ScalingTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "scaled", 0, 0, kDesignHeight, kDesignWidth);
        ASSERT_GT(panel, 0);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_PANEL_BACKCOLOR, 0xFFFFFF), 0);
        message = NewCtrl(panel, CTRL_TEXT_MSG, "HUE", 10, 10);
        ASSERT_EQ(SetCtrlAttribute(panel, message, ATTR_TEXT_POINT_SIZE, 18), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, message, ATTR_WIDTH, 60), 0);
        button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "Copy", 100, 100);  // label size left unset
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_WIDTH, 40), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_HEIGHT, 23), 0);
        numeric = NewCtrl(panel, CTRL_NUMERIC, "Lightness", 200, 100);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_POINT_SIZE, 16), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_TEXT_POINT_SIZE, 11), 0);
    }

    // Sets the size as the window builders do: height first, then width.
    void Resize(int height, int width) {
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_HEIGHT, height), 0);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_WIDTH, width), 0);
    }

    int Read(int control, int attribute) {
        int value = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), 0);
        return value;
    }

    int panel = 0, message = 0, button = 0, numeric = 0;
};

TEST_F(ScalingTest, TextSizesFollowTheSmallerFactorOfTheResize) {
    const struct {
        const char* name;
        int height, width;
        double factor;  // the smaller of the two
        int tolerance;
    } rows[] = {
        {"half as wide", kDesignHeight, kDesignWidth / 2, 0.5, 0},
        {"half as high", kDesignHeight / 2, kDesignWidth, 0.5, 0},
        {"both ways, height first", 240, 200, 0.5, kStepRounding},
        {"as a 1024 x 768 screen scales the main window", 197, 213, 213.0 / kDesignWidth, kStepRounding},
        {"twice the size", 2 * kDesignHeight, 2 * kDesignWidth, 2.0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
        Resize(row.height, row.width);
        EXPECT_NEAR(Read(message, ATTR_TEXT_POINT_SIZE), Expected(18, row.factor), row.tolerance);
        EXPECT_NEAR(Read(button, ATTR_LABEL_POINT_SIZE), Expected(kDefaultTextSize, row.factor),
                    row.tolerance);
        EXPECT_NEAR(Read(numeric, ATTR_LABEL_POINT_SIZE), Expected(16, row.factor), row.tolerance);
        EXPECT_NEAR(Read(numeric, ATTR_TEXT_POINT_SIZE), Expected(11, row.factor), row.tolerance);
        EXPECT_EQ(Read(button, ATTR_WIDTH), Expected(40, static_cast<double>(row.width) / kDesignWidth))
            << "geometry follows each axis on its own";
    }
}

TEST_F(ScalingTest, WithoutScalingTheTextsKeepTheirSizes) {
    Resize(kDesignHeight / 2, kDesignWidth / 2);
    EXPECT_EQ(Read(message, ATTR_TEXT_POINT_SIZE), 18);
    EXPECT_EQ(Read(numeric, ATTR_LABEL_POINT_SIZE), 16);
    EXPECT_EQ(Read(button, ATTR_WIDTH), 40);
}

TEST_F(ScalingTest, BackToTheDesignSizeRestoresTheTexts) {
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    Resize(kDesignHeight / 2, kDesignWidth / 2);
    Resize(kDesignHeight, kDesignWidth);
    // Each resize rounds what it stores, as it does positions and sizes: 11 -> 5.5 -> 6 -> 12.
    EXPECT_NEAR(Read(message, ATTR_TEXT_POINT_SIZE), 18, kStepRounding);
    EXPECT_NEAR(Read(numeric, ATTR_LABEL_POINT_SIZE), 16, kStepRounding);
    EXPECT_NEAR(Read(numeric, ATTR_TEXT_POINT_SIZE), 11, kStepRounding);
}

TEST_F(ScalingTest, APanelShrunkToNothingKeepsSizesItCanStillShow) {
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    Resize(0, 0);
    EXPECT_GE(Read(message, ATTR_TEXT_POINT_SIZE), 1) << "a text is never smaller than one pixel";
    Resize(kDesignHeight, kDesignWidth);  // no factor from a zero size: nothing is divided by it
    EXPECT_GE(Read(message, ATTR_TEXT_POINT_SIZE), 1);
}

TEST_F(ScalingTest, TableTextsScaleWithTheTable) {
    const int table = NewCtrl(panel, CTRL_TABLE, "", 30, 150);
    ASSERT_EQ(InsertTableRows(panel, table, -1, 2, -1), 0);
    ASSERT_EQ(InsertTableColumns(panel, table, -1, 2, -1), 0);
    ASSERT_EQ(SetTableCellAttribute(panel, table, MakePoint(1, 1), ATTR_TEXT_POINT_SIZE, 14), 0);
    ASSERT_EQ(SetTableRowAttribute(panel, table, 1, ATTR_LABEL_POINT_SIZE, 16), 0);
    ASSERT_EQ(SetTableColumnAttribute(panel, table, 2, ATTR_COLUMN_WIDTH, 60), 0);
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    Resize(kDesignHeight, kDesignWidth / 2);
    int size = 0;
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(1, 1), ATTR_TEXT_POINT_SIZE, &size), 0);
    EXPECT_EQ(size, 7);
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(2, 2), ATTR_TEXT_POINT_SIZE, &size), 0);
    EXPECT_EQ(size, Expected(kDefaultTextSize, 0.5)) << "a cell without a size of its own";
    ASSERT_EQ(GetTableRowAttribute(panel, table, 1, ATTR_LABEL_POINT_SIZE, &size), 0);
    EXPECT_EQ(size, 8);
    ASSERT_EQ(GetTableColumnAttribute(panel, table, 2, ATTR_COLUMN_ACTUAL_WIDTH, &size), 0);
    EXPECT_EQ(size, 30) << "columns are drawn at the scaled width";
    ASSERT_EQ(InsertTableRows(panel, table, -1, 1, -1), 0);
    ASSERT_EQ(GetTableCellAttribute(panel, table, MakePoint(1, 3), ATTR_TEXT_POINT_SIZE, &size), 0);
    EXPECT_EQ(size, Expected(kDefaultTextSize, 0.5)) << "a row added later takes the scaled size";
}

// Ink: what a text changes of the ground it is drawn on. Faint edges are left out; how far
// they reach depends on how the machine's font settings smooth glyphs.
constexpr int kFaint = 0x40;

bool Differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > kFaint || std::abs(qGreen(a) - qGreen(b)) > kFaint ||
           std::abs(qBlue(a) - qBlue(b)) > kFaint;
}

// Leftmost and rightmost ink column of a box in an image, or {width, -1} without ink.
template <class IsInk>
std::pair<int, int> InkColumns(int width, int height, IsInk ink) {
    int left = width, right = -1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!ink(x, y)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    return {left, right};
}

TEST_F(ScalingTest, AShrunkButtonShowsItsWholeText) {
    // Glyphs land on whole pixels differently from one drawing to the next.
    constexpr int kPlacement = 1;
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    Resize(197, 213);  // the main window's factors on a 1024 x 768 screen
    const int left = Read(button, ATTR_LEFT), top = Read(button, ATTR_TOP);
    const int width = Read(button, ATTR_WIDTH), height = Read(button, ATTR_HEIGHT);
    // The caption's ink: the button with it against the same button without it.
    const ui_testing::PanelImage image = ui_testing::GrabPanel(panel);
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_LABEL_TEXT, ""), 0);
    const ui_testing::PanelImage bare = ui_testing::GrabPanel(panel);
    ASSERT_GE(image.width, left + width);
    ASSERT_GE(image.height, top + height);
    const auto [shownLeft, shownRight] = InkColumns(width, height, [&](int x, int y) {
        return Differs(image.At(left + x, top + y), bare.At(left + x, top + y));
    });
    ASSERT_GE(shownRight, 0) << "the text shows at all";

    // The whole word in the font the button reads back, drawn on its own.
    std::string font;
    ASSERT_EQ(GetCtrlAttribute(panel, button, ATTR_LABEL_FONT, &font), 0);
    const QFont qfont = ui_detail::MapFont({font, Read(button, ATTR_LABEL_POINT_SIZE)});
    QImage alone(QFontMetrics(qfont).horizontalAdvance("Copy") + 10, height, QImage::Format_RGB32);
    alone.fill(Qt::white);
    QPainter painter(&alone);
    painter.setFont(qfont);
    painter.setPen(Qt::black);
    painter.drawText(alone.rect(), Qt::AlignCenter, "Copy");
    painter.end();
    const auto [wordLeft, wordRight] = InkColumns(alone.width(), alone.height(), [&](int x, int y) {
        return Differs(alone.pixel(x, y), qRgb(255, 255, 255));
    });
    ASSERT_GE(wordRight, 0);

    EXPECT_GE(shownRight - shownLeft, wordRight - wordLeft - kPlacement)
        << "a text cut at the edges is narrower";
    EXPECT_GT(shownLeft, 1) << "inside the frame";
    EXPECT_LT(shownRight, width - 2);
}

}  // namespace
