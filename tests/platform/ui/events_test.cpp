// User actions become the callbacks the windows rely on, in the right order and with the
// right codes; popups answer from a script; the event loop ends on request.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/platform/ui/ui_fixture.h"

namespace {

struct Seen {
    int panel, control, event;
    double value;
};
std::vector<Seen> seen;

int Record(int panel, int control, int event, void*, int, int) {
    double v = 0;
    GetCtrlVal(panel, control, &v);
    seen.push_back({panel, control, event, v});
    return 0;
}

int discardOnClick = 0;
int DiscardOwnPanel(int panel, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) DiscardPanel(panel);
    ++discardOnClick;
    return 0;
}

std::vector<int> menuCalls;
void RecordMenu(int bar, int item, void* data, int panel) {
    menuCalls = {bar, item, data == nullptr ? 0 : 1, panel};
    QuitUserInterface(7);
}

class EventsTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        seen.clear();
        panel = NewPanel(0, "e", 0, 0, 300, 300);
    }
    std::vector<int> Events() const {
        std::vector<int> events;
        for (const Seen& s : seen) events.push_back(s.event);
        return events;
    }
    int panel = 0;
};

TEST_F(EventsTest, ButtonGivesLeftClickThenCommit) {
    const int button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "3", 744 - 700, 153);
    ASSERT_EQ(SetCtrlAttribute(panel, button, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_HEIGHT, 23), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_WIDTH, 23), 0);
    ui_testing::SendClick(panel, button, 10, 10);
    EXPECT_EQ(Events(), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_COMMIT}));
    seen.clear();
    ASSERT_EQ(SetCtrlAttribute(panel, button, ATTR_DIMMED, 1), 0);
    ui_testing::SendClick(panel, button, 10, 10);
    EXPECT_TRUE(seen.empty()) << "a dimmed control takes no input";
}

TEST_F(EventsTest, IndicatorsPassClicksButNeverCommit) {
    const int label = NewCtrl(panel, CTRL_TEXT_MSG, "", 39, 38);
    ASSERT_EQ(SetCtrlAttribute(panel, label, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, label, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ASSERT_EQ(SetCtrlVal(panel, label, "HUE\n000"), 0);
    ui_testing::SendClick(panel, label, 2, 2);
    EXPECT_EQ(Events(), (std::vector<int>{EVENT_LEFT_CLICK}));
    seen.clear();
    const int check = NewCtrl(panel, CTRL_CHECK_BOX, "Edges", 100, 100);
    ASSERT_EQ(SetCtrlAttribute(panel, check, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, check, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ui_testing::SendClick(panel, check, 5, 5);
    EXPECT_EQ(Events(), (std::vector<int>{EVENT_LEFT_CLICK}));
    EXPECT_EQ(seen[0].value, 0.0) << "an indicator's value does not change";
}

TEST_F(EventsTest, CheckBoxAndSwitchToggleWithValueChangeThenCommit) {
    const int check = NewCtrl(panel, CTRL_CHECK_BOX, "Edges", 100, 100);
    ASSERT_EQ(SetCtrlAttribute(panel, check, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, check, ATTR_DFLT_VALUE, 1), 0);
    ASSERT_EQ(DefaultCtrl(panel, check), 0);
    ui_testing::SendClick(panel, check, 5, 5);
    ASSERT_EQ(Events(), (std::vector<int>{EVENT_LEFT_CLICK, EVENT_VAL_CHANGED, EVENT_COMMIT}));
    EXPECT_EQ(seen.back().value, 0.0);
    seen.clear();
    const int sw = NewCtrl(panel, CTRL_BINARY_SWITCH, "Background", 150, 23);
    ASSERT_EQ(SetCtrlAttribute(panel, sw, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, sw, ATTR_ON_VALUE, 1), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, sw, ATTR_OFF_VALUE, 0), 0);
    ASSERT_EQ(DefaultCtrl(panel, sw), 0);
    ui_testing::SendClick(panel, sw, 5, 5);
    EXPECT_EQ(seen.back().event, EVENT_COMMIT);
    EXPECT_EQ(seen.back().value, 1.0);
}

TEST_F(EventsTest, SlideSendsEachStepThenCommitOnRelease) {
    const int slide = NewCtrl(panel, CTRL_NUMERIC_FLAT_HSLIDE, "Rho (/L*)", 46, 134);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_DATA_TYPE, VAL_FLOAT), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_MAX_VALUE, 90.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_MIN_VALUE, -90.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_INCR_VALUE, 1.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, 513, &Record), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_HEIGHT, 5), 0);
    ASSERT_EQ(SetCtrlAttribute(panel, slide, ATTR_WIDTH, 100), 0);
    ui_testing::MoveSlide(panel, slide, {10.0, 20.0, 20.0, 95.0});
    ASSERT_EQ(Events(),
              (std::vector<int>{EVENT_VAL_CHANGED, EVENT_VAL_CHANGED, EVENT_VAL_CHANGED, EVENT_COMMIT}))
        << "an unchanged step sends nothing";
    EXPECT_EQ(seen[2].value, 90.0) << "the travel ends at the maximum";
    seen.clear();
    // A press at the track's left end drags to the minimum.
    ui_testing::SendClick(panel, slide, 0, 2);
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front().event, EVENT_LEFT_CLICK);
    EXPECT_EQ(seen.back().event, EVENT_COMMIT);
    EXPECT_EQ(seen.back().value, -90.0);
}

TEST_F(EventsTest, RingChoiceSelectsAndCommits) {
    const int ring = NewCtrl(panel, CTRL_RING, "RGB", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, ring, 513, &Record), 0);
    for (int i = -1; i < 3; ++i) ASSERT_EQ(InsertListItem(panel, ring, -1, "s", i), 0);
    ui_testing::ChooseRingItem(panel, ring, 2);
    EXPECT_EQ(seen.back().event, EVENT_COMMIT);
    EXPECT_EQ(seen.back().value, 1.0);
}

TEST_F(EventsTest, ACallbackMayDiscardItsOwnPanel) {
    const int button = NewCtrl(panel, CTRL_COMMAND_BUTTON, "Quit", 10, 10);
    ASSERT_EQ(SetCtrlAttribute(panel, button, 513, &DiscardOwnPanel), 0);
    discardOnClick = 0;
    ui_testing::SendClick(panel, button, 3, 3);
    EXPECT_EQ(discardOnClick, 2);
    int v = 0;
    EXPECT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &v), UIE_BAD_PANEL);
    EXPECT_EQ(ProcessSystemEvents(), 0);
}

TEST_F(EventsTest, WindowCloseDoesNothingByItself) {
    ASSERT_EQ(DisplayPanel(panel), 0);
    EXPECT_FALSE(ui_testing::CloseWindow(panel));
    int visible = 0;
    ASSERT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &visible), 0);
    EXPECT_EQ(visible, 1);
    ASSERT_EQ(HidePanel(panel), 0);
    ASSERT_EQ(GetPanelAttribute(panel, ATTR_VISIBLE, &visible), 0);
    EXPECT_EQ(visible, 0);
}

TEST_F(EventsTest, MenuItemCallbackGetsBarItemDataAndPanelAndEndsTheLoop) {
    const int bar = NewMenuBar(panel);
    const int menu = NewMenu(bar, "__File", -1);
    const int quit = NewMenuItem(bar, menu, "__Quit", -1, 0, &RecordMenu, nullptr);
    ui_testing::ChooseMenuItem(bar, quit);
    EXPECT_EQ(menuCalls, (std::vector<int>{bar, quit, 0, panel}));
    EXPECT_EQ(RunUserInterface(), 7) << "a quit asked for before the loop ends it at once";
}

TEST_F(EventsTest, PopupsAnswerFromTheScript) {
    ui_testing::QueueConfirmAnswer(1);
    ui_testing::QueueMessageAnswer();
    EXPECT_EQ(ConfirmPopup("Ostrel v1.00 Jun 03 2006", "Quit?"), 1);
    EXPECT_EQ(MessagePopup("Ostrel v1.00 Jun 03 2006", "Copy to clipboard : OK"), 0);
    EXPECT_EQ(ConfirmPopup("t", "again?"), 0) << "with the script used up a popup cancels";
    const auto shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].text, "Copy to clipboard : OK");
}

TEST_F(EventsTest, FileDialogResultsAndDirectoryHistoryNewestFirst) {
    std::string dir = ::testing::TempDir();
    if (!dir.empty() && dir.back() == '/') dir.pop_back();
    const std::string existing = dir + "/ui_events_existing_" + std::to_string(::getpid()) + ".doc";
    FILE* f = std::fopen(existing.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    ui_testing::QueueFileAnswer(1, existing);
    ui_testing::QueueFileAnswer(2, "/tmp/ui_events_sub/new_report");
    ui_testing::QueueFileAnswer(0, "");
    char path[260];
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(std::string(path), existing);
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path),
              VAL_NEW_FILE_SELECTED);
    EXPECT_EQ(std::string(path), "/tmp/ui_events_sub/new_report.doc") << "the restricted extension is added";
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path),
              VAL_NO_FILE_SELECTED);
    int count = 0;
    char** list = nullptr;
    ASSERT_EQ(GetFilePopupDirHistory(&count, &list), 0);
    ASSERT_EQ(count, 2);
    EXPECT_STREQ(list[0], "/tmp/ui_events_sub");
    EXPECT_EQ(std::string(list[1]), dir);
    for (int i = count - 1; i >= 0; --i) std::free(list[i]);  // the caller owns every path and the array
    std::free(list);
    std::remove(existing.c_str());

    char tiny[8];
    ui_testing::QueueFileAnswer(2, "/a/rather/long/path.doc");
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, tiny),
              UIE_BUFFER_TOO_SMALL);
    EXPECT_STREQ(tiny, "") << "a path that does not fit is never cut";
}

TEST_F(EventsTest, EmptyHistoryGivesNoList) {
    ui_testing::ClearDirectoryHistory();
    int count = -1;
    char** list = reinterpret_cast<char**>(&count);
    ASSERT_EQ(GetFilePopupDirHistory(&count, &list), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(list, nullptr);
}

}  // namespace
