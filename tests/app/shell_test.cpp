// The viewer started in-process: its name, ring, table, hit test, navigation, background,
// menu commands and copy.
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>
#include <vector>

#include "app/colour_detail.h"
#include "app/hue_navigation.h"
#include "app/hue_table.h"
#include "app/main_callbacks.h"
#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/call_log.h"
#include "tests/app/shell_fixture.h"
#include "windows/chart3d_panel.h"
#include "windows/cielab_panel.h"
#include "windows/main_panel.h"
#include "windows/menu_bar.h"

namespace {

int CellColour(int column, int row) {
    int colour = -1;
    GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(column, row), ATTR_TEXT_BGCOLOR, &colour);
    return colour;
}
std::string CellText(int column, int row) {
    std::string text;
    GetTableCellVal(mainPanel, PANEL_TABLE, MakePoint(column, row), &text);
    return text;
}
std::string Labels() {
    std::string all;
    for (int column = 2; column <= 24; column += 2) {
        std::string label;
        GetTableColumnAttribute(mainPanel, PANEL_TABLE, column, ATTR_LABEL_TEXT, &label);
        all += label + "|";
    }
    return all;
}

TEST(ProgramName, CutAtTheLastDotThenAtTheFirstDebugMark) {
    for (const auto& [path, name] :
         std::array<std::array<const char*, 2>, 8>{{{"/opt/x/Mavenor.exe", "Mavenor"},
                                                    {"Mavenor_dbg.exe", "Mavenor"},
                                                    {"a.b.exe", "a.b"},
                                                    {"/usr/bin/Ostrel", "Ostrel"},
                                                    {"x_dbg_dbg.exe", "x"},
                                                    {"tool_dbgx.exe", "tool"},
                                                    {"Tool_DBG.exe", "Tool_DBG"},
                                                    {"x_dbg.old.exe", "x"}}}) {
        char out[256];
        MakeProgramName(path, out);
        EXPECT_STREQ(out, name) << path;
    }
}

TEST_F(Shell, StartsOnTheGreyPageWithTheRingFilledAndTheLabelCentred) {
    Start();
    EXPECT_STREQ(title, "Ostrel v1.00 Jun 03 2006");
    int count = 0, value = 0, top = 0, left = 0, shown = 1;
    GetNumListItems(mainPanel, PANEL_RGBRING, &count);
    ASSERT_EQ(count, 16);
    for (int i = 0; i < 16; ++i) {
        std::string label;
        GetLabelFromIndex(mainPanel, PANEL_RGBRING, i, &label);
        GetValueFromIndex(mainPanel, PANEL_RGBRING, i, &value);
        EXPECT_EQ(label, i == 0 ? "user defined" : GetSpaceList(nullptr)[i - 1]);
        EXPECT_EQ(value, i - 1);
    }
    GetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_TOP, &top);
    GetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_LEFT, &left);
    EXPECT_EQ(top * 1000 + left, 48033);
    for (const int panel : {cielabPanel, chart3dPanel})
        EXPECT_EQ((GetPanelAttribute(panel, ATTR_VISIBLE, &shown), shown), 0);
    // The grey page: 16 swatches in rows 6 and 10, no chroma label, no lightness scale.
    int swatches = 0;
    for (int column = 1; column <= 25; ++column)
        for (int row = 1; row <= 17; ++row) swatches += CellColour(column, row) != tableBgColor;
    EXPECT_EQ(swatches, 16);
    EXPECT_EQ(CellText(6, 7) + CellText(20, 11), "000 15 00000 90 00");
    EXPECT_EQ(Labels(), "||||||||||||");
    EXPECT_EQ((GetCtrlAttribute(mainPanel, PANEL_LIGHTNESS, ATTR_VISIBLE, &shown), shown), 0);
    int size = 0;
    std::string font, chartTitle;
    GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(6, 7), ATTR_TEXT_POINT_SIZE, &size);
    GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(6, 7), ATTR_TEXT_FONT, &font);
    GetCtrlVal(chart3dPanel, CHART3D_CHARTNAME, &chartTitle);
    EXPECT_EQ(std::tuple(size, font, chartTitle),
              std::tuple(10, "Arial Narrow", "Ostrel Color\u00a9 System"));
}

// Paints a page, then hits every swatch, the code beneath it, the spacer right of it and the
// first pixel after it, and the bands before the first swatch: each maps back to the colour
// painted there, or to nothing.
TEST_F(Shell, EverySwatchPaintedAndHitByTheSameAddress) {
    Start();
    actualIndex = 0;  // hue 010
    DisplayHue();
    EXPECT_EQ(Labels(), "5|10|15|20|25|30|35|40|45|50|55||");
    EXPECT_EQ(CellText(22, 13), "010 40 53");
    int offX = 0, offY = 0;
    GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_COLUMN_LEFT, &offX);
    GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_ROW_TOP, &offY);
    for (int c = 0; c < 12; ++c) {
        for (int r = 0; r < 8; ++r) {
            const RalDesignColor* e = chartOrg[0].cells[c][r];
            SCOPED_TRACE(e ? e->code : "empty");
            EXPECT_EQ(CellColour(2 * c + 2, 2 * r + 2),
                      e ? RGB__int(XYZ__RGB(Lab__XYZ({e->L, e->a, e->b}, whiteRef))) : tableBgColor);
            EXPECT_EQ(CellText(2 * c + 2, 2 * r + 3), e ? e->code : "");
            for (const auto& [dx, dy] :
                 std::array<std::array<int, 2>, 4>{{{35, 50}, {35, 90}, {65, 50}, {70, 100}}}) {
                ui_testing::SendClick(mainPanel, PANEL_TABLE, offX + 60 * c + dx, offY + 75 * r + dy);
                char code[12] = "";
                if (selectedLightness != 0)
                    std::snprintf(code, sizeof code, "%03d %02d %02d", selectedHue, selectedLightness,
                                  selectedChroma);
                EXPECT_STREQ(code, e ? e->code : "") << dx << "," << dy;
                EXPECT_EQ(CellColour(2 * c + 2, 2 * r + 3), e ? 0xFFEEBB : tableBgColor);
            }
        }
    }
    for (const auto& [x, y] : std::array<std::array<int, 2>, 3>{{{10, 60}, {40, 25}, {5, 5}}}) {
        ui_testing::SendClick(mainPanel, PANEL_TABLE, offX + x, offY + y);
        EXPECT_EQ(selectedLightness, 0) << x << "," << y;
    }
}

TEST_F(Shell, NavigationWrapsAndTheWheelPicksTheNearestHue) {
    Start();
    struct Step {
        CtrlCallbackPtr callback;
        int control, event, from, to;
    };
    for (const Step& s : {Step{PrevHueCallback, PANEL_PREVBUTTON, EVENT_COMMIT, 0, 39},
                          Step{NextHueCallback, PANEL_NEXTBUTTON, EVENT_COMMIT, 39, 0},
                          Step{PrevHueCallback, PANEL_PREV2BUTTON, EVENT_COMMIT, 3, 33},
                          Step{NextHueCallback, PANEL_NEXT2BUTTON, EVENT_COMMIT, 35, 5},
                          Step{NextHueCallback, PANEL_NEXT2BUTTON, EVENT_COMMIT, 39, 9},
                          Step{GreyHueCallback, PANEL_HOMEBUTTON, EVENT_LEFT_CLICK, 12, 39},
                          Step{PrevHueCallback, PANEL_PREVBUTTON, EVENT_LEFT_CLICK, 12, 12},
                          Step{GreyHueCallback, PANEL_HOMEBUTTON, EVENT_COMMIT, 12, 12}}) {
        actualIndex = s.from;
        selectedHue = 10, selectedLightness = 50, selectedChroma = 5;
        DisplayColor();
        s.callback(mainPanel, s.control, s.event, nullptr, 0, 0);
        EXPECT_EQ(actualIndex, s.to) << "from " << s.from;
        EXPECT_EQ(selectedLightness, s.from == s.to ? 50 : 0);
        if (s.from == s.to) continue;
        // The new page's hue over the wheel, the scale and the caption only on a chromatic page,
        // and the detail window dimmed.
        std::string hue;
        int scale = -1, caption = -1, dimmed = -1;
        GetCtrlVal(mainPanel, PANEL_HUE, &hue);
        GetCtrlAttribute(mainPanel, PANEL_LIGHTNESS, ATTR_VISIBLE, &scale);
        GetCtrlAttribute(mainPanel, PANEL_CHROMA, ATTR_VISIBLE, &caption);
        GetPanelAttribute(cielabPanel, ATTR_DIMMED, &dimmed);
        char expected[16];
        std::snprintf(expected, sizeof expected, "HUE\n%03d", chartOrg[s.to].hue);
        const bool chromatic = chartOrg[s.to].hue != 0;
        EXPECT_EQ(std::tuple(hue, scale != 0, caption != 0, dimmed),
                  std::tuple(std::string(expected), chromatic, chromatic, 1));
    }
    // 15.64 degrees truncates to 15; 345 ties 340 and 350; 3 does not wrap to 360.
    for (const auto& [dx, dy, hue] : std::array<std::array<int, 3>, 8>{{{100, -28, 10},
                                                                        {100, 28, 340},
                                                                        {0, 0, 360},
                                                                        {5, 0, 360},
                                                                        {-5, 0, 180},
                                                                        {0, 5, 270},
                                                                        {1000, -53, 10},
                                                                        {100, -47, 20}}})
        EXPECT_EQ(chartOrg[NearestHuePage(WheelAngle(dx, dy))].hue, hue) << dx << "," << dy;
    ui_testing::SendClick(mainPanel, PANEL_HUEWHEEL, 64, 57 - 40);
    EXPECT_EQ(chartOrg[actualIndex].hue, 90);
}

// Each selection in turn: the earlier point goes first, the window is dimmed only without a
// colour, and both axes span the step above the chroma.
TEST_F(Shell, DetailWindowFollowsTheSelection) {
    Start();
    struct Selection {
        int hue, lightness, chroma;
        const char* calls;
    };
    for (const Selection& s : {Selection{10, 90, 5, "dim0 P 0:-10.0:10.0 1:-10.0:10.0"},
                               Selection{360, 40, 10, "D dim0 P 0:-30.0:30.0 1:-30.0:30.0"},
                               Selection{40, 50, 30, "D dim0 P 0:-60.0:60.0 1:-60.0:60.0"},
                               Selection{160, 50, 60, "D dim0 P 0:-100.0:100.0 1:-100.0:100.0"},
                               Selection{0, 50, 0, "D dim0 P 0:-10.0:10.0 1:-10.0:10.0"},
                               Selection{0, 0, 0, "D dim1"}, Selection{0, 0, 0, "dim1"}}) {
        selectedHue = s.hue, selectedLightness = s.lightness, selectedChroma = s.chroma;
        const ColorTriple lab = HLC__Lab({float(s.hue), float(s.lightness), float(s.chroma)});
        ui_testing::StartRecording();
        const int rgb = DisplayColor();
        std::string calls;
        for (const auto& call : ui_testing::StopRecording()) {
            if (call.operation == "DeleteGraphPlot") calls += " D";
            if (call.operation == "SetPanelAttribute" && call.args[1] == "500")
                calls += " dim" + call.args[2];
            if (call.operation == "SetAxisScalingMode")
                calls += " " + call.args[2] + ":" + call.args[4] + ":" + call.args[5];
            if (call.operation != "PlotPoint") continue;
            calls += " P";
            EXPECT_EQ(call.args[2] + call.args[3] + call.args[4] + call.args[5],
                      ui_detail::Arg(double(lab.c2)).Text() + ui_detail::Arg(double(lab.c3)).Text() + "12" +
                          std::to_string(rgb));
        }
        EXPECT_EQ(calls.substr(1), s.calls) << s.hue << " " << s.lightness << " " << s.chroma;
        EXPECT_EQ(rgb, s.lightness ? RGB__int(XYZ__RGB(Lab__XYZ(lab, whiteRef))) : 0);
        if (s.lightness == 0) continue;
        double hue = 0, slide = 0;
        std::string name;
        GetCtrlVal(cielabPanel, CIELAB_H, &hue);
        GetCtrlVal(cielabPanel, CIELAB_LSLIDE, &slide);
        GetCtrlVal(cielabPanel, CIELAB_NAME, &name);
        char code[12];
        std::snprintf(code, sizeof code, "%03d %02d %02d", s.hue, s.lightness, s.chroma);
        EXPECT_EQ(hue * 1000 + slide, s.hue * 1000 + s.lightness);
        EXPECT_EQ(name, code);
    }
}

// A click on the switch darkens the whole table, a second one makes it light again.
TEST_F(Shell, BackgroundSwitchGivesADarkTableAndBackALightOne) {
    Start();
    for (const auto& [ground, text, grid] :
         {std::tuple{0x000000, 0xC0C0C0, 0x202020}, std::tuple{0xFFFFFF, 0x808080, 0xF0F0F0}}) {
        ui_testing::SendClick(mainPanel, PANEL_BINARYSWITCH, 6, 20);
        std::array<int, 4> code{};  // the code cell "000 15 00"
        for (std::size_t i = 0; i < code.size(); ++i)
            GetTableCellAttribute(mainPanel, PANEL_TABLE, MakePoint(6, 7),
                                  std::array{ATTR_TEXT_BGCOLOR, ATTR_TEXT_COLOR, ATTR_HORIZONTAL_GRID_COLOR,
                                             ATTR_VERTICAL_GRID_COLOR}[i],
                                  &code[i]);
        EXPECT_EQ(code, (std::array{ground, text, grid, grid}));
        // An empty swatch cell (column 12, row 2) as drawn, each channel within a few levels.
        const unsigned drawn = ui_testing::GrabPanel(mainPanel).At(446, 165);
        for (const int shift : {0, 8, 16})
            EXPECT_NEAR(int(drawn >> shift & 0xFF), ground >> shift & 0xFF, 4) << std::hex << drawn;
    }
}

// The menu as a person uses it: each Display item shows its window with a check mark, then
// hides it; the chart is drawn on showing and follows the ring's space; Report asks for a
// document, About and Contents say what they should; a quit goes ahead only once confirmed.
TEST_F(Shell, MenuCommandsDoWhatTheirItemsSay) {
    Start();
    for (const auto& [item, panel] :
         {std::pair{MENU_DISPLAY_CIELAB, cielabPanel}, std::pair{MENU_DISPLAY_CHART3D, chart3dPanel}}) {
        for (const int shown : {1, 0}) {
            ui_testing::ChooseMenuItem(menuBar, item);
            int visible = -1;
            GetPanelAttribute(panel, ATTR_VISIBLE, &visible);
            EXPECT_EQ(visible * 10 + ui_testing::MenuItemShowsCheck(menuBar, item), shown * 11) << item;
        }
    }
    SetCtrlVal(chart3dPanel, CHART3D_EDGESCHECKBOX, 0);  // no box: the picture is the chart's alone
    ui_testing::ChooseMenuItem(menuBar, MENU_DISPLAY_CHART3D);
    int width = 0, height = 0, clear = 0;
    GetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, ATTR_WIDTH, &width);
    GetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, ATTR_HEIGHT, &height);
    GetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 1291, &clear);
    EXPECT_EQ(std::tuple(width, height, clear), std::tuple(512, 512, 0x1000000));
    // The a* axis runs down from the centre; over the centre lies the lightest grey.
    auto canvas = [](int x, int y) { return int(ui_testing::GrabPanel(chart3dPanel).At(13 + x, 21 + y)); };
    EXPECT_EQ(canvas(256, 460), 0xF04000);
    for (const int space : {10, 12, 4}) {
        if (space != 10) ui_testing::ChooseRingItem(mainPanel, PANEL_RGBRING, space + 1);
        EXPECT_EQ(GetActualRgbSpace(), space);
        EXPECT_EQ(canvas(256, 256), RGB__int(XYZ__RGB(Lab__XYZ({90.0f, 0.0f, 0.0f}, whiteRef)))) << space;
    }
    // The chart starts at the Scale slide's own value: moved away and back, it looks the same.
    const auto before = ui_testing::GrabPanel(chart3dPanel).pixels;
    ui_testing::MoveSlide(chart3dPanel, CHART3D_SCALESLIDE, {3.0, 2.5});
    EXPECT_TRUE(ui_testing::GrabPanel(chart3dPanel).pixels == before);

    ui_testing::QueueFileAnswer(0, "");
    ui_testing::ChooseMenuItem(menuBar, MENU_FILE_REPORT);
    ui_testing::QueueMessageAnswer();
    ui_testing::ChooseMenuItem(menuBar, MENU_HELP_ABOUT);
    ui_testing::QueueMessageAnswer();
    ui_testing::StartRecording();
    ui_testing::ChooseMenuItem(menuBar, MENU_HELP_CONTENTS);
    const auto calls = ui_testing::StopRecording();
    const auto help = std::find_if(calls.begin(), calls.end(), [](const ui_testing::RecordedCall& c) {
        return c.operation == "SystemHelp";
    });
    ASSERT_NE(help, calls.end());
    EXPECT_EQ(help->args.at(0) + " " + help->args.at(1),
              ui_detail::Arg((dir / "HELP" / "Ostrel.hlp").string()).Text() + " 11");

    // Declined, the program runs on; confirmed, its event loop ends.
    ui_testing::QueueConfirmAnswer(0);
    ui_testing::ChooseMenuItem(menuBar, MENU_FILE_QUIT);
    QTimer confirm, guard;
    confirm.setSingleShot(true);
    QObject::connect(&confirm, &QTimer::timeout, [] {
        ui_testing::QueueConfirmAnswer(1);
        ui_testing::ChooseMenuItem(menuBar, MENU_FILE_QUIT);
    });
    QObject::connect(&guard, &QTimer::timeout, [] { QuitUserInterface(9); });
    confirm.start(0);
    guard.start(10000);
    EXPECT_EQ(RunUserInterface(), 0);

    const std::string head = "Ostrel v1.00 Jun 03 2006";
    const std::string quit = "confirm " + head + ": " + head +
                             "\nall rights reserved\nKelbrant Farben GmbH, Bielefeld, Germany\n\n"
                             "Really quit the program ?";
    std::vector<std::string> shown;
    for (const auto& p : ui_testing::TakeShownPopups())
        shown.push_back(p.kind + " " + p.title + (p.kind == "file" ? "" : ": " + p.text));  // not its folder
    EXPECT_EQ(shown,
              (std::vector<std::string>{"file " + head,
                                        "message " + head + ": " + head +
                                            "\nall rights reserved\n\nOstrel Color\u00a9 System viewer\n"
                                            "Colour systems department\nKelbrant Farben GmbH\n"
                                            "Bielefeld, Germany\nwww.kelbrant.example",
                                        "message " + head + ": unable to load help file", quit, quit}));
}

TEST_F(Shell, CopyHidesTheOperatingControlsOnlyForThePicture) {
    Start();
    ui_testing::QueueMessageAnswer();
    ui_testing::StartRecording();
    CopyChartCallback(mainPanel, PANEL_COPYBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    CopyChartCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);  // the report's: no message
    std::string order;
    for (const auto& call : ui_testing::StopRecording()) {
        if (call.operation == "GetPanelDisplayBitmap") order += "C";
        if (call.operation == "SetCtrlAttribute" && call.args[2] == "530") order += call.args[3];
    }
    EXPECT_EQ(order,
              "00000000C11111111"
              "00000000C11111111");
    const auto popups = ui_testing::TakeShownPopups();
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_EQ(popups[0].title + ": " + popups[0].text, "Ostrel v1.00 Jun 03 2006: Copy to clipboard : OK");
    for (const int control : {PANEL_RGBRING, PANEL_PREVBUTTON, PANEL_PREV2BUTTON, PANEL_HOMEBUTTON,
                              PANEL_NEXTBUTTON, PANEL_NEXT2BUTTON, PANEL_BINARYSWITCH, PANEL_COPYBUTTON}) {
        int visible = 0;
        EXPECT_EQ((GetCtrlAttribute(mainPanel, control, ATTR_VISIBLE, &visible), visible), 1);
    }
    int bitmap = 0, available = 0;
    ClipboardGetBitmap(&bitmap, &available);
    EXPECT_EQ(available, 1);
    DiscardBitmap(bitmap);
}

}  // namespace
