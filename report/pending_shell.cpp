// Stand-in for the shell's hue pages until the shell lands; deleted then.
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/hue_pages.h"

void BuildHueList() {
    static HuePage pages[64];
    nbHues = 0;
    int achromatic = -1;
    int count = 0;
    const RalDesignColor* table = GetRalDesignDataAddress(&count);
    for (int k = 0; k < count; ++k) {
        const RalDesignColor& c = table[k];
        const int hue = std::atoi(c.code);
        const int lightness = std::atoi(c.code + 4);
        HuePage* page = nullptr;
        for (int i = 0; i < nbHues; ++i) {
            if (pages[i].hue == hue) page = &pages[i];
        }
        if (page == nullptr) {
            page = &pages[nbHues++];
            *page = HuePage{};
            page->hue = static_cast<std::int16_t>(hue);
            if (hue == 0) achromatic = static_cast<int>(page - pages);
        }
        int row = (90 - lightness) / 10;
        int column = 0;
        if (hue == 0) {
            row = lightness <= 50 ? 2 : 4;
            column = 2 + (lightness - (lightness <= 50 ? 15 : 55)) / 5;
        } else {
            column = page->rowCount[row];
        }
        if (row < 0 || row > 7 || column > 11) continue;
        page->cells[column][row] = &c;
        ++page->rowCount[row];
    }
    if (achromatic >= 0 && achromatic != nbHues - 1) std::swap(pages[achromatic], pages[nbHues - 1]);
    chartOrg = pages;
}
