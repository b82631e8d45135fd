#include "app/menu_callbacks.h"

#include <cstdio>

#include "chart3d/chart3d.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "shell_state/shell_state.h"
#include "windows/chart3d_panel.h"
#include "windows/menu_bar.h"

namespace {

constexpr double kVersion = 1.0;
constexpr const char* kBuildDate = "Jun 03 2006";

// Flips the item's check mark; returns whether it was set before.
bool ToggleCheck(int item) {
    int marked = 0;
    GetMenuBarAttribute(menuBar, item, ATTR_CHECKED, &marked);
    SetMenuBarAttribute(menuBar, item, ATTR_CHECKED, marked != 0 ? 0 : 1);
    return marked != 0;
}

}  // namespace

void QuitProgramCallback(int, int, void*, int) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "%s v%.2f %s\n"
                  "all rights reserved\n"
                  "Kelbrant Farben GmbH, Bielefeld, Germany\n"
                  "\n"
                  "Really quit the program ?",
                  prog, kVersion, kBuildDate);
    if (ConfirmPopup(title, text) == 1) QuitUserInterface(0);
}

void CIELabCallback(int, int, void*, int) {
    if (ToggleCheck(MENU_DISPLAY_CIELAB)) {
        HidePanel(cielabPanel);
    } else {
        DisplayPanel(cielabPanel);
    }
}

void Chart3dCallback(int, int, void*, int) {
    if (ToggleCheck(MENU_DISPLAY_CHART3D)) {
        HidePanel(chart3dPanel);
        return;
    }
    // Shown first: the chart draws nothing while its window is hidden.
    DisplayPanel(chart3dPanel);
    SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, ATTR_WIDTH, 512);
    SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, ATTR_HEIGHT, 512);
    SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 1291, VAL_TRANSPARENT);
    RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
}

void AboutCallback(int, int, void*, int) {
    char text[1024];
    std::snprintf(text, sizeof text,
                  "%s v%.2f %s\n"
                  "all rights reserved\n"
                  "\n"
                  "Ostrel Color\u00a9 System viewer\n"
                  "Colour systems department\n"
                  "Kelbrant Farben GmbH\n"
                  "Bielefeld, Germany\n"
                  "www.kelbrant.example",
                  prog, kVersion, kBuildDate);
    MessagePopup(title, text);
}

void HelpCallback(int, int, void*, int) {
    char dir[kMaxPathnameLen] = "";
    char path[kMaxPathnameLen] = "";
    GetProjectDir(dir);
    const bool joined = MakePathname(dir, "HELP", dir) >= 0;
    // A name that does not fit its buffer would name another file: no help then.
    const int length = std::snprintf(path, sizeof path, "%s.hlp", prog);
    const bool named = length > 0 && length < static_cast<int>(sizeof path);
    if (!joined || !named || MakePathname(dir, path, path) < 0 || SystemHelp(path, 11, 0, nullptr) == 0)
        MessagePopup(title, "unable to load help file");
}
