// Panels and the look of controls on them: visible and dimmed at both levels, label boxes at
// their own place, front-to-back order, and a string field that takes typing.
#include "tests/platform/ui/ui_fixture.h"

namespace {

std::vector<int> events;
std::string typedValue;
int RecordEvent(int panel, int control, int event, void*, int, int) {
    events.push_back(event);
    GetCtrlVal(panel, control, &typedValue);
    return 0;
}

class PanelsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        events.clear();
        panel = NewPanel(0, "p", 0, 0, 200, 300);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_PANEL_BACKCOLOR, 0xFFFFFF), 0);
    }
    int Visible(int p) {
        int v = -1;
        EXPECT_EQ(GetPanelAttribute(p, ATTR_VISIBLE, &v), 0);
        return v;
    }
    int panel = 0;
};

TEST_F(PanelsTest, VisibleIsThePanelsOwnFlag) {
    const int child = NewPanel(panel, "child", 10, 10, 50, 50);
    ASSERT_GT(child, panel);
    struct Step {
        int (*act)(int);
        bool onChild;
        int parentVisible, childVisible;
        const char* why;
    };
    const Step steps[] = {
        {nullptr, false, 0, 0, "new panels are hidden"},
        {&DisplayPanel, true, 0, 1, "a displayed child of a hidden parent is displayed"},
        {&DisplayPanel, false, 1, 1, "then both"},
        {&HidePanel, false, 0, 1, "hiding the parent leaves the child's flag"},
        {&HidePanel, true, 0, 0, "hidden"},
    };
    for (const Step& s : steps) {
        if (s.act != nullptr) {
            ASSERT_EQ(s.act(s.onChild ? child : panel), 0) << s.why;
        }
        EXPECT_EQ(Visible(panel), s.parentVisible) << s.why;
        EXPECT_EQ(Visible(child), s.childVisible) << s.why;
    }
    ASSERT_EQ(SetPanelAttribute(child, ATTR_VISIBLE, 1), 0);
    EXPECT_EQ(Visible(child), 1) << "attribute 530 displays it as DisplayPanel does";
    ASSERT_EQ(DiscardPanel(panel), 0);
    int v = 0;
    EXPECT_EQ(GetPanelAttribute(child, ATTR_VISIBLE, &v), UIE_BAD_PANEL) << "children go with the parent";
}

TEST_F(PanelsTest, PanelGeometryReadsBackAndRefusesNegativeSizes) {
    struct Set {
        int attribute, value, result, readBack;
    };
    for (Set s : {Set{ATTR_LEFT, 5, 0, 5}, Set{ATTR_TOP, 21, 0, 21}, Set{ATTR_WIDTH, 860, 0, 860},
                  Set{ATTR_HEIGHT, 780, 0, 780}, Set{ATTR_WIDTH, -1, UIE_OUT_OF_RANGE, 860},
                  Set{ATTR_HEIGHT, -20, UIE_OUT_OF_RANGE, 780}, Set{ATTR_LEFT, -30, 0, -30}}) {
        EXPECT_EQ(SetPanelAttribute(panel, s.attribute, s.value), s.result) << s.attribute << " " << s.value;
        int v = 0;
        ASSERT_EQ(GetPanelAttribute(panel, s.attribute, &v), 0);
        EXPECT_EQ(v, s.readBack) << s.attribute << " " << s.value;
    }
    EXPECT_EQ(NewPanel(0, "bad", 0, 0, -1, 10), UIE_OUT_OF_RANGE);
}

TEST_F(PanelsTest, DimmedAndHiddenControlsTakeNoClicks) {
    const int button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "Copy", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, button, 513, &RecordEvent), 0);
    struct Step {
        int level;  // 0 control, 1 panel
        int attribute, value;
        std::vector<int> expected;
        const char* why;
    };
    const std::vector<int> both{EVENT_LEFT_CLICK, EVENT_COMMIT};
    const Step steps[] = {
        {0, ATTR_DIMMED, 0, both, "operable"},       {0, ATTR_DIMMED, 1, {}, "dimmed control"},
        {0, ATTR_DIMMED, 0, both, "undimmed"},       {1, ATTR_DIMMED, 1, {}, "dimmed panel"},
        {1, ATTR_DIMMED, 0, both, "panel undimmed"}, {0, ATTR_VISIBLE, 0, {}, "hidden control"},
        {0, ATTR_VISIBLE, 1, both, "shown again"},
    };
    for (const Step& s : steps) {
        if (s.level == 0) {
            ASSERT_EQ(SetCtrlAttribute(panel, button, s.attribute, s.value), 0);
            int v = -1;
            ASSERT_EQ(GetCtrlAttribute(panel, button, s.attribute, &v), 0);
            EXPECT_EQ(v, s.value) << s.why;
        } else {
            ASSERT_EQ(SetPanelAttribute(panel, s.attribute, s.value), 0);
        }
        events.clear();
        ui_testing::SendClick(panel, button, 5, 5);
        EXPECT_EQ(events, s.expected) << s.why;
    }
    // Nor can a dimmed ring or slide be worked.
    const int ring = NewCtrl(panel, CTRL_RING, "", 60, 10);
    const int slide = NewCtrl(panel, CTRL_NUMERIC_HSLIDE, "", 100, 10);
    for (int c : {ring, slide}) {
        ASSERT_EQ(SetCtrlAttribute(panel, c, 513, &RecordEvent), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_DIMMED, 1), 0);
    }
    ASSERT_EQ(InsertListItem(panel, ring, -1, "a", 1), 0);
    ASSERT_EQ(InsertListItem(panel, ring, -1, "b", 2), 0);
    events.clear();
    ui_testing::ChooseRingItem(panel, ring, 1);
    ui_testing::MoveSlide(panel, slide, {3.0, 4.0});
    EXPECT_TRUE(events.empty());
    int v = 0;
    ASSERT_EQ(GetCtrlVal(panel, ring, &v), 0);
    EXPECT_EQ(v, 1) << "the dimmed ring kept its item";
}

int relX = -1, relY = -1, data1 = -1, data2 = -1;
int RecordClick(int panel, int control, int event, void*, int eventData1, int eventData2) {
    events.push_back(event);
    data1 = eventData1;
    data2 = eventData2;
    GetRelativeMouseState(panel, control, &relX, &relY, nullptr, nullptr, nullptr);
    return 0;
}

TEST_F(PanelsTest, PicturesCanvasesAndGraphsPassClicksWithThePointer) {
    // The hue wheel is a picture whose callback reads where it was clicked.
    for (int style : {CTRL_PICTURE, CTRL_CANVAS, CTRL_GRAPH}) {
        const int c = NewCtrl(panel, style, "", 7, 1);
        ASSERT_EQ(SetCtrlAttribute(panel, c, 513, &RecordClick), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_HEIGHT, 115), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_WIDTH, 128), 0);
        events.clear();
        ui_testing::SendClick(panel, c, 64, 57);
        EXPECT_EQ(events, (std::vector<int>{EVENT_LEFT_CLICK})) << style;
        EXPECT_EQ(relX, 64) << style;
        EXPECT_EQ(relY, 57) << style;
        EXPECT_EQ(data1, 7 + 57) << style << ": event data 1 is the panel's y";
        EXPECT_EQ(data2, 1 + 64) << style;
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_DIMMED, 1), 0);
        events.clear();
        ui_testing::SendClick(panel, c, 64, 57);
        EXPECT_TRUE(events.empty()) << style << ": dimmed";
        ASSERT_EQ(DiscardCtrl(panel, c), 0);
    }
}

TEST_F(PanelsTest, LabelBoxesStandWhereTheirAttributesSay) {
    struct Case {
        int style;
        int left, top, width, height, colour;
    };
    const Case cases[] = {
        {CTRL_NUMERIC, 20, 10, 40, 15, 0xFF0000}, {CTRL_RING, 150, 10, 60, 20, 0x00FF00},
        {CTRL_STRING, 20, 100, 30, 12, 0x0000FF}, {CTRL_NUMERIC_HSLIDE, 150, 100, 50, 18, 0xFFFF00},
        {CTRL_TABLE, 150, 150, 70, 25, 0x00FFFF},
    };
    std::vector<int> ids;
    for (const Case& c : cases) {
        // Controls stand away from their labels so that only the label box can colour them; a
        // blank label gives a box with no ink in it.
        const int id = NewCtrl(panel, c.style, " ", c.top + 30, c.left);
        ids.push_back(id);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_LABEL_WIDTH, c.width), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_LABEL_HEIGHT, c.height), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_LABEL_BGCOLOR, c.colour), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_HEIGHT, 10), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_WIDTH, 10), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_LABEL_TOP, c.top), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, id, ATTR_LABEL_LEFT, c.left), 0);
    }
    auto image = ui_testing::GrabPanel(panel);
    for (size_t k = 0; k < std::size(cases); ++k) {
        const Case& c = cases[k];
        const unsigned colour = static_cast<unsigned>(c.colour);
        EXPECT_EQ(image.At(c.left, c.top), colour) << c.style << ": top-left corner";
        EXPECT_EQ(image.At(c.left + c.width - 1, c.top + c.height - 1), colour)
            << c.style << ": bottom-right";
        EXPECT_EQ(image.At(c.left + c.width, c.top + c.height / 2), 0xFFFFFFu)
            << c.style << ": right of the box";
        EXPECT_EQ(image.At(c.left + 2, c.top + c.height), 0xFFFFFFu) << c.style << ": below the box";
        EXPECT_EQ(image.At(c.left - 1, c.top + 2), 0xFFFFFFu) << c.style << ": left of the box";
        int v = 0;
        ASSERT_EQ(GetCtrlAttribute(panel, ids[k], ATTR_LABEL_LEFT, &v), 0);
        EXPECT_EQ(v, c.left);
        ASSERT_EQ(GetCtrlAttribute(panel, ids[k], ATTR_LABEL_TOP, &v), 0);
        EXPECT_EQ(v, c.top);
    }
    // A hidden control hides its label too.
    ASSERT_EQ(SetCtrlAttribute(panel, ids[0], ATTR_VISIBLE, 0), 0);
    image = ui_testing::GrabPanel(panel);
    EXPECT_EQ(image.At(cases[0].left + 2, cases[0].top + 2), 0xFFFFFFu);
}

TEST_F(PanelsTest, FrontToBackOrderDecidesWhatOverlapsShow) {
    // Two colour swatches on the same place: whichever is at position 0 shows.
    const int red = NewCtrl(panel, CTRL_COLOR_NUMERIC, "", 50, 50);
    const int blue = NewCtrl(panel, CTRL_COLOR_NUMERIC, "", 50, 50);
    for (int c : {red, blue}) {
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_WIDTH, 40), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, c, ATTR_HEIGHT, 40), 0);
    }
    ASSERT_EQ(SetCtrlVal(panel, red, 0xFF0000), 0);
    ASSERT_EQ(SetCtrlVal(panel, blue, 0x0000FF), 0);
    struct Step {
        int control, position;
        unsigned shown;
        const char* why;
    };
    const Step steps[] = {
        {0, 0, 0x0000FF, "the later control comes in front"},
        {red, 0, 0xFF0000, "red brought to the front"},
        {red, 1, 0x0000FF, "red sent behind"},
        {blue, 1, 0xFF0000, "blue sent behind"},
    };
    for (const Step& s : steps) {
        if (s.control != 0) {
            ASSERT_EQ(SetCtrlAttribute(panel, s.control, ATTR_ZPLANE_POSITION, s.position), 0);
        }
        EXPECT_EQ(ui_testing::GrabPanel(panel).At(70, 70), s.shown) << s.why;
    }
}

TEST_F(PanelsTest, StringFieldTakesTypingAndCommitsOnEnter) {
    const int field = NewCtrl(panel, CTRL_STRING, "OCS", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, field, 513, &RecordEvent), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, field, ATTR_MAX_ENTRY_LENGTH, 9), 0);
    ui_testing::TypeText(panel, field, "0100\b 40 53");
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), EVENT_VAL_CHANGED) << "typing changes the value but does not commit";
    EXPECT_EQ(typedValue, "010 40 53");
    ui_testing::TypeText(panel, field, "9\n");
    EXPECT_EQ(events.back(), EVENT_COMMIT);
    EXPECT_EQ(typedValue, "010 40 53") << "the tenth character is refused: the field takes 9";
    struct Case {
        int attribute, value;
        const char* why;
    };
    for (Case c : {Case{ATTR_CTRL_MODE, VAL_INDICATOR, "an indicator takes no typing"},
                   Case{ATTR_DIMMED, 1, "nor does a dimmed field"}}) {
        ASSERT_EQ(SetCtrlVal(panel, field, ""), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, field, c.attribute, c.value), 0);
        events.clear();
        ui_testing::TypeText(panel, field, "abc\n");
        EXPECT_TRUE(events.empty()) << c.why;
        std::string value = "?";
        ASSERT_EQ(GetCtrlVal(panel, field, &value), 0);
        EXPECT_EQ(value, "") << c.why;
    }
}

TEST_F(PanelsTest, SpaceWorksButtonsAndSwitchesWithoutAClick) {
    struct Case {
        int style;
        std::vector<int> expected;
        int value;
    };
    const Case cases[] = {
        {CTRL_COMMAND_BUTTON, {EVENT_COMMIT}, 0},
        {CTRL_CHECK_BOX, {EVENT_VAL_CHANGED, EVENT_COMMIT}, 1},
        {CTRL_BINARY_SWITCH, {EVENT_VAL_CHANGED, EVENT_COMMIT}, 1},
    };
    for (const Case& c : cases) {
        const int id = NewCtrl(panel, c.style, "", 10, 10);
        ASSERT_EQ(SetCtrlAttribute(panel, id, 513, &RecordClick), 0);
        events.clear();
        ui_testing::TypeText(panel, id, " ");
        EXPECT_EQ(events, c.expected) << c.style << ": no left click from the keyboard";
        int v = -1;
        if (c.style != CTRL_COMMAND_BUTTON) {
            ASSERT_EQ(GetCtrlVal(panel, id, &v), 0);
            EXPECT_EQ(v, c.value) << c.style;
        }
    }
}

}  // namespace
