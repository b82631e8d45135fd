// The hue pages built from the built-in table: order, counts, columns and the grid.
#include "app/hue_pages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct PageRow {
    int hue;
    std::array<int, 8> rowCount;
    int nbColumns;
    int step;
};

// Index order is the table's: the 39 chromatic hues ascending, the greys last.
constexpr std::array<PageRow, 40> kPages{{
    {10, {0, 3, 6, 8, 9, 10, 8, 4}, 11, 5},    {20, {0, 2, 3, 4, 6, 5, 5, 3}, 7, 10},
    {30, {1, 2, 4, 5, 6, 6, 5, 1}, 7, 10},     {40, {1, 3, 5, 6, 7, 7, 4, 2}, 8, 10},
    {50, {1, 3, 6, 8, 8, 5, 4, 2}, 9, 10},     {60, {2, 4, 7, 8, 7, 4, 3, 1}, 9, 10},
    {70, {2, 6, 8, 8, 6, 4, 2, 1}, 9, 10},     {75, {2, 6, 8, 7, 6, 4, 2, 1}, 9, 10},
    {80, {3, 9, 9, 7, 5, 4, 3, 1}, 10, 10},    {85, {3, 9, 8, 6, 5, 3, 2, 1}, 10, 10},
    {90, {6, 9, 8, 6, 4, 3, 2, 1}, 10, 10},    {95, {6, 8, 7, 7, 5, 3, 2, 1}, 9, 10},
    {100, {5, 8, 6, 6, 5, 4, 2, 1}, 9, 10},    {110, {5, 7, 8, 7, 6, 4, 2, 1}, 9, 10},
    {120, {3, 6, 8, 7, 5, 4, 2, 1}, 9, 10},    {130, {2, 5, 6, 6, 5, 3, 2, 1}, 7, 10},
    {140, {0, 4, 6, 7, 6, 5, 4, 2}, 8, 10},    {150, {1, 4, 5, 6, 6, 5, 3, 1}, 7, 10},
    {160, {2, 5, 9, 11, 11, 10, 7, 3}, 12, 5}, {170, {1, 4, 7, 9, 10, 9, 7, 4}, 11, 5},
    {180, {1, 5, 7, 9, 9, 8, 7, 3}, 10, 5},    {190, {1, 4, 6, 8, 8, 8, 6, 3}, 9, 5},
    {200, {1, 4, 6, 7, 8, 7, 6, 4}, 9, 5},     {210, {1, 4, 6, 7, 8, 7, 5, 2}, 9, 5},
    {220, {0, 4, 6, 7, 7, 7, 5, 3}, 8, 5},     {230, {0, 3, 5, 7, 7, 7, 4, 3}, 8, 5},
    {240, {0, 3, 5, 7, 7, 7, 6, 4}, 8, 5},     {250, {0, 3, 5, 7, 7, 7, 5, 4}, 8, 5},
    {260, {0, 2, 4, 6, 7, 8, 6, 3}, 9, 5},     {270, {0, 2, 4, 6, 7, 7, 8, 5}, 9, 5},
    {280, {0, 2, 4, 6, 7, 8, 7, 5}, 9, 5},     {290, {0, 2, 4, 6, 7, 8, 7, 6}, 9, 5},
    {300, {0, 2, 4, 6, 7, 8, 7, 5}, 9, 5},     {310, {0, 2, 4, 6, 7, 7, 7, 5}, 8, 5},
    {320, {0, 2, 4, 6, 7, 7, 7, 4}, 8, 5},     {330, {0, 3, 5, 7, 7, 8, 7, 4}, 9, 5},
    {340, {0, 3, 6, 7, 8, 8, 7, 4}, 9, 5},     {350, {0, 3, 6, 8, 9, 9, 7, 5}, 10, 5},
    {360, {0, 1, 2, 4, 9, 9, 7, 2}, 10, 5},    {0, {2, 2, 2, 2, 2, 2, 2, 2}, 0, 10},
}};

// The codes of one grid row, columns 0 to 11 joined by "|", "" for an empty cell.
std::string Row(const HuePage& page, int row) {
    std::string codes;
    for (int c = 0; c < 12; ++c)
        codes += std::string(c ? "|" : "") + (page.cells[c][row] ? page.cells[c][row]->code : "");
    return codes;
}

TEST(HuePages, FortyPagesInTableOrderEveryColourInItsOwnCell) {
    BuildHueList();
    BuildHueList();  // a second build frees the first and gives the same pages
    ASSERT_EQ(nbHues, 40);
    int placed = 0;
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        const HuePage& page = chartOrg[i];
        EXPECT_EQ(page.hue, kPages[i].hue);
        EXPECT_EQ(FindHue(page.hue), &page);
        for (int r = 0; r < 8; ++r) EXPECT_EQ(page.rowCount[r], kPages[i].rowCount[r]) << "row " << r;
        EXPECT_EQ(page.nbColumns, kPages[i].nbColumns);
        EXPECT_EQ(page.chromaStep, kPages[i].step);
        for (int c = 0; c < 12; ++c) {
            for (int r = 0; r < 8; ++r) {
                int hue = 0, lightness = 0, chroma = 0;
                if (!page.cells[c][r]) continue;
                ++placed;
                ASSERT_EQ(std::sscanf(page.cells[c][r]->code, "%3d %2d %2d", &hue, &lightness, &chroma), 3);
                EXPECT_EQ(hue, page.hue);
                EXPECT_TRUE(hue == 0 || lightness == 90 - 10 * r) << page.cells[c][r]->code;
            }
        }
    }
    EXPECT_EQ(placed, kRalDesignCount);
    EXPECT_EQ(FindHue(5), nullptr);
    EXPECT_EQ(FindHue(365), nullptr);

    // Columns follow the run: the repeated 360 30 30 takes the next one, 110 90 35 stands under 40.
    EXPECT_EQ(Row(*FindHue(360), 6),
              "360 30 05|360 30 10|360 30 15|360 30 20|360 30 25|360 30 30|360 30 35|360 30 30||||");
    EXPECT_EQ(Row(*FindHue(110), 0), "|110 90 10|110 90 20|110 90 30|110 90 35|110 90 40||||||");
    EXPECT_EQ(Row(*FindHue(10), 0), "010 90 05|||||||||||");
    EXPECT_EQ(Row(*FindHue(250), 0), "|||||||||||");
    EXPECT_EQ(Row(chartOrg[39], 2),
              "||000 15 00|000 20 00|000 25 00|000 30 00|000 35 00|000 40 00|000 45 00|000 50 00||");
    EXPECT_EQ(Row(chartOrg[39], 4),
              "||000 55 00|000 60 00|000 65 00|000 70 00|000 75 00|000 80 00|000 85 00|000 90 00||");
    for (int r : {0, 1, 3, 5, 6, 7}) EXPECT_EQ(Row(chartOrg[39], r), "|||||||||||");
}

}  // namespace
