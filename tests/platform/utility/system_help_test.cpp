// The help viewer and how SystemHelp finds the help file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/utility/help_viewer.h"
#include "platform/utility/utility.h"

namespace {

namespace fs = std::filesystem;

QApplication& App() {
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

class SystemHelpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        dir_ = fs::temp_directory_path() / ("ostrel_help_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        delete utility_detail::HelpViewerWindow();
        fs::remove_all(dir_);
    }
    void Write(const std::string& name, const std::string& content) {
        std::ofstream(dir_ / name, std::ios::binary) << content;
    }
    std::string Shown() {
        auto* viewer = qobject_cast<QTextBrowser*>(utility_detail::HelpViewerWindow());
        return viewer ? viewer->toPlainText().toStdString() : std::string("<no viewer>");
    }
    fs::path dir_;
};

TEST_F(SystemHelpTest, FindsTheHelpFile) {
    struct Row {
        const char* present;  // the file written, with "<p>shown</p>" in it
        const char* asked;    // the name SystemHelp is given
        int result;
    };
    const Row rows[] = {
        {"Ostrel.html", "Ostrel.hlp", 1},   // the .hlp name maps to its .html file
        {"Ostrel.hlp", "Ostrel.hlp", 1},    // an HTML file under the .hlp name itself
        {"Ostrel.html", "Ostrel.html", 1},  // the HTML file named directly
        {"Other.html", "Ostrel.hlp", 0},    // nothing under either name
        {"Ostrel.htm", "Ostrel.hlp", 0},    // only .html is looked for
    };
    for (const auto& row : rows) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        Write(row.present, "<html><body><p>shown</p></body></html>");
        const std::string asked = (dir_ / row.asked).string();
        EXPECT_EQ(SystemHelp(asked.c_str(), 11, 0, nullptr), row.result) << row.present << " / " << row.asked;
        if (row.result) {
            EXPECT_NE(Shown().find("shown"), std::string::npos);
        }
    }
}

TEST_F(SystemHelpTest, ABinaryHelpFileGivesWayToTheHtmlBesideIt) {
    Write("Ostrel.hlp", std::string("?_\x03\0binary", 10));
    EXPECT_EQ(SystemHelp((dir_ / "Ostrel.hlp").c_str(), 11, 0, nullptr), 0) << "binary and no .html";
    Write("Ostrel.html", "<p>html help</p>");
    EXPECT_EQ(SystemHelp((dir_ / "Ostrel.hlp").c_str(), 11, 0, nullptr), 1);
    EXPECT_NE(Shown().find("html help"), std::string::npos);
}

TEST_F(SystemHelpTest, OneViewerWindowShowsTheLastFile) {
    Write("a.html", "<title>First</title><p>first</p>");
    Write("b.html", "<title>Second</title><p>second</p>");
    ASSERT_EQ(SystemHelp((dir_ / "a.html").c_str(), 11, 0, nullptr), 1);
    QWidget* first = utility_detail::HelpViewerWindow();
    ASSERT_EQ(SystemHelp((dir_ / "b.html").c_str(), 11, 0, nullptr), 1);
    EXPECT_EQ(utility_detail::HelpViewerWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle().toStdString(), "Second");
    EXPECT_NE(Shown().find("second"), std::string::npos);
}

TEST_F(SystemHelpTest, RefusedNames) {
    EXPECT_EQ(SystemHelp(nullptr, 11, 0, nullptr), 0);
    EXPECT_EQ(SystemHelp("", 11, 0, nullptr), 0);
    EXPECT_EQ(SystemHelp(dir_.c_str(), 11, 0, nullptr), 0) << "a directory is no help file";
    EXPECT_EQ(utility_detail::HelpViewerWindow(), nullptr);
}

TEST_F(SystemHelpTest, TheProgramsHelpIsBesideTheExecutable) {
    // What HelpCallback builds: <program dir>/HELP/<prog>.hlp, with prog "Ostrel".
    char path[kMaxPathnameLen];
    ASSERT_EQ(GetProjectDir(path), 0);
    ASSERT_EQ(MakePathname(path, "HELP", path), 0);
    ASSERT_EQ(MakePathname(path, "Ostrel.hlp", path), 0);
    ASSERT_EQ(SystemHelp(path, 11, 0, nullptr), 1);
    EXPECT_NE(Shown().find("Hue pages"), std::string::npos);
}

}  // namespace
