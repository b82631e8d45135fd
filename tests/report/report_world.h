#pragma once

// The viewer as far as a report needs it, headless: the run-time, the main window on a hue
// page, the hue pages, the white, the title; for the report's tests, fixture and benchmark.
#include <cstdio>
#include <cstdlib>

#include "app/hue_pages.h"
#include "app/hue_table.h"
#include "colour/white_points.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

inline bool StartReportWorld(char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) return false;
    whiteRef = GetWhiteRef(4, 1);
    std::snprintf(prog, sizeof prog, "Ostrel");
    std::snprintf(title, sizeof title, "%.109s v%.2f %s", prog, 1.00, "Jun 03 2006");
    BuildHueList();
    mainPanel = BuildPANEL(0);
    if (mainPanel <= 0) return false;
    // The window's picture is on the clipboard before any report, as after a copy.
    int bitmap = 0;
    GetPanelDisplayBitmap(mainPanel, 0, MakeRect(0, 0, -1, -1), &bitmap);
    const bool put = bitmap != 0 && ClipboardPutBitmap(bitmap) == 0;
    DiscardBitmap(bitmap);
    return put;
}

// Shows the page of that hue number in the main window; false when there is none.
inline bool ShowHuePage(int hue) {
    for (int i = 0; i < nbHues; ++i) {
        if (chartOrg[i].hue == hue) {
            actualIndex = i;
            DisplayHue();
            return true;
        }
    }
    return false;
}
