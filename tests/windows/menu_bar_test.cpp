// The main window's menu bar: its entries, their names and the stop at the first failure.
#include "windows/menu_bar.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"

namespace {

constexpr int kInjected = -13;
constexpr int kUntouched = 4242;

std::array<int*, 10> Globals() {
    return {&MENU_FILE,       &MENU_FILE_REPORT,    &MENU_FILE_SEP1,       &MENU_FILE_QUIT,
            &MENU_DISPLAY,    &MENU_DISPLAY_CIELAB, &MENU_DISPLAY_CHART3D, &MENU_HELP,
            &MENU_HELP_ABOUT, &MENU_HELP_CONTENTS};
}

class MenuBar : public ::testing::Test {
  protected:
    void SetUp() override {
        ui_testing::ResetLayer();
        panel = NewPanel(0, "menu", 10, 10, 200, 300);
        ASSERT_GT(panel, 0);
    }
    void TearDown() override { ui_testing::ResetLayer(); }
    int panel = 0;
};

TEST_F(MenuBar, BuildsTwentyOneCallsInOrderWithNamesAndCallbacks) {
    ui_testing::StartRecording();
    const int bar = BuildMENU(panel);
    const Calls calls = ui_testing::StopRecording();
    ASSERT_GE(bar, 0);
    ASSERT_EQ(calls.size(), 21u);

    const std::string b = Num(bar);
    EXPECT_TRUE(Matches(calls[0], "NewMenuBar", {Num(panel)}));
    EXPECT_TRUE(Matches(calls[1], "SetMenuBarAttribute", {b, "0", "501", Quoted("MENU")}));

    struct Entry {
        const char* operation;
        int* global;
        int* parent;  // nullptr: the bar
        const char* label;
        const char* name;  // nullptr: no constant name
    };
    const Entry entries[] = {
        {"NewMenu", &MENU_FILE, nullptr, "__File", "FILE"},
        {"NewMenuItem", &MENU_FILE_REPORT, &MENU_FILE, "__Report", "REPORT"},
        {"InsertSeparator", &MENU_FILE_SEP1, &MENU_FILE, nullptr, nullptr},
        {"NewMenuItem", &MENU_FILE_QUIT, &MENU_FILE, "__Quit", "QUIT"},
        {"NewMenu", &MENU_DISPLAY, nullptr, "__Display", "DISPLAY"},
        {"NewMenuItem", &MENU_DISPLAY_CIELAB, &MENU_DISPLAY, "__CIE Coordinates", "CIELAB"},
        {"NewMenuItem", &MENU_DISPLAY_CHART3D, &MENU_DISPLAY, "3D __Ostrel Design Window", "CHART3D"},
        {"NewMenu", &MENU_HELP, nullptr, "__Help", "HELP"},
        {"NewMenuItem", &MENU_HELP_ABOUT, &MENU_HELP, "__About", "ABOUT"},
        {"NewMenuItem", &MENU_HELP_CONTENTS, &MENU_HELP, "__Contents", "CONTENTS"}};
    std::size_t i = 2;
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.name ? e.name : "separator");
        ASSERT_LT(i, calls.size());
        const ui_testing::RecordedCall& make = calls[i++];
        EXPECT_EQ(make.operation, e.operation);
        if (e.parent == nullptr) {
            EXPECT_TRUE(Matches(make, "NewMenu", {b, Quoted(e.label), "-1"}));
        } else if (e.label == nullptr) {
            EXPECT_TRUE(Matches(make, "InsertSeparator", {b, Num(*e.parent), "-1"}));
        } else {
            // Appended, no shortcut, with a callback and no callback data.
            EXPECT_TRUE(
                Matches(make, "NewMenuItem", {b, Num(*e.parent), Quoted(e.label), "-1", "0", "fn", "null"}));
        }
        if (e.name != nullptr) {
            ASSERT_LT(i, calls.size());
            EXPECT_TRUE(
                Matches(calls[i++], "SetMenuBarAttribute", {b, Num(*e.global), "501", Quoted(e.name)}));
            std::string name;
            GetMenuBarAttribute(bar, *e.global, 501, &name);
            EXPECT_EQ(name, e.name);
        }
    }
    EXPECT_EQ(i, calls.size());

    // Ten distinct identifiers (the bar's handle is numbered apart and may equal one of them).
    for (int* a : Globals()) {
        for (int* other : Globals()) {
            if (a != other) {
                EXPECT_NE(*a, *other);
            }
        }
    }
}

TEST_F(MenuBar, FailingCallEndsTheBuildWithItsCodeAndLeavesLaterGlobals) {
    struct Case {
        int n;                // failing call, counted from NewMenuBar = 1
        std::size_t failing;  // index into Globals() of the global that takes the code, or 10 for none
        std::size_t firstUntouched;
    };
    const Case cases[] = {
        {1, 10, 0},    // the bar itself
        {2, 10, 0},    // the bar's name
        {3, 0, 1},     // File
        {7, 2, 3},     // the separator
        {12, 5, 6},    // CIE Coordinates
        {13, 10, 6},   // its name
        {21, 10, 10},  // the last name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        for (int* g : Globals()) *g = kUntouched;
        ui_testing::StartRecording();
        ui_testing::FailNthCall(c.n, kInjected);
        const int result = BuildMENU(panel);
        const Calls calls = ui_testing::StopRecording();
        EXPECT_EQ(result, kInjected);
        EXPECT_EQ(calls.size(), static_cast<std::size_t>(c.n));
        const auto globals = Globals();
        if (c.failing < globals.size()) {
            EXPECT_EQ(*globals[c.failing], kInjected);
        }
        for (std::size_t g = c.firstUntouched; g < globals.size(); ++g)
            EXPECT_EQ(*globals[g], kUntouched) << g;
    }
}

}  // namespace
