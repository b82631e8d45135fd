// Attributes that place, size or word a control take effect at once; the others only repaint.
#include <QRgb>
#include <algorithm>
#include <string>

#include "tests/platform/ui/ui_fixture.h"

namespace {

class RelayoutTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        panel = NewPanel(0, "layout", 0, 0, 200, 300);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_PANEL_BACKCOLOR, 0xFFFFFF), 0);
    }
    int Read(int control, int attribute) {
        int value = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), 0);
        return value;
    }
    int panel = 0;
};

// A text message without a size of its own fits its text whenever its font changes.
TEST_F(RelayoutTest, AFittedTextMessageRefitsToItsFont) {
    const struct {
        const char* name;
        int attribute;
        AttrValue value;
    } rows[] = {
        {"larger", ATTR_TEXT_POINT_SIZE, AttrValue(30)},
        {"a wider face", ATTR_TEXT_FONT, AttrValue("Courier New")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int message = NewCtrl(panel, CTRL_TEXT_MSG, "iiiiiiii", 10, 10);
        // An installed proportional face: the desktop's default may be as wide as Courier's.
        ASSERT_EQ(SetCtrlAttribute(panel, message, ATTR_TEXT_FONT, "Arial"), 0);
        const int before = Read(message, ATTR_WIDTH);
        ASSERT_EQ(SetCtrlAttribute(panel, message, row.attribute, row.value), 0);
        EXPECT_GT(Read(message, ATTR_WIDTH), before);
        ASSERT_EQ(SetCtrlAttribute(panel, message, ATTR_TEXT_COLOR, 0xFF0000), 0);
        EXPECT_GT(Read(message, ATTR_WIDTH), before) << "a colour leaves the fitted size alone";
    }
}

// A label box shows with its colour only while it has text; hidden with its control.
TEST_F(RelayoutTest, ALabelBoxShowsOnlyWithText) {
    const int numeric = NewCtrl(panel, CTRL_NUMERIC, "", 100, 100);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_WIDTH, 40), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_HEIGHT, 15), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_LEFT, 20), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_TOP, 20), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_BGCOLOR, 0x00FF00), 0);
    EXPECT_EQ(ui_testing::GrabPanel(panel).At(52, 30), 0xFFFFFFu) << "no text: no stray box";
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_LABEL_TEXT, "i"), 0);
    EXPECT_EQ(ui_testing::GrabPanel(panel).At(52, 30), 0x00FF00u);
    ASSERT_EQ(SetCtrlAttribute(panel, numeric, ATTR_VISIBLE, 0), 0);
    EXPECT_EQ(ui_testing::GrabPanel(panel).At(52, 30), 0xFFFFFFu) << "hidden with its control";
}

// Texts too wide for the boxes they were given (the stand-in fonts run wider) are drawn
// smaller inside them: a boxed label and a command button's caption leave no ink outside,
// and a number keeps its sign in a narrow field.
TEST_F(RelayoutTest, TextsKeepToTheBoxesTheyAreGiven) {
    const int slide = NewCtrl(panel, CTRL_NUMERIC_HSLIDE, "Theta (/b*)", 150, 150);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_LABEL_LEFT, 20), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_LABEL_TOP, 20), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_LABEL_WIDTH, 45), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_LABEL_HEIGHT, 15), 0);
    const int button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "resets", 80, 20);
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_WIDTH, 33), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_HEIGHT, 19), 0);
    for (const auto& [left, width] : {std::pair{20, 52}, std::pair{100, 150}}) {
        const int field = NewCtrl(panel, CTRL_NUMERIC, "", 150, left);
        // An installed face: the desktop's default shapes its minus and digits its own way.
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_TEXT_FONT, "Arial"), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_DATA_TYPE, VAL_DOUBLE), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_PRECISION, 3), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_WIDTH, width), 0);
        ASSERT_EQ(SetCtrlVal(panel, field, -290.0), 0);
    }
    const auto image = ui_testing::GrabPanel(panel);
    auto inkBetween = [&](int x0, int x1, int y0, int y1) {
        int dark = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) dark += (image.At(x, y) & 0xFF) < 0x80 ? 1 : 0;
        return dark;
    };
    EXPECT_GT(inkBetween(20, 65, 20, 35), 0) << "the label is drawn";
    EXPECT_EQ(inkBetween(66, 140, 20, 35), 0) << "nothing of it right of its box";
    EXPECT_GT(inkBetween(23, 51, 83, 96), 0) << "the caption is drawn";
    EXPECT_EQ(inkBetween(53, 140, 80, 99), 0) << "nothing of it right of the button";
    // "-290.000" keeps its sign in a narrow field: the first columns of ink are the minus's
    // short bar, as in a wide field, where a number cut at the field's edge starts with a
    // digit. Ink here takes in the bar's smoothed edges, which fall on other rows with other
    // font settings.
    auto leadHeight = [&](int x0, int x1) {
        auto ink = [&](int x, int y) { return qGray(image.At(x, y)) < 0xC0; };
        auto inkIn = [&](int x) {
            for (int y = 153; y < 168; ++y)
                if (ink(x, y)) return true;
            return false;
        };
        int x = x0;
        while (x < x1 && !inkIn(x)) ++x;
        int top = 168, bottom = 152;
        for (int y = 153; y < 168; ++y) {
            if (ink(x, y) || ink(x + 1, y)) top = std::min(top, y), bottom = std::max(bottom, y);
        }
        return bottom - top + 1;
    };
    constexpr int kBarHeight = 3;
    EXPECT_LE(leadHeight(23, 70), kBarHeight) << "narrow field";
    EXPECT_LE(leadHeight(103, 248), kBarHeight) << "wide field";
}

}  // namespace
