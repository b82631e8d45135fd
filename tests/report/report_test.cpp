#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "colour/rgb_spaces.h"
#include "platform/ui/ui_testing.h"
#include "platform/utility/utility.h"
#include "platform/utility/utility_testing.h"
#include "platform/wordrpt/automation_errors.h"
#include "platform/wordrpt/wordrpt_testing.h"
#include "report/wordreport.h"
#include "tests/platform/toolbox/file_limits.h"
#include "tests/platform/wordrpt/docx_reader.h"
#include "tests/report/report_world.h"

namespace fs = std::filesystem;

namespace {

class ReportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static char name[] = "test_report";
        static char* argv[] = {name, nullptr};
        ASSERT_TRUE(StartReportWorld(argv));
    }
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("report_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        ASSERT_TRUE(ShowHuePage(10));
        SetRgbSpace(10);
        live_ = wordrpt_testing::LiveHandles();
        ui_testing::TakeShownPopups();
        wordrpt_testing::TakeViewerRequests();
    }
    void TearDown() override {
        wordrpt_testing::CancelFailure();
        ui_testing::CancelFailure();
        EXPECT_EQ(wordrpt_testing::LiveHandles(), live_) << "every handle released";
        fs::remove_all(dir_);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Report(int answer, const std::string& path) {
        ui_testing::QueueFileAnswer(answer, path);
        ReportCallback(menuBar, 0, nullptr, mainPanel);
    }
    static std::string Read(const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    int live_ = 0;
};

int Pictures(pugi::xml_node n) {
    return static_cast<int>(n.select_nodes(".//pic:pic").size());
}

pugi::xml_node Table(const pugi::xml_document& d, int i) {
    return d.child("w:document").child("w:body").select_nodes("w:tbl")[static_cast<size_t>(i)].node();
}

TEST_F(ReportTest, CancelledOrFailedDialogLeavesEverythingAsBefore) {
    ui_testing::ClearDirectoryHistory();
    for (int answer : {0, -1}) {
        SetBreakOnLibraryErrors(1);
        Report(answer, Path("never.doc"));
        EXPECT_EQ(SetBreakOnLibraryErrors(1), 1) << "the stop on library errors restored";
        const auto shown = ui_testing::TakeShownPopups();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].kind, "file");
        EXPECT_EQ(shown[0].title, title);
        EXPECT_EQ(shown[0].text, "") << "an empty history gives an empty default directory";
    }
    EXPECT_TRUE(Files().empty());
    EXPECT_TRUE(wordrpt_testing::TakeViewerRequests().empty());

    // The next dialog starts where the last report went.
    Report(2, Path("first.doc"));
    Report(0, "");
    EXPECT_EQ(ui_testing::TakeShownPopups().back().text, dir_.string());
}

// An existing file chosen is replaced by the new report; the user's file under the snapshot's
// name is spared, the report's own snapshot file is gone afterwards; the saved report is shown.
TEST_F(ReportTest, ReplacesChosenFileAndSparesTheUsersFiles) {
    const std::string path = Path("page.doc");
    std::ofstream(path) << "old report";
    std::ofstream(Path("page.bmp")) << "user's picture";
    Report(1, path);

    const DocxPackage pkg = ReadDocx(path);
    ASSERT_TRUE(pkg.ok) << "the old file replaced by a document";
    EXPECT_EQ(Read(Path("page.bmp")), "user's picture");
    EXPECT_EQ(Files(), (std::vector<std::string>{"page.bmp", "page.doc"}));
    const pugi::xml_document d = pkg.Xml("word/document.xml");
    EXPECT_EQ(Pictures(Table(d, 2)), 1) << "the snapshot taken under another name";
    EXPECT_EQ(wordrpt_testing::TakeViewerRequests(), std::vector<std::string>{path});
    EXPECT_EQ(ui_testing::TakeShownPopups().size(), 1u) << "no popup but the dialog";
}

TEST_F(ReportTest, FailedStartOrSaveIsToldAndKeepsTheOldFile) {
    const std::string path = Path("kept.doc");
    std::ofstream(path) << "old report";
    wordrpt_testing::FailNthCall(1, kWordRptServerFailed);
    Report(1, path);
    auto shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, title);
    EXPECT_EQ(shown[1].text, "The report application could not be started.");
    EXPECT_EQ(Read(path), "old report");

    const std::string lost = Path("no such folder/r.doc");
    Report(2, lost);
    shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, title);
    EXPECT_NE(shown[1].text.find(lost), std::string::npos);
    EXPECT_NE(shown[1].text.find("The folder does not exist."), std::string::npos);
    EXPECT_TRUE(wordrpt_testing::TakeViewerRequests().empty());
    EXPECT_EQ(Files(), std::vector<std::string>{"kept.doc"});
}

// The same page in two RGB working spaces: only the RGB column of the colours differs.
TEST_F(ReportTest, TwoRgbSpacesDifferOnlyInTheRgbColumn) {
    fs::create_directories(dir_ / "a");
    fs::create_directories(dir_ / "b");
    Report(2, Path("a/page.doc"));
    SetRgbSpace(0);
    Report(2, Path("b/page.doc"));
    pugi::xml_document docs[2] = {ReadDocx(Path("a/page.doc")).Xml("word/document.xml"),
                                  ReadDocx(Path("b/page.doc")).Xml("word/document.xml")};
    int differing = 0;
    std::vector<std::string> rgb;
    std::string blanked[2];
    for (int k = 0; k < 2; ++k) {
        const auto rows = Table(docs[k], 1).select_nodes("w:tr");
        for (size_t r = 2; r < rows.size(); ++r) {
            pugi::xml_node t = rows[r].node().select_node("w:tc[10]//w:t").node();
            if (k == 0) rgb.push_back(t.text().get());
            if (k == 1) differing += rgb[r - 2] != t.text().get();
            t.text() = "";
        }
        std::ostringstream s;
        docs[k].save(s);
        blanked[k] = s.str();
    }
    EXPECT_EQ(blanked[0], blanked[1]);
    EXPECT_GT(differing, 0);
}

// A folder named like a document keeps its name; the snapshot goes beside the document.
TEST_F(ReportTest, SnapshotBesideADocumentInsideADocFolder) {
    fs::create_directories(dir_ / "reports.doc");
    ui_testing::StartRecording();
    Report(2, Path("reports.doc/r.doc"));
    const auto calls = ui_testing::StopRecording();
    std::vector<std::string> saved;
    for (const auto& c : calls) {
        if (c.operation == "SaveBitmapToFile") saved.push_back(c.args.at(0));
    }
    EXPECT_EQ(saved, std::vector<std::string>{"\"" + Path("reports.doc/r.bmp") + "\""});
    EXPECT_EQ(Files(), (std::vector<std::string>{"r.doc", "reports.doc"}));
}

// The width of the snapshot's picture, 0 when its cell is empty.
long long SnapshotWidth(const std::string& path) {
    const pugi::xml_document d = ReadDocx(path).Xml("word/document.xml");
    return Table(d, 2).select_node(".//wp:extent").node().attribute("cx").as_llong();
}

// A picture that cannot be had is left out, never replaced by a partial file or a user's, and
// the user is told which and why; the report is saved complete all the same.
TEST_F(ReportTest, PicturesThatCannotBeHadAreLeftOutAndTold) {
    Report(2, Path("whole.doc"));
    const long long snapshot = SnapshotWidth(Path("whole.doc"));
    ui_testing::TakeShownPopups();
    // No kelbrant.bmp, a chart3d.bmp that is no picture, and a pipe that nobody writes as ostrel.bmp.
    const std::string gaps = Path("gaps");
    fs::create_directories(gaps);
    std::ofstream(gaps + "/chart3d.bmp") << "not a picture";
    ASSERT_EQ(::mkfifo((gaps + "/ostrel.bmp").c_str(), 0644), 0);
    const std::string unwritten = "- the picture of the main window: its file cannot be written: ";
    struct Case {
        int diskKilobytes;  // a small disk holding the report, or 0
        rlim_t sizeLimit;   // or 0; 256 kB holds a report but not the window's bitmap
        bool headerGaps;
        int userPictures;  // r.bmp, r-1.bmp, ... beside the report
        std::string told;
    };
    const Case cases[] = {
        {0, 0, true, 0,
         "- " + gaps + "/kelbrant.bmp: not found\n- " + gaps +
             "/chart3d.bmp: The picture file cannot be read.\n- " + gaps +
             "/ostrel.bmp: not a regular file\n"},
        {512, 0, false, 0, unwritten + std::strerror(ENOSPC) + "\n"},
        {0, 256 * 1024, false, 0, unwritten + std::strerror(EFBIG) + "\n"},
        {0, 0, false, 100, ""},
    };
    const QImage users(8, 8, QImage::Format_RGB32);
    int k = 0;
    for (const Case& c : cases) {
        const fs::path folder = dir_ / std::to_string(++k);
        fs::create_directory(folder);
        std::optional<SmallDisk> disk;
        if (c.diskKilobytes > 0 && !disk.emplace(folder.string(), c.diskKilobytes).ok())
            continue;  // no tmpfs
        for (int n = 0; n < c.userPictures; ++n)
            users.save(QString::fromStdString(
                (folder / (n ? "r-" + std::to_string(n) + ".bmp" : "r.bmp")).string()));
        const std::string path = (folder / "r.doc").string();
        utility_testing::SetProjectDir(c.headerGaps ? gaps : "");
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit > 0) limit.emplace(c.sizeLimit);
            ::alarm(30);  // a report that hangs fails here
            Report(2, path);
            ::alarm(0);
        }
        utility_testing::SetProjectDir("");
        const auto shown = ui_testing::TakeShownPopups();
        ASSERT_EQ(shown.size(), c.told.empty() ? 1u : 2u) << k;
        if (!c.told.empty()) {
            EXPECT_EQ(shown[1].text,
                      "The report was saved as\n" + path + "\nwithout these pictures:\n" + c.told);
        }
        const pugi::xml_document d = ReadDocx(path).Xml("word/document.xml");
        EXPECT_EQ(Pictures(Table(d, 0)), c.headerGaps ? 0 : 3) << k;
        EXPECT_EQ(SnapshotWidth(path), c.told.find("main window") == std::string::npos ? snapshot : 0) << k;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), c.userPictures + 1) << k;
    }
}

// Any path the file system accepts is saved; one it cannot take is told, never a silent cancel.
TEST_F(ReportTest, LongPathsAreSavedOrTold) {
    struct Case {
        std::size_t folderLength;  // 0: the test's folder
        std::string name;
        std::string told;  // "" for a saved report
    };
    const Case cases[] = {
        {600, "r.doc", ""},
        {0, std::string(251, 'n') + ".doc", ""},
        // Room for the document's name, none for a longer one beside it.
        {4085, "r.doc",
         "\n\nThe file name or path is too long.\n\nIt also lacked these pictures:\n- the picture of the "
         "main "
         "window: no file can be made for it beside the document: " +
             std::string(std::strerror(ENAMETOOLONG)) + "\n"},
        {4200, "r.doc",
         "The report was not made: the path chosen is longer than the 4095 characters a path can have."},
    };
    for (const Case& c : cases) {
        std::string folder = dir_.string();
        while (folder.size() + 1 < c.folderLength)  // names of up to 200 characters, none empty
            folder += "/" + std::string(std::min<std::size_t>(200, c.folderLength - folder.size() - 1), 'd');
        const bool made = folder.size() < 4096;
        if (made) fs::create_directories(folder);
        if (made) std::ofstream(folder + "/r.bmp") << "user's picture";
        const std::string path = folder + "/" + c.name;
        Report(2, path);
        const auto shown = ui_testing::TakeShownPopups();
        if (c.told.empty()) {
            EXPECT_EQ(shown.size(), 1u) << path.size();
            EXPECT_GT(SnapshotWidth(path), 0) << path.size();
        } else {
            ASSERT_EQ(shown.size(), 2u) << path.size();
            EXPECT_EQ(shown[1].text, made ? "The report could not be saved as\n" + path + c.told : c.told);
        }
        EXPECT_TRUE(!made || Read(folder + "/r.bmp") == "user's picture") << path.size();
    }
}

}  // namespace
