// The settings file's rules, and whole runs from start-up to the exit code.
#include <QTimer>
#include <string>

#include "app/settings_file.h"
#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "tests/app/shell_fixture.h"
#include "ui/cielab_panel.h"
#include "ui/main_panel.h"
#include "ui/menu_bar.h"

namespace {

struct SettingsCase {
    const char* name;
    std::string text;
    int colorSpace, actualIndex, ring, space;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
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
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingsRules,
    ::testing::Values(
        SettingsCase{"AsWritten", "COLORSPACE = 4\nHUEINDEX = 7\n", 4, 7, 4, 4},
        SettingsCase{"EitherOrderBlanksTextAndCR", "HUEINDEX=7 pages\r\nCOLORSPACE  =   3xyz\r\n", 3, 7, 3,
                     3},
        SettingsCase{"LowerCaseKeysSkipped", "colorspace = 4\nhueindex = 7\n", 10, 39, 10, 10},
        SettingsCase{"NoDigitsGiveZero", "COLORSPACE = sRGB\n", 0, 39, 0, 0},
        SettingsCase{"LaterLineWins", "COLORSPACE = 4\nCOLORSPACE = 6\n", 6, 39, 6, 6},
        SettingsCase{"BothKeysCountAsColourSpace", "HUEINDEX = 5 COLORSPACE = 2\n", 5, 39, 5, 5},
        SettingsCase{"KeyAnywhereValueAfterFirstEquals", "= 12 #HUEINDEX = 3\n[x]\n", 10, 12, 10, 10},
        SettingsCase{"UserDefinedKeepsTheSpace", "COLORSPACE = -1\n", -1, 39, -1, 10},
        SettingsCase{"OutOfRangeSpaceKeptButNotApplied", "COLORSPACE = 15\n", 15, 39, -1, 10},
        SettingsCase{"PageOutsideIgnored", "HUEINDEX = 40\nHUEINDEX = -1\nHUEINDEX = 99999999999\n", 10, 39,
                     10, 10},
        SettingsCase{"NoEqualsReadsNothing", "HUEINDEX 3\nCOLORSPACE\n= 4\n", 10, 39, 10, 10},
        SettingsCase{"LongLineReadInPieces",
                     std::string(300, 'x') + "HUEINDEX = 3\n" + std::string(9000, '=') + "\nCOLORSPACE = 2",
                     2, 3, 2, 2}),
    [](const auto& info) { return info.param.name; });

TEST_F(Shell, WritingReplacesTheFileOnlyWhenComplete) {
    Start();
    colorSpace = -1;
    actualIndex = 7;
    WriteIniFile();
    EXPECT_EQ(ReadSettings(), "COLORSPACE = -1\nHUEINDEX = 7\n");
    // The new file cannot be made: the old one stays as it was.
    std::filesystem::create_directory(dir / "Ostrel.ini.new");
    colorSpace = 3;
    WriteIniFile();
    EXPECT_EQ(ReadSettings(), "COLORSPACE = -1\nHUEINDEX = 7\n");
    utility_testing::SetProjectDir((dir / "missing").string());
    WriteIniFile();
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
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
