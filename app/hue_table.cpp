#include "app/hue_table.h"

#include <cstdio>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

namespace {

const char* const emptyText = "";
char numberText[16];

}  // namespace

const char* IntToString(int value) {
    std::snprintf(numberText, sizeof numberText, "%d", value);
    return numberText;
}

void DisplayHue() {
    if (chartOrg == nullptr || actualIndex < 0 || actualIndex >= nbHues) return;
    const HuePage& page = chartOrg[actualIndex];
    const Rect whole = MakeRect(1, 1, 17, 25);
    FillTableCellRange(mainPanel, PANEL_TABLE, whole, emptyText);
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, whole, ATTR_TEXT_BGCOLOR, tableBgColor);
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, whole, ATTR_TEXT_COLOR, tableTextColor);
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, whole, ATTR_HORIZONTAL_GRID_COLOR, tableGridColor);
    SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, whole, ATTR_VERTICAL_GRID_COLOR, tableGridColor);

    char hueText[16];
    std::snprintf(hueText, sizeof hueText, "HUE\n%03d", page.hue);
    SetCtrlVal(mainPanel, PANEL_HUE, hueText);
    SetCtrlAttribute(mainPanel, PANEL_LIGHTNESS, ATTR_VISIBLE, static_cast<int>(page.hue));
    SetCtrlAttribute(mainPanel, PANEL_CHROMA, ATTR_VISIBLE, static_cast<int>(page.hue));

    SetTableColumnAttribute(mainPanel, PANEL_TABLE, 2, ATTR_LABEL_TEXT,
                            page.hue != 0 ? IntToString(5) : emptyText);
    for (int i = 0; i < 11; ++i) {
        SetTableColumnAttribute(mainPanel, PANEL_TABLE, 4 + 2 * i, ATTR_LABEL_TEXT,
                                i < page.nbColumns - 1 ? IntToString(10 + i * page.chromaStep) : emptyText);
    }

    SetBreakOnProtectionErrors(0);
    for (int c = 0; c < 12; ++c) {
        for (int r = 0; r < 8; ++r) {
            const RalDesignColor* e = page.cells[c][r];
            if (e == nullptr) continue;
            const ColorTriple rgb = XYZ__RGB(Lab__XYZ(ColorTriple{e->L, e->a, e->b}, whiteRef));
            SetTableCellRangeAttribute(mainPanel, PANEL_TABLE, MakeRect(2 * r + 2, 2 * c + 2, 1, 1),
                                       ATTR_TEXT_BGCOLOR, RGB__int(rgb));
            SetTableCellVal(mainPanel, PANEL_TABLE, MakePoint(2 * c + 2, 2 * r + 3), e->code);
        }
    }
}
