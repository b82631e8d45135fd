#include "app/startup.h"

#include <cstdio>
#include <cstring>

#include "app/hue_pages.h"
#include "app/hue_table.h"
#include "app/settings_file.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "shell_state/shell_state.h"
#include "windows/chart3d_panel.h"
#include "windows/cielab_panel.h"
#include "windows/main_panel.h"
#include "windows/menu_bar.h"

namespace {

constexpr double kVersion = 1.0;
constexpr const char* kBuildDate = "Jun 03 2006";

// A builder's negative result: say which window failed, in words, and drop what was built.
int BuildFailed(const char* program, const char* what, int code) {
    std::fprintf(stderr, "%s: the %s could not be built (user-interface error %d); the program stops.\n",
                 program, what, code);
    for (const int panel : {mainPanel, cielabPanel, chart3dPanel}) {
        if (panel > 0) DiscardPanel(panel);
    }
    mainPanel = cielabPanel = chart3dPanel = menuBar = 0;
    return 1;
}

void FillRing() {
    DeleteListItem(mainPanel, PANEL_RGBRING, 0, -1);
    InsertListItem(mainPanel, PANEL_RGBRING, 0, "user defined", -1);
    int count = 0;
    const char* const* names = GetSpaceList(&count);
    for (int i = 0; i < count; ++i) InsertListItem(mainPanel, PANEL_RGBRING, i + 1, names[i], i);
}

// The hue label stands centred on the wheel, whatever their sizes.
void PlaceHueWheel() {
    int wheelWidth = 0, wheelHeight = 0, labelWidth = 0, labelHeight = 0;
    GetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_WIDTH, &wheelWidth);
    GetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_HEIGHT, &wheelHeight);
    GetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_WIDTH, &labelWidth);
    GetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_HEIGHT, &labelHeight);
    SetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_TOP, 15);
    SetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_LEFT, -5);
    SetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_TOP, 15 + (wheelHeight - labelHeight) / 2);
    SetCtrlAttribute(mainPanel, PANEL_HUE, ATTR_LEFT, -5 + (wheelWidth - labelWidth) / 2);
}

}  // namespace

void MakeProgramName(const char* executable, char name[256]) {
    SplitPath(executable, nullptr, nullptr, name);
    if (char* dot = std::strrchr(name, '.')) *dot = '\0';
    if (char* debug = std::strstr(name, "_dbg")) *debug = '\0';
}

int StartUp(char* argv[]) {
    const char* executable = argv != nullptr && argv[0] != nullptr ? argv[0] : "Ostrel";
    char name[256];
    MakeProgramName(executable, name);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) {
        std::fprintf(stderr, "%s: no display could be opened; the viewer needs a graphical session.\n", name);
        return -1;
    }
    mainPanel = BuildPANEL(0);
    if (mainPanel < 0) return BuildFailed(name, "main window", mainPanel);
    cielabPanel = BuildCIELAB(0);
    if (cielabPanel < 0) return BuildFailed(name, "colour detail window", cielabPanel);
    chart3dPanel = BuildCHART3D(0);
    if (chart3dPanel < 0) return BuildFailed(name, "3D chart window", chart3dPanel);
    menuBar = BuildMENU(mainPanel);
    if (menuBar < 0) return BuildFailed(name, "menu bar", menuBar);

    SetBreakOnLibraryErrors(0);
    SetBreakOnProtectionErrors(0);
    whiteRef = GetWhiteRef(kIlluminantD65, kObserver10Deg);
    BuildHueList();

    MakeProgramName(executable, prog);
    // The title keeps its 127 characters: a name beyond 109 is cut there.
    std::snprintf(title, sizeof title, "%.109s v%.2f %s", prog, kVersion, kBuildDate);

    FillRing();
    PlaceHueWheel();

    actualIndex = nbHues - 1;
    // Without a COLORSPACE line that names a space, the ring stays on "user defined": the
    // colour core's start state is in force, which is not quite sRGB.
    ReadIniFile();
    DisplayPanel(mainPanel);
    SetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_LABEL_TEXT, chartName);
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, MakeRect(1, 1, 17, 25), ATTR_TEXT_FONT,
                               "Arial Narrow");
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, MakeRect(1, 1, 17, 25), ATTR_TEXT_POINT_SIZE, 10);
    DisplayHue();

    GetCtrlBitmap(chart3dPanel, CHART3D_CANVAS, 0, &backgroundBitmap);
    SetCtrlVal(chart3dPanel, CHART3D_CHARTNAME, chartName);

    int mark = 0;
    GetMenuBarAttribute(menuBar, MENU_DISPLAY_CIELAB, ATTR_CHECKED, &mark);
    if (mark != 0) DisplayPanel(cielabPanel);
    return 0;
}

void ShutDown() {
    DiscardPanel(mainPanel);
    DiscardPanel(cielabPanel);
    DiscardPanel(chart3dPanel);
    if (backgroundBitmap != 0) DiscardBitmap(backgroundBitmap);
    backgroundBitmap = 0;
    WriteIniFile();
}

int OstrelMain(int, char* argv[]) {
    if (const int started = StartUp(argv); started != 0) return started;
    RunUserInterface();
    ShutDown();
    return 0;
}
