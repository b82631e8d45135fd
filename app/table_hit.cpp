#include "app/table_hit.h"

#include <cstdio>

#include "app/colour_detail.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/colour_table.h"
#include "windows/main_panel.h"

namespace {

constexpr int kMarkColour = 0xFFEEBB;

// Index of the band pair that holds the offset: a spacer band, then a swatch band; the
// spacer and the first swatch pixel count for the index before.
int BandIndex(int offset, int spacer, int swatch) {
    const int pair = spacer + swatch;
    if (pair <= 0) return -1;
    int q = offset / pair;
    if (offset % pair > spacer) ++q;
    return q;
}

}  // namespace

const RalDesignColor* GetColorUnderMouse() {
    static int geometryRead = 0;
    static int offY = 0, offX = 0, rowH1 = 0, rowH2 = 0, colW1 = 0, colW2 = 0;
    static Point last{0, 0};

    ProcessSystemEvents();
    if (geometryRead == 0) {
        GetTableRowAttribute(mainPanel, PANEL_TABLE, 1, ATTR_ROW_ACTUAL_HEIGHT, &rowH1);
        GetTableRowAttribute(mainPanel, PANEL_TABLE, 2, ATTR_ROW_ACTUAL_HEIGHT, &rowH2);
        GetTableColumnAttribute(mainPanel, PANEL_TABLE, 1, ATTR_COLUMN_ACTUAL_WIDTH, &colW1);
        GetTableColumnAttribute(mainPanel, PANEL_TABLE, 2, ATTR_COLUMN_ACTUAL_WIDTH, &colW2);
        GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_ROW_TOP, &offY);
        GetCtrlAttribute(mainPanel, PANEL_TABLE, ATTR_TABLE_FIRST_COLUMN_LEFT, &offX);
        geometryRead = 1;
    }
    if (last.x != 0 && last.y != 0) {
        SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, MakeRect(last.y + 1, last.x, 1, 1),
                                   ATTR_TEXT_BGCOLOR, tableBgColor);
    }
    int x = 0, y = 0;
    GetRelativeMouseState(mainPanel, PANEL_TABLE, &x, &y, nullptr, nullptr, nullptr);
    x -= offX;
    y -= offY;
    if (x < 0 || y < 0) return nullptr;
    const int ry = BandIndex(y, rowH1, rowH2);
    const int cx = BandIndex(x, colW1, colW2);
    if (cx < 1 || ry < 1 || cx > 12 || ry > 8) return nullptr;
    last = MakePoint(2 * cx, 2 * ry);
    int colour = 0;
    GetTableCellAttribute(mainPanel, PANEL_TABLE, last, ATTR_TEXT_BGCOLOR, &colour);
    if (colour == tableBgColor) return nullptr;
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, MakeRect(last.y + 1, last.x, 1, 1), ATTR_TEXT_BGCOLOR,
                               kMarkColour);
    if (chartOrg == nullptr || actualIndex < 0 || actualIndex >= nbHues) return nullptr;
    return chartOrg[actualIndex].cells[cx - 1][ry - 1];
}

int HitTableCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_LEFT_CLICK) return 0;
    const RalDesignColor* e = GetColorUnderMouse();
    if (e == nullptr) {
        selectedHue = selectedLightness = selectedChroma = 0;
    } else {
        std::sscanf(e->code, "%3d %2d %2d", &selectedHue, &selectedLightness, &selectedChroma);
    }
    DisplayColor();
    return 0;
}
