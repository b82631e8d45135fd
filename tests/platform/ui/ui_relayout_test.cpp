// Attributes that place, size or word a control take effect at once; the others only repaint.
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

}  // namespace
