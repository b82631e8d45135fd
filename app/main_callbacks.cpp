#include "app/main_callbacks.h"

#include <array>
#include <cstdio>

#include "app/hue_table.h"
#include "chart3d/chart3d.h"
#include "colour/rgb_spaces.h"
#include "platform/ui/user_interface.h"
#include "report/wordreport.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

int ChangeColorSpaceCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    GetCtrlVal(mainPanel, PANEL_RGBRING, &colorSpace);
    // "user defined" (-1) is refused by the colour core: the space in force stays.
    SetRgbSpace(colorSpace);
    DisplayHue();
    PlotCHART3D();
    return 0;
}

int ChangeBackgroundCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    int value = 0;
    GetCtrlVal(mainPanel, PANEL_BINARYSWITCH, &value);
    if (value != 0) {
        tableBgColor = 0x000000;
        tableTextColor = 0xC0C0C0;
        tableGridColor = 0x202020;
    } else {
        tableBgColor = 0xFFFFFF;
        tableTextColor = 0x808080;
        tableGridColor = 0xF0F0F0;
    }
    DisplayHue();
    return 0;
}

int CopyChartCallback(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    // The picture leaves out the window's operating controls.
    const std::array<int, 8> operating{PANEL_RGBRING,      PANEL_PREVBUTTON, PANEL_PREV2BUTTON,
                                       PANEL_HOMEBUTTON,   PANEL_NEXTBUTTON, PANEL_NEXT2BUTTON,
                                       PANEL_BINARYSWITCH, PANEL_COPYBUTTON};
    for (const int c : operating) SetCtrlAttribute(mainPanel, c, ATTR_VISIBLE, 0);
    int bitmap = 0;
    int result = -1;
    // A failed capture leaves nothing to put on the clipboard or to discard: "failed".
    if (GetPanelDisplayBitmap(mainPanel, 0, MakeRect(0, 0, -1, -1), &bitmap) >= 0 && bitmap != 0)
        result = ClipboardPutBitmap(bitmap);
    for (const int c : operating) SetCtrlAttribute(mainPanel, c, ATTR_VISIBLE, 1);
    if (bitmap != 0) DiscardBitmap(bitmap);
    char message[64];
    std::snprintf(message, sizeof message, "Copy to clipboard : %s", result == 0 ? "OK" : "failed");
    if (panel != 0 && control != 0) MessagePopup(title, message);
    return 0;
}
