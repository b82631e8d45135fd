// The settings file's rules, and whole runs from start-up to the exit code.
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings_file.h"
#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "colour/rgb_spaces.h"
#include "platform/utility/utility.h"
#include "tests/app/shell_fixture.h"
#include "windows/cielab_panel.h"
#include "windows/main_panel.h"
#include "windows/menu_bar.h"

namespace {

struct SettingsCase {
    const char* name;
    std::string text;
    int colorSpace, actualIndex, ring, space;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Times(int n, const std::string& text) {
    std::string all;
    while (n-- > 0) all += text;
    return all;
}

class SettingsRules : public Shell, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsRules, StartUpReadsTheFile) {
    const SettingsCase& c = GetParam();
    WriteSettings(c.text);
    Start();
    EXPECT_EQ(colorSpace, c.colorSpace);
    EXPECT_EQ(actualIndex, c.actualIndex);
    int ring = 0;
    GetCtrlVal(mainPanel, PANEL_RGBRING, &ring);
    EXPECT_EQ(ring, c.ring);
    EXPECT_EQ(GetActualRgbSpace(), c.space);
    WriteIniFile();
    EXPECT_EQ(ReadSettings(), "COLORSPACE = " + std::to_string(c.colorSpace) +
                                  "\nHUEINDEX = " + std::to_string(c.actualIndex) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsRules,
    ::testing::Values(
        SettingsCase{"AsWritten", "COLORSPACE = 4\nHUEINDEX = 7\n", 4, 7, 4, 4},
        SettingsCase{"EitherOrderBlanksTextAndCR", "HUEINDEX=7 pages\r\nCOLORSPACE  =   3xyz\r\n", 3, 7, 3,
                     3},
        SettingsCase{"LowerCaseKeysSkipped", "colorspace = 4\nhueindex = 7\n", 10, 39, -1, 10},
        SettingsCase{"NoDigitsGiveAdobeAndTheFirstPage",
                     "COLORSPACE = 4\nHUEINDEX = 7\nCOLORSPACE = sRGB\nHUEINDEX = x\n", 0, 0, 0, 0},
        SettingsCase{"LaterLineWins", "COLORSPACE = 4\nCOLORSPACE = 6\n", 6, 39, 6, 6},
        SettingsCase{"BothKeysCountAsColourSpace", "HUEINDEX = 5 COLORSPACE = 2\n", 5, 39, 5, 5},
        SettingsCase{"KeyAnywhereValueAfterFirstEquals", "= 12 #HUEINDEX = 3\n[x]\n", 10, 12, -1, 10},
        SettingsCase{"UserDefinedKeepsTheSpace", "COLORSPACE = -1\n", -1, 39, -1, 10},
        SettingsCase{"UserDefinedAfterASpace", "COLORSPACE = 3\nCOLORSPACE = -1\n", -1, 39, -1, 3},
        SettingsCase{"OutOfRangeSpaceKeptRingAndSpaceStay",
                     "COLORSPACE = 3\nCOLORSPACE = 15\nCOLORSPACE = -2\n", -2, 39, 3, 3},
        SettingsCase{"PageOutsideIgnored", "HUEINDEX = 40\nHUEINDEX = -1\nHUEINDEX = 99999999999\n", 10, 39,
                     -1, 10},
        SettingsCase{"NoEqualsReadsNothing", "HUEINDEX 3\nCOLORSPACE\n= 4\n", 10, 39, -1, 10},
        SettingsCase{"LongLineReadInPieces",
                     std::string(300, 'x') + "HUEINDEX = 3\n" + std::string(9000, '=') + "\nCOLORSPACE = 2",
                     2, 3, 2, 2},
        // 100 MB of such lines would take half a minute if each were applied; only the head is read.
        SettingsCase{"OnlyTheHeadOfAHugeFile", Times(100000, "COLORSPACE = 4\n") + "COLORSPACE = 6\n", 4, 39,
                     4, 4},
        // The head ends at its last whole line: "COLORSPACE = 1" and "HUEINDEX = 2" stand before
        // the limit, their last digit after it.
        SettingsCase{"ALineCutByTheLimitIsNotUsed",
                     "COLORSPACE = 4\n" + std::string(16354, 'x') + "\nCOLORSPACE = 12\n", 4, 39, 4, 4},
        SettingsCase{"APageCutByTheLimitIsNotUsed", "\n" + Times(600, "COLORSPACE = 3\nHUEINDEX = 25\n"), 3,
                     25, 3, 3}),
    [](const auto& info) { return info.param.name; });

namespace fs = std::filesystem;
constexpr uid_t kNobody = 65534;

// Root passes every permission check, so a part that needs an ordinary user runs with this
// thread's file-system identity that of user 65534. (A forked child cannot run it: Qt's worker
// threads do not survive a fork.) The raw calls change this thread alone, and root takes its
// identity back. False when the identity cannot be taken.
bool AsOrdinaryUser(bool needed, const std::function<void()>& part) {
    if (!needed || ::geteuid() != 0) {
        part();
        return true;
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    ::getgroups(static_cast<int>(groups.size()), groups.data());
    ::syscall(SYS_setgroups, 0, nullptr);
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);
    const bool taken =
        ::setfsuid(-1) == static_cast<int>(kNobody) && ::setfsgid(-1) == static_cast<int>(kNobody);
    if (taken) part();
    ::setfsuid(0);
    ::setfsgid(0);
    ::syscall(SYS_setgroups, groups.size(), groups.data());
    return taken;
}

// What stands at `path` as a user sees it: its kind, mode, and content or link.
std::string Describe(const fs::path& path) {
    const fs::file_status status = fs::symlink_status(path);
    std::ostringstream out;
    out << static_cast<int>(status.type()) << ' ' << std::oct << static_cast<int>(status.permissions())
        << ' ';
    if (fs::is_symlink(status)) out << fs::read_symlink(path);
    if (fs::is_regular_file(status)) out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
}

// Hands a file or folder to user 65534 where the test runs as root.
void GiveToNobody(const fs::path& path) {
    ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), kNobody, kNobody) == 0);
}

void OldFile(const fs::path& file, int mode) {
    std::ofstream(file) << "COLORSPACE = 4  \nHUEINDEX = 7  \n";  // longer than what is saved
    fs::permissions(file, fs::perms(mode));
}

enum Told { kNothing, kNotRead, kNotSaved };
using Step = std::function<void(const fs::path& dir)>;

struct FileCase {
    const char* name;
    Step before, during;  // as root before the run; in the run
    bool asUser;
    int started;  // colorSpace * 100 + actualIndex once started
    Told told;
    int error;          // the reason told; 0 for "not a regular file"
    const char* saved;  // where the settings land, null when the file stays as it was
    int mode;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsFile : public Shell, public ::testing::WithParamInterface<FileCase> {};

// A whole run that changes the space and the page, then quits.
TEST_P(SettingsFile, NeverLostOrReplacedUnasked) {
    const FileCase& c = GetParam();
    const fs::path ini = dir / "Ostrel.ini";
    if (c.before) c.before(dir);
    if (IsSkipped()) return;
    const mode_t mask = ::umask(022);
    std::string beforeSave = Describe(ini);
    // A file saved over keeps its owner and its other names.
    struct stat kept {};
    const bool existed = c.saved != nullptr && ::stat((dir / c.saved).c_str(), &kept) == 0;
    const long entries = std::distance(fs::recursive_directory_iterator(dir), {});
    ::alarm(30);  // a start that hangs fails here instead of stopping the suite
    const bool ran = AsOrdinaryUser(c.asUser, [&] {
        QTimer::singleShot(0, [&] {
            EXPECT_EQ(colorSpace * 100 + actualIndex, c.started);
            if (c.during) c.during(dir), beforeSave = Describe(ini);
            colorSpace = -1, actualIndex = 5;
            ui_testing::QueueConfirmAnswer(1);
            ui_testing::ChooseMenuItem(menuBar, MENU_FILE_QUIT);
        });
        char name[] = "Ostrel";
        char* argv[] = {name, nullptr};
        EXPECT_EQ(OstrelMain(1, argv), 0);
    });
    ::alarm(0);
    ::umask(mask);
    if (!ran) GTEST_SKIP() << "no ordinary user's identity can be taken";
    const std::string reason = c.error != 0 ? std::strerror(c.error) : "not a regular file";
    const std::string told[] = {
        "",
        "The settings file " + ini.string() + " cannot be read (" + reason +
            ").\nThe program starts on its defaults and leaves the file as it is.",
        "The settings could not be saved in " + ini.string() + " (" + reason +
            ").\nThe next start will not restore this run's colour space and hue page."};
    std::string shown;
    for (const auto& popup : ui_testing::TakeShownPopups()) {
        if (popup.kind == "message") shown += popup.title + ": " + popup.text;
    }
    EXPECT_EQ(shown, c.told == kNothing ? "" : "Ostrel v1.00 Jun 03 2006: " + told[c.told]);
    if (c.saved != nullptr) {
        std::ifstream in(dir / c.saved, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "COLORSPACE = -1\nHUEINDEX = 5\n");
        EXPECT_EQ(fs::status(dir / c.saved).permissions(), fs::perms(c.mode));
        EXPECT_EQ(fs::is_symlink(ini), ini != dir / c.saved);
        struct stat now {};
        ASSERT_EQ(::stat((dir / c.saved).c_str(), &now), 0);
        if (existed) {
            EXPECT_EQ(std::pair(now.st_uid, now.st_nlink), std::pair(kept.st_uid, kept.st_nlink));
        }
    } else {
        EXPECT_EQ(Describe(ini), beforeSave);
    }
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir), {}), std::max(entries, 1L))
        << "a file left";
    ::umount2(dir.c_str(), MNT_DETACH);
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);  // so that it can be removed
}

// A new file in its place would differ from what writing in place gives: written in place,
// or left as it is where the user may not write it.
void TheirFile(const fs::path& d) {
    OldFile(d / "Ostrel.ini", 0666);
    GiveToNobody(d);
}
void LinkedFile(const fs::path& d) {
    OldFile(d / "other.ini", 0644);
    fs::create_hard_link(d / "other.ini", d / "Ostrel.ini");
}
void ReadOnlyFile(const fs::path& d) {
    OldFile(d / "Ostrel.ini", 0444);
    GiveToNobody(d);
    GiveToNobody(d / "Ostrel.ini");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFile,
    ::testing::Values(
        FileCase{"NewFileUnderTheUmask", nullptr, nullptr, false, 1039, kNothing, 0, "Ostrel.ini", 0644},
        FileCase{"ThroughALinkToItsTarget",
                 [](const fs::path& d) {
                     fs::create_directory(d / "real");
                     OldFile(d / "real/settings.ini", 0640);
                     fs::create_symlink("real/settings.ini", d / "Ostrel.ini");
                 },
                 nullptr, false, 407, kNothing, 0, "real/settings.ini", 0640},
        FileCase{"InPlaceWhereOnlyTheFileIsWritable",
                 [](const fs::path& d) {
                     fs::permissions(d, fs::perms(0755));
                     OldFile(d / "Ostrel.ini", 0600);
                     ASSERT_TRUE(::geteuid() != 0 ||
                                 ::chown((d / "Ostrel.ini").c_str(), kNobody, kNobody) == 0);
                 },
                 nullptr, true, 407, kNothing, 0, "Ostrel.ini", 0600},
        FileCase{"Unreadable",
                 [](const fs::path& d) {
                     OldFile(d / "Ostrel.ini", 0);
                     // The user could replace it, and must not.
                     ASSERT_TRUE(::geteuid() != 0 || ::chown(d.c_str(), kNobody, kNobody) == 0);
                 },
                 nullptr, true, 1039, kNotRead, EACCES, nullptr, 0},
        FileCase{"Fifo", [](const fs::path& d) { ASSERT_EQ(::mkfifo((d / "Ostrel.ini").c_str(), 0644), 0); },
                 nullptr, false, 1039, kNotRead, 0, nullptr, 0},
        FileCase{"LinkToDevZero",
                 [](const fs::path& d) { fs::create_symlink("/dev/zero", d / "Ostrel.ini"); }, nullptr, false,
                 1039, kNotRead, 0, nullptr, 0},
        FileCase{"Directory", [](const fs::path& d) { fs::create_directory(d / "Ostrel.ini"); }, nullptr,
                 false, 1039, kNotRead, 0, nullptr, 0},
        FileCase{"DirectoryInItsPlaceAtQuit", [](const fs::path& d) { OldFile(d / "Ostrel.ini", 0644); },
                 [](const fs::path& d) {
                     fs::remove(d / "Ostrel.ini");
                     fs::create_directory(d / "Ostrel.ini");
                 },
                 false, 407, kNotSaved, 0, nullptr, 0},
        FileCase{"ReadOnlyFolderAndFile",
                 [](const fs::path& d) {
                     OldFile(d / "Ostrel.ini", 0444);
                     fs::permissions(d, fs::perms(0555));
                 },
                 nullptr, true, 407, kNotSaved, EACCES, nullptr, 0},
        FileCase{"FullDisk",
                 [](const fs::path& d) {
                     if (::mount("tmpfs", d.c_str(), "tmpfs", 0, "size=64k") != 0)
                         GTEST_SKIP() << "no mount here";
                     OldFile(d / "Ostrel.ini", 0644);
                     std::ofstream filler(d / "filler", std::ios::binary);
                     const std::string block(4096, 'x');
                     for (int i = 0; i < 64 && filler; ++i) filler.write(block.data(), block.size()).flush();
                 },
                 nullptr, false, 407, kNotSaved, ENOSPC, nullptr, 0},
        FileCase{"AnotherUsersFile", TheirFile, nullptr, true, 407, kNothing, 0, "Ostrel.ini", 0666},
        FileCase{"HardLinked", LinkedFile, nullptr, false, 407, kNothing, 0, "Ostrel.ini", 0644},
        FileCase{"ReadOnly", ReadOnlyFile, nullptr, true, 407, kNotSaved, EACCES, nullptr, 0}),
    [](const auto& info) { return info.param.name; });

// The colour core as a fresh process has it: the sRGB matrix with a plain 1/2.4 power curve.
void ColourCoreAtItsStart() {
    xyzToRgb = spaceMatrices[kRgbSpaceSRGB];
    rgbToXyz = {0.4124, 0.3576, 0.1805, 0.2127, 0.7152, 0.0722, 0.0193, 0.1192, 0.9505};
    rgbGamma = 0.41666666f;
    rgbSlope = 1.0f;
    rgbThreshold = rgbThresholdOut = rgbOffset = 0.0f;
    actualRgbSpace = kRgbSpaceSRGB;
}

// Without a space chosen, the ring says "user defined": the colour core's start state is in
// force, not sRGB, and choosing sRGB changes the swatches (000 15 00 here).
TEST_F(Shell, TheRingNamesTheSpaceInForceAtAFirstStart) {
    ColourCoreAtItsStart();
    Start();
    int ring = 0, grey15 = 0;
    GetCtrlVal(mainPanel, PANEL_RGBRING, &ring);
    GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(6, 6), ATTR_TEXT_BGCOLOR, &grey15);
    EXPECT_EQ(std::tuple(ring, colorSpace, grey15), std::tuple(-1, 10, 0x313131));
    ui_testing::ChooseRingItem(mainPanel, PANEL_RGBRING, 11);  // "sRGB"
    GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(6, 6), ATTR_TEXT_BGCOLOR, &grey15);
    EXPECT_EQ(grey15, 0x262625);
}

// A program folder of any length the system takes keeps its settings; one beyond is told once.
TEST_F(Shell, ALongProgramFolderKeepsItsSettings) {
    const fs::path top = dir;
    dir /= std::string(200, 'a') + "/" + std::string(200, 'b');
    fs::create_directories(dir);
    utility_testing::SetProjectDir(dir.string());
    WriteSettings("COLORSPACE = 4\nHUEINDEX = 7\n");
    Start();
    actualIndex = 5;
    WriteIniFile();
    EXPECT_EQ(ReadSettings(), "COLORSPACE = 4\nHUEINDEX = 5\n");
    dir = top;
    utility_testing::SetProjectDir(std::string(kMaxPathnameLen, 'c'));
    ReadIniFile();
    WriteIniFile();
    const auto popups = ui_testing::TakeShownPopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].text.rfind("The settings file Ostrel.ini cannot be used:", 0), 0u);
}

TEST_F(Shell, BuilderFailureStopsWithAMessage) {
    // The first run tells which call builds the start-up's menu bar.
    ui_testing::StartRecording();
    Start();
    const auto calls = ui_testing::StopRecording();
    ui_testing::ResetLayer();
    int bars = 0, n = 0;
    while (bars < 2) bars += calls[n++].operation == "NewMenuBar";
    ui_testing::FailNthCall(n, UIE_OUT_OF_RANGE);
    ::testing::internal::CaptureStderr();
    char name[] = "Ostrel";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(OstrelMain(1, argv), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Ostrel: the menu bar could not be built (user-interface error -9); the program stops.\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Ostrel.ini"));
}

// A whole run: settings read, a swatch clicked, the space changed, quit declined then confirmed.
TEST_F(Shell, RunFromMainToExitCode) {
    WriteSettings("COLORSPACE = 4\nHUEINDEX = 0\n");
    QTimer::singleShot(0, [this] {
        int offX = 0, offY = 0;
        GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_COLUMN_LEFT, &offX);
        GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_ROW_TOP, &offY);
        ui_testing::SendClick(mainPanel, PANEL_TABLE, offX + 35, offY + 50);  // "010 90 05"
        const ColorTriple lab = HLC__Lab({10, 90, 5});
        const ColorTriple xyz = Lab__XYZ(lab, whiteRef);
        const ColorTriple chromaticity = XYZ__xyz(xyz);
        const std::pair<int, float> values[] = {{CIELAB_H, 10},
                                                {CIELAB_L2, 90},
                                                {CIELAB_C, 5},
                                                {CIELAB_L, lab.c1},
                                                {CIELAB_a, lab.c2},
                                                {CIELAB_b, lab.c3},
                                                {CIELAB_X, xyz.c1},
                                                {CIELAB_Y, xyz.c2},
                                                {CIELAB_Z, xyz.c3},
                                                {CIELAB_x, chromaticity.c1},
                                                {CIELAB_y, chromaticity.c2}};
        for (const auto& [control, expected] : values) {
            double shown = 0;
            GetCtrlVal(cielabPanel, control, &shown);
            EXPECT_EQ(shown, static_cast<double>(expected)) << control;
        }
        EXPECT_NEAR(lab.c2, 4.924, 5e-4);
        EXPECT_NEAR(xyz.c3, 80.735, 5e-4);
        int packed = 0;
        GetCtrlVal(cielabPanel, CIELAB_COLORNUM, &packed);
        EXPECT_EQ(packed, RGB__int(XYZ__RGB(xyz))) << "in HDTV, the space read";

        const RalDesignColor& e = *chartOrg[0].cells[0][0];
        ui_testing::ChooseRingItem(mainPanel, PANEL_RGBRING, 14);  // "Generic LCD"
        int swatch = 0;
        GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(2, 2), ATTR_TEXT_BGCOLOR, &swatch);
        EXPECT_EQ(swatch, RGB__int(XYZ__RGB(Lab__XYZ({e.L, e.a, e.b}, whiteRef))));
        EXPECT_EQ(colorSpace, 13);

        // Display items show and hide their windows with a check mark; help without its file.
        for (const int shown : {1, 0}) {
            ui_testing::ChooseMenuItem(menuBar, MENU_DISPLAY_CIELAB);
            int visible = -1;
            GetPanelAttribute(cielabPanel, ATTR_VISIBLE, &visible);
            EXPECT_EQ(visible * 10 + ui_testing::MenuItemShowsCheck(menuBar, MENU_DISPLAY_CIELAB),
                      shown * 11);
        }
        ui_testing::QueueMessageAnswer();
        ui_testing::ChooseMenuItem(menuBar, MENU_HELP_CONTENTS);
        ui_testing::QueueConfirmAnswer(0);
        ui_testing::ChooseMenuItem(menuBar, MENU_FILE_QUIT);
        EXPECT_EQ(ReadSettings(), "COLORSPACE = 4\nHUEINDEX = 0\n");
        ui_testing::QueueConfirmAnswer(1);
        ui_testing::ChooseMenuItem(menuBar, MENU_FILE_QUIT);
    });
    char name[] = "/opt/ostrel/Ostrel_dbg.exe";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(OstrelMain(1, argv), 0);
    const auto popups = ui_testing::TakeShownPopups();
    ASSERT_EQ(popups.size(), 3u);
    EXPECT_EQ(popups[0].text, "unable to load help file");
    EXPECT_EQ(popups[2].title, "Ostrel v1.00 Jun 03 2006");
    EXPECT_EQ(popups[2].text.substr(0, 25), "Ostrel v1.00 Jun 03 2006\n");
    EXPECT_NE(popups[2].text.find("\n\nReally quit the program ?"), std::string::npos);
    EXPECT_EQ(ReadSettings(), "COLORSPACE = 13\nHUEINDEX = 0\n");
}

}  // namespace
