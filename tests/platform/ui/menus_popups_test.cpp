// Menus and their callbacks and check marks, file dialogs answered from a script, the
// directory history, and the test hooks' own promises (failure injection, call recording).
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/platform/ui/ui_fixture.h"

namespace {

int menuBar = 0;
std::vector<std::vector<int>> menuCalls;

// What the Display commands do: read the item's mark and set the opposite.
void FlipMark(int bar, int item, void* data, int panel) {
    menuCalls.push_back({bar, item, data == nullptr ? 0 : *static_cast<int*>(data), panel});
    int marked = 0;
    GetMenuBarAttribute(menuBar, item, ATTR_CHECKED, &marked);
    SetMenuBarAttribute(menuBar, item, ATTR_CHECKED, marked ? 0 : 1);
}

void LeaveMark(int bar, int item, void* data, int panel) {
    menuCalls.push_back({bar, item, data == nullptr ? 0 : *static_cast<int*>(data), panel});
}

class MenuTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        menuCalls.clear();
        panel = NewPanel(0, "m", 0, 0, 100, 200);
        menuBar = NewMenuBar(panel);
        display = NewMenu(menuBar, "__Display", -1);
        cielab = NewMenuItem(menuBar, display, "__CIE Coordinates", -1, 0, &FlipMark, &tag);
        chart = NewMenuItem(menuBar, display, "3D __Ostrel Design Window", -1, 0, &LeaveMark, nullptr);
        ASSERT_GT(chart, cielab);
    }
    int Mark(int item) {
        int marked = -1;
        EXPECT_EQ(GetMenuBarAttribute(menuBar, item, ATTR_CHECKED, &marked), 0);
        return marked;
    }
    int tag = 42;
    int panel = 0, display = 0, cielab = 0, chart = 0;
};

TEST_F(MenuTest, CheckMarkShownIsTheOneTheAttributeHolds) {
    struct Step {
        int item;
        int setBefore;  // -1: no SetMenuBarAttribute before the choice
        int mark;
        const char* why;
    };
    const Step steps[] = {
        {0, -1, 0, "built unmarked"},
        {1, -1, 1, "the callback marks it"},
        {1, -1, 0, "and unmarks it on the next choice"},
        {2, 1, 1, "a callback that leaves the mark alone keeps it shown"},
        {2, -1, 1, "again"},
        {2, 0, 0, "and an unmarked one stays unmarked"},
    };
    for (const Step& s : steps) {
        const int item = s.item == 2 ? chart : cielab;
        if (s.setBefore >= 0) {
            ASSERT_EQ(SetMenuBarAttribute(menuBar, item, ATTR_CHECKED, s.setBefore), 0);
        }
        if (s.item != 0) ui_testing::ChooseMenuItem(menuBar, item);
        EXPECT_EQ(Mark(item), s.mark) << s.why;
        EXPECT_EQ(ui_testing::MenuItemShowsCheck(menuBar, item), s.mark == 1) << s.why;
    }
}

TEST_F(MenuTest, CallbacksGetBarItemDataAndPanelAndFollowTheirAttributes) {
    ui_testing::ChooseMenuItem(menuBar, cielab);
    ASSERT_EQ(menuCalls.size(), 1u);
    EXPECT_EQ(menuCalls[0], (std::vector<int>{menuBar, cielab, 42, panel}));
    ASSERT_EQ(SetMenuBarAttribute(menuBar, cielab, ATTR_DIMMED, 1), 0);
    ui_testing::ChooseMenuItem(menuBar, cielab);
    EXPECT_EQ(menuCalls.size(), 1u) << "a dimmed item cannot be chosen";
    ASSERT_EQ(SetMenuBarAttribute(menuBar, cielab, ATTR_DIMMED, 0), 0);
    ASSERT_EQ(SetMenuBarAttribute(menuBar, cielab, 513, &LeaveMark), 0);
    ui_testing::ChooseMenuItem(menuBar, cielab);
    ASSERT_EQ(menuCalls.size(), 2u);
    EXPECT_EQ(Mark(cielab), 1) << "the new callback ran, not the one that flips the first choice's mark";
    ASSERT_EQ(SetMenuBarAttribute(menuBar, cielab, 513, 0), 0);
    ui_testing::ChooseMenuItem(menuBar, cielab);
    EXPECT_EQ(menuCalls.size(), 2u) << "no callback, no call";
    ui_testing::ChooseMenuItem(menuBar, display);
    ui_testing::ChooseMenuItem(menuBar, 999);
    EXPECT_EQ(menuCalls.size(), 2u) << "a menu and an unknown item call nothing";

    struct Refusal {
        const char* what;
        int result, expected;
    };
    const Refusal refusals[] = {
        {"check mark of the bar", SetMenuBarAttribute(menuBar, 0, ATTR_CHECKED, 1), UIE_BAD_ATTRIBUTE},
        {"check mark of a menu", SetMenuBarAttribute(menuBar, display, ATTR_CHECKED, 1), UIE_BAD_ATTRIBUTE},
        {"an unknown item", SetMenuBarAttribute(menuBar, 77, ATTR_DIMMED, 1), UIE_BAD_MENU_ITEM},
        {"read an unknown item", GetMenuBarAttribute(menuBar, 77, ATTR_CHECKED, &tag), UIE_BAD_MENU_ITEM},
        {"a control attribute", SetMenuBarAttribute(menuBar, cielab, ATTR_WIDTH, 9), UIE_BAD_ATTRIBUTE},
        {"an item under an item", NewMenuItem(menuBar, cielab, "x", -1, 0, nullptr, nullptr),
         UIE_BAD_MENU_ITEM},
        {"a separator under no menu", InsertSeparator(menuBar, 77, -1), UIE_BAD_MENU_ITEM},
    };
    for (const Refusal& r : refusals) EXPECT_EQ(r.result, r.expected) << r.what;
}

TEST_F(MenuTest, ANewBarReplacesThePanelsOldOne) {
    // The main window's builder makes a bar that the shell then replaces with its own.
    const int second = NewMenuBar(panel);
    ASSERT_GT(second, menuBar);
    int v = 0;
    EXPECT_EQ(GetMenuBarAttribute(menuBar, cielab, ATTR_CHECKED, &v), UIE_BAD_MENU_BAR);
    const int menu = NewMenu(second, "__File", -1);
    EXPECT_GT(NewMenuItem(second, menu, "__Quit", -1, 0, &LeaveMark, nullptr), menu);
    ASSERT_EQ(DiscardPanel(panel), 0);
    EXPECT_EQ(NewMenu(second, "x", -1), UIE_BAD_MENU_BAR) << "the bar goes with its panel";
}

class FileDialogTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        dir = ::testing::TempDir();
        if (!dir.empty() && dir.back() == '/') dir.pop_back();
    }
    std::vector<std::string> History() {
        int count = -1;
        char** list = nullptr;
        EXPECT_EQ(GetFilePopupDirHistory(&count, &list), 0);
        std::vector<std::string> dirs;
        for (int i = 0; i < count; ++i) dirs.emplace_back(list[i]);
        // The caller owns each path and the array, all from malloc (the sanitizers check it).
        for (int i = count - 1; i >= 0; --i) std::free(list[i]);
        std::free(list);
        return dirs;
    }
    std::string dir;
};

TEST_F(FileDialogTest, ScriptedAnswersGiveTheirResultAndPath) {
    struct Case {
        int result;
        std::string chosen;
        const char* types;
        int restrictExtension;
        int expected;
        std::string path;
        const char* why;
    };
    const std::string kept = dir + "/ui_popups_kept_" + std::to_string(getpid());
    const Case cases[] = {
        {1, "/no/such/dir/old.doc", "*.doc", 1, 1, "/no/such/dir/old.doc",
         "an existing file, as the script says"},
        {2, "/r/new", "*.doc", 1, 2, "/r/new.doc", "a restricted extension is added"},
        {2, "/r/NEW.DOC", "*.doc", 1, 2, "/r/NEW.DOC", "an extension in other case is kept"},
        {2, "/r/new", "*.doc", 0, 2, "/r/new", "without the restriction the name stays"},
        {2, "/r/new", "*.doc;*.rtf", 1, 2, "/r/new", "several types: no extension to choose"},
        {2, kept, "*.doc", 1, 1, kept + ".doc", "the name with its extension is an existing file"},
        {0, "/r/ignored.doc", "*.doc", 1, 0, "", "cancelled: no path"},
        {-3, "/r/ignored.doc", "*.doc", 1, -3, "", "an error passes through"},
    };
    std::ofstream(kept + ".doc") << "kept";
    for (const Case& c : cases) {
        ui_testing::QueueFileAnswer(c.result, c.chosen);
        char path[300] = "stale";
        EXPECT_EQ(FileSelectPopup(dir.c_str(), "*.doc", c.types, "Report", VAL_SAVE_BUTTON, 0,
                                  c.restrictExtension, 1, 0, path),
                  c.expected)
            << c.why;
        EXPECT_EQ(std::string(path), c.path) << c.why;
    }
    std::remove((kept + ".doc").c_str());
    const auto shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0].kind, "file");
    EXPECT_EQ(shown[0].title, "Report");
    EXPECT_EQ(shown[0].text, dir) << "the default directory it opened in";
    ui_testing::QueueConfirmAnswer(1);
    char path[300];
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path), 0)
        << "an answer meant for another popup cancels the dialog";
    EXPECT_EQ(ui_testing::PendingPopupAnswers(), 1);
}

// A person at the real dialog types a name and presses Save, gives `answer` to the question to
// replace a file if one comes (its text into `asked`), and then gives up on a dialog still open.
int AtTheDialog(const QString& name, QMessageBox::StandardButton answer, QString* asked,
                const std::string& folder, char (&path)[4096]) {
    bool typed = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        // Pressed from the event loop: this timer does not fire again until its handler returns.
        const auto press = [](QAbstractButton* b) {
            QMetaObject::invokeMethod(b, &QAbstractButton::click, Qt::QueuedConnection);
        };
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *asked = box->text();
            press(box->button(answer));
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && typed) {
            dialog->reject();
        } else if (dialog) {
            // Typed with the focus in the name field, as a person does: the dialog then leaves
            // the text alone when it selects a file of its list that the text names.
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            QApplication::setActiveWindow(dialog);
            edit->setFocus();
            edit->setText(name);
            press(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save));
            typed = true;
        }
    });
    timer.start(10);
    return FileSelectPopup(folder.c_str(), "*.doc", "*.doc", "Report", VAL_SAVE_BUTTON, 0, 1, 1, 0, path);
}

// The question to replace a file is asked about the file that will be written, and a typed
// name is taken as typed, quotes and all.
TEST_F(FileDialogTest, TheRealDialogAsksAboutTheFileReallyWritten) {
    namespace fs = std::filesystem;
    struct Case {
        QString typed;
        std::vector<std::string> existing;
        QMessageBox::StandardButton answer;
        int expected;
        std::string file;  // the file the dialog is about
    };
    const Case cases[] = {
        {"march", {"march.doc"}, QMessageBox::Yes, 1, "march.doc"},
        {"march", {"march.doc"}, QMessageBox::No, 0, "march.doc"},
        {"march.v2", {"march.v2.doc"}, QMessageBox::Yes, 1, "march.v2.doc"},
        {"say \"hi\"", {"hi", "hi.doc"}, QMessageBox::No, 2, "say \"hi\".doc"},
        {"\"a\" \"b\"", {"\"a\" \"b\".doc", "a.doc"}, QMessageBox::Yes, 1, "\"a\" \"b\".doc"},
    };
    ui_testing::OpenRealPopups();
    const fs::path folder = fs::path(dir) / ("ui_popups_" + std::to_string(getpid()));
    for (const Case& c : cases) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const std::string& name : c.existing) std::ofstream(folder / name) << "user's";
        QString asked;
        char path[4096] = "stale";
        EXPECT_EQ(AtTheDialog(c.typed, c.answer, &asked, folder.string(), path), c.expected) << c.file;
        EXPECT_EQ(std::string(path), c.expected > 0 ? (folder / c.file).string() : "") << c.file;
        EXPECT_EQ(asked.section('\n', 0, 0).toStdString(),
                  fs::exists(folder / c.file) ? c.file + " already exists." : "");
    }
    fs::remove_all(folder);
}

TEST_F(FileDialogTest, HistoryIsNewestFirstWithoutRepeats) {
    EXPECT_TRUE(History().empty());
    const char* chosen[] = {"/d1/a.doc", "/d2/b.doc", "/d1/c.doc", "/d3/sub/e.doc"};
    for (const char* c : chosen) ui_testing::QueueFileAnswer(2, c);
    ui_testing::QueueFileAnswer(0, "/d4/cancelled.doc");
    char path[64];
    for (int i = 0; i < 5; ++i) FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path);
    EXPECT_EQ(History(), (std::vector<std::string>{"/d3/sub", "/d1", "/d2"}));
    char tiny[6];
    ui_testing::QueueFileAnswer(2, "/d5/long.doc");
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, tiny),
              UIE_BUFFER_TOO_SMALL);
    EXPECT_EQ(History().front(), "/d3/sub") << "a refused choice is not remembered";
}

TEST_F(FileDialogTest, AFailedHistoryCallLeavesNothingToFree) {
    ui_testing::QueueFileAnswer(2, "/d1/a.doc");
    char path[64];
    ASSERT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path), 2);
    // The reader of the history ignores the result and frees count paths and the list.
    int count = 77;
    char* stale[1] = {nullptr};
    char** list = stale;
    ui_testing::FailNthCall(1, -5);
    EXPECT_EQ(GetFilePopupDirHistory(&count, &list), -5);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(list, nullptr);
}

TEST_F(FileDialogTest, UnscriptedPopupsWithoutAScreenNeverWait) {
    // Nothing queued and nobody at the offscreen screen: each popup returns at once.
    EXPECT_EQ(MessagePopup("t", "m"), 0);
    EXPECT_EQ(ConfirmPopup("t", "q?"), 0);
    char path[64] = "x";
    EXPECT_EQ(FileSelectPopup("", "*.doc", "*.doc", "t", VAL_SAVE_BUTTON, 0, 1, 1, 0, path), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(ui_testing::TakeShownPopups().size(), 3u);
}

using HooksTest = UiTest;

TEST_F(HooksTest, InjectedFailureHitsExactlyTheNthCallAndChangesNothing) {
    const int panel = NewPanel(0, "h", 0, 0, 100, 100);
    ui_testing::FailNthCall(1, -42);
    EXPECT_EQ(NewCtrl(panel, CTRL_NUMERIC, "", 0, 0), -42);
    EXPECT_EQ(NewCtrl(panel, CTRL_NUMERIC, "", 0, 0), 2) << "the failed call made no control";
    ui_testing::FailNthCall(3, -7);
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 50), 0);
    const Point p = MakePoint(1, 1);  // cannot fail: not counted
    (void)p;
    (void)_GetDoubleInf();
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 60), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 70), -7);
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 80), 0);
    int w = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, 2, ATTR_WIDTH, &w), 0);
    EXPECT_EQ(w, 80);
    ui_testing::FailNthCall(1, -7);
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 90), -7);
    ASSERT_EQ(GetCtrlAttribute(panel, 2, ATTR_WIDTH, &w), 0);
    EXPECT_EQ(w, 80) << "a failed call leaves the control as it was";
    struct Off {
        int n, code;
        const char* why;
    };
    for (Off o : {Off{1, 0, "code 0 is no failure"}, Off{1, 5, "positive codes are no failure"},
                  Off{0, -1, "n 0 is no failure"}, Off{-2, -1, "negative n is no failure"}}) {
        ui_testing::FailNthCall(o.n, o.code);
        EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 10), 0) << o.why;
    }
    ui_testing::FailNthCall(2, -9);
    ui_testing::CancelFailure();
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 10), 0);
    EXPECT_EQ(SetCtrlAttribute(panel, 2, ATTR_WIDTH, 10), 0) << "cancelled";
    const long long before = ui_testing::CallCount();
    (void)MakeRect(1, 1, 1, 1);
    GetCtrlAttribute(panel, 2, ATTR_WIDTH, &w);
    GetCtrlAttribute(panel, 99, ATTR_WIDTH, &w);
    EXPECT_EQ(ui_testing::CallCount() - before, 2)
        << "refused calls count too; helpers that cannot fail do not";
}

TEST_F(HooksTest, RecordingKeepsEveryCallWithItsArgumentsUntilStopped) {
    const int panel = NewPanel(0, "h", 0, 0, 100, 100);
    const int table = NewCtrl(panel, CTRL_TABLE, "", 0, 0);
    ui_testing::StartRecording();
    InsertTableRows(panel, table, -1, 2, -1);
    SetTableCellAttribute(panel, table, MakePoint(3, 1), ATTR_TEXT_BGCOLOR, 0xFFEEBB);
    SetTableCellRangeAttribute(panel, table, MakeRect(1, 2, 1, 1), ATTR_TEXT_FONT, "Arial Narrow");
    SetCtrlAttribute(panel, table, ATTR_MAX_VALUE, 0.25);
    auto calls = ui_testing::StopRecording();
    SetCtrlAttribute(panel, table, ATTR_WIDTH, 5);
    ASSERT_EQ(calls.size(), 4u);
    const std::string p = std::to_string(panel), t = std::to_string(table);
    EXPECT_EQ(calls[0].operation, "InsertTableRows");
    EXPECT_EQ(calls[0].args, (std::vector<std::string>{p, t, "-1", "2", "-1"}));
    EXPECT_EQ(calls[1].args, (std::vector<std::string>{p, t, "(3,1)", "690", std::to_string(0xFFEEBB)}))
        << "recorded although it failed: the table had no column 3";
    EXPECT_EQ(calls[2].args, (std::vector<std::string>{p, t, "(1,2,1,1)", "682", "\"Arial Narrow\""}));
    EXPECT_EQ(calls[3].args.back(), "0.25");
    EXPECT_TRUE(ui_testing::StopRecording().empty()) << "calls after the stop are not kept";
    ui_testing::StartRecording();
    ui_testing::StartRecording();
    DefaultCtrl(panel, table);
    EXPECT_EQ(ui_testing::StopRecording().size(), 1u) << "a new start begins an empty record";
}

}  // namespace
