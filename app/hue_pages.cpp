#include "app/hue_pages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kGridColumns = 12;
constexpr int kGridRows = 8;

// The column given to the colour placed last; runs start again at chroma 5 or 10.
int columnCounter = 0;

}  // namespace

void BuildHueList() {
    int count = 0;
    const RalDesignColor* table = GetRalDesignDataAddress(&count);
    std::free(chartOrg);
    chartOrg = nullptr;
    nbHues = 0;
    for (int i = 0; i < count; ++i) {
        int hue = 0;
        if (std::sscanf(table[i].code, "%3d", &hue) != 1) continue;
        if (HuePage* page = FindHue(hue)) {
            AddColorToHue(page, &table[i]);
        } else {
            NewHue(&table[i]);
        }
    }
}

HuePage* FindHue(int hue) {
    for (int i = 0; i < nbHues; ++i) {
        if (chartOrg[i].hue == hue) return &chartOrg[i];
    }
    return nullptr;
}

HuePage* NewHue(const RalDesignColor* color) {
    // The pages are plain records, so the block may move as it grows.
    void* grown = std::realloc(chartOrg, sizeof(HuePage) * static_cast<std::size_t>(nbHues + 1));
    if (grown == nullptr) return nullptr;
    chartOrg = static_cast<HuePage*>(grown);
    HuePage* page = &chartOrg[nbHues];
    std::memset(page, 0, sizeof(HuePage));
    int hue = 0;
    std::sscanf(color->code, "%3d", &hue);
    page->hue = static_cast<std::int16_t>(hue);
    page->minChroma = 200;
    page->chromaStep = (hue == 10 || hue >= 160) ? 5 : 10;
    ++nbHues;
    return AddColorToHue(page, color);
}

HuePage* AddColorToHue(HuePage* page, const RalDesignColor* color) {
    int hue = 0, lightness = 0, chroma = 0;
    if (std::sscanf(color->code, "%3d %2d %2d", &hue, &lightness, &chroma) != 3) return page;
    int row = (90 - lightness) / 10;
    int column = 0;
    if (hue == 0) {
        row = lightness < 55 ? 2 : 4;
        column = lightness < 55 ? (lightness - 15) / 5 + 2 : (lightness - 55) / 5 + 2;
    } else if (chroma == 5) {
        column = 0;
    } else if (chroma == 10) {
        column = 1;
    } else {
        column = columnCounter + 1;
    }
    // A table out of the expected order must not write beyond the grid.
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return page;
    const int countRow = (90 - lightness) / 10;
    if (chroma != 5 && countRow >= 0 && countRow < kGridRows) ++page->rowCount[countRow];
    if (chroma < page->minChroma) {
        page->minChroma = static_cast<std::int16_t>(chroma);
    } else if (chroma > page->maxChroma) {
        page->maxChroma = static_cast<std::int16_t>(chroma);
    }
    if (hue != 0) {
        page->nbColumns =
            static_cast<std::int16_t>(1 + *std::max_element(page->rowCount, page->rowCount + 8));
    }
    columnCounter = column;
    page->cells[column][row] = color;
    return page;
}
