#include "windows/colour_table.h"

#include <array>
#include <limits>
#include <vector>

#include "platform/ui/bitmaps.h"
#include "platform/ui/user_interface.h"
#include "windows/build_rules.h"
#include "windows/main_panel.h"

namespace {

constexpr int kRows = 17;
constexpr int kColumns = 25;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kCellType = 1580;
constexpr int kPictureCell = 2;

// The chart's name; the shell writes it into the label again when it fills the table.
constexpr const char* kTableLabel = "Ostrel Color\u00a9 System";

// Every cell gets an empty picture first; the text stands for no image, so the cells start
// blank and keep the values of their settings list.
constexpr const char* kCellPictureText = "!!!!!$!!!!!";

const std::vector<Setting>& ControlSettings() {
    static const std::vector<Setting> settings{
        {501, "TABLE"},
        {513, HitTableCallback},
        {1020, 0},
        {550, 0x1000000},
        {551, 0},
        {552, 0xECE9D8},
        {620, 0},
        {640, 0x3333CC},
        {641, kTableLabel},
        {642, "Arial Black"},
        {646, 16},
        {672, 241},
        {673, 25},
        {674, 0xFFFFFF},
        {680, 0x303030},
        {682, "Arial Narrow"},
        {686, 14},
        {690, 0xFFFFFF},
        {710, 1},
        {730, kIntMax},
        {731, kIntMin},
        {733, 1},
        {735, 0},
        {1510, 0x1000000},
        {1512, 0x1000000},
        {1511, 0x1000000},
        {1514, 2},
        {1517, 40},
        {1518, 25},
        {1582, 1},
        {1583, 0xF8F8F8},
        {1584, 0xF8F8F8},
        {1588, 0xC0C0C0},
        {1589, 0},
        {1590, ""},
        {1592, 32},
        // Size and label place only now, after everything that concerns the cells.
        {540, 650},
        {533, 776},
        {671, 42},
        {670, 348},
        {649, 1}};
    return settings;
}

// The settings a row or a column shares with its cells, from text colour to 1592, in the
// order they are set. Swatch rows hold double values, everything else 32-bit integers.
struct LineValues {
    int textColour;
    const char* textFont;
    int pointSize;
    bool doubles;
    int sizeAttribute;  // 1650 row height or 1700 column width
    int size;
    int cellType;
    int gridColour;
    int platformSetting;  // 1592, passed through as given
};

void AppendLineValues(std::vector<Setting>& out, const LineValues& v) {
    out.insert(out.end(), {{675, 160},
                           {680, v.textColour},
                           {682, v.textFont},
                           {683, 0},
                           {684, 0},
                           {685, 0},
                           {686, v.pointSize},
                           {687, 0},
                           {690, 0xFFFFFF},
                           {710, v.doubles ? 4 : 1}});
    if (v.doubles) {
        // The range of a double row is unbounded; the infinity is asked for each time.
        out.push_back({730, *_GetDoubleInf()});
        out.push_back({731, -*_GetDoubleInf()});
        out.push_back({733, 1.0});
    } else {
        out.insert(out.end(), {{730, kIntMax}, {731, kIntMin}, {733, 1}});
    }
    out.insert(out.end(), {{734, v.doubles ? 65520 : 64},
                           {735, v.doubles ? 2 : 0},
                           {738, 2},
                           {739, 0},
                           {737, 0},
                           {760, -1},
                           {791, 2},
                           {795, 0},
                           {1292, 1},
                           {1620, 1},
                           {1621, 0},
                           {v.sizeAttribute, v.size},
                           {kCellType, v.cellType},
                           {1581, 0},
                           {1582, 1},
                           {1583, v.gridColour},
                           {1584, v.gridColour},
                           {1585, 1},
                           {1586, 1},
                           {1587, 1},
                           {1588, 0xC0C0C0}});
    if (v.doubles) {
        out.push_back({1589, 0.0});
    } else {
        out.push_back({1589, 0});
    }
    out.insert(out.end(), {{1590, ""}, {1592, v.platformSetting}});
}

constexpr std::array<const char*, 8> kLightnessLabels{"90", "80", "70", "60", "50", "40", "30", "20"};
constexpr std::array<const char*, 12> kChromaLabels{"1", "2", "3", "4",  "5",  "6",
                                                    "7", "8", "9", "10", "11", "12"};

std::vector<Setting> RowSettings(int row) {
    std::vector<Setting> s;
    if (row % 2 == 0) {  // swatch row, labelled with its lightness
        s.insert(s.end(),
                 {{640, 0x9999FF}, {641, kLightnessLabels[row / 2 - 1]}, {642, "Arial Black"}, {646, 14}});
        AppendLineValues(s, {0x000000, "NIDialogMetaFont", 11, true, 1650, 50, 1, 0x000000, 0});
    } else if (row == 1) {
        s.insert(s.end(), {{640, 0xA0A0A0}, {641, ""}, {642, "Arial Black"}, {646, 13}, {660, 0}});
        AppendLineValues(s, {0x808080, "Arial Narrow", 14, false, 1650, 25, 1, 0xF5F5F5, 160});
    } else {  // the code row under a swatch row
        s.insert(s.end(), {{641, ""}, {642, "NIDialogMetaFont"}, {660, 0}});
        const bool upper = row <= 9;
        AppendLineValues(s, {upper ? 0x303030 : 0x808080, "Arial Narrow", row == 3 ? 13 : 14, false, 1650, 25,
                             1, 0xF5F5F5, upper ? 32 : 160});
    }
    return s;
}

std::vector<Setting> ColumnSettings(int column) {
    std::vector<Setting> s;
    if (column % 2 == 0) {  // swatch column, labelled with its chroma step
        s.insert(s.end(),
                 {{640, 0x808080}, {641, kChromaLabels[column / 2 - 1]}, {642, "Arial Black"}, {646, 16}});
        AppendLineValues(s, {0x000000, "NIDialogMetaFont", 11, false, 1700, 50, 2, 0xF5F5F5, 0});
    } else {
        s.insert(s.end(), {{641, ""}, {642, "NIDialogMetaFont"}, {660, 0}});
        AppendLineValues(s, {0x000000, "NIDialogMetaFont", 11, false, 1700, 10, 2, 0xF5F5F5, 0});
    }
    return s;
}

// The list every cell gets, so each cell ends with these values whatever its row and column
// set; the row under the lightest swatches writes its codes one point smaller.
const std::vector<Setting>& CellSettings(int row) {
    static const auto make = [](int pointSize) {
        return std::vector<Setting>{{680, 0x303030},  {682, "Arial Narrow"},
                                    {683, 0},         {684, 0},
                                    {685, 0},         {686, pointSize},
                                    {687, 0},         {690, 0xFFFFFF},
                                    {710, 1},         {730, kIntMax},
                                    {731, kIntMin},   {733, 1},
                                    {734, 64},        {735, 0},
                                    {738, 2},         {739, 0},
                                    {737, 0},         {760, -1},
                                    {791, 2},         {795, 0},
                                    {840, 0},         {1292, 1},
                                    {kCellType, 1},   {1581, 0},
                                    {1582, 1},        {1583, 0xF8F8F8},
                                    {1584, 0xF8F8F8}, {1585, 1},
                                    {1586, 1},        {1587, 1},
                                    {1588, 0xC0C0C0}, {1589, 0},
                                    {1590, ""},       {1592, 32}};
    };
    static const std::vector<Setting> regular = make(14);
    static const std::vector<Setting> smaller = make(13);
    return row == 3 ? smaller : regular;
}

}  // namespace

int SetCellPicture(int panel, int table, int column, int row, const char* bitmapText, int& bitmap) {
    if (const int r = GetUserBitmapFromText(bitmapText, kBitmapTextFormat, &bitmap); r < 0) return r;
    if (bitmap == 0) return 0;
    int savedType = 0;
    if (const int r = GetTableCellAttribute(panel, table, MakePoint(column, row), kCellType, &savedType);
        r < 0)
        return r;
    if (const int r = SetTableCellAttribute(panel, table, MakePoint(column, row), kCellType, kPictureCell);
        r < 0)
        return r;
    if (const int r = SetTableCellVal(panel, table, MakePoint(column, row), bitmap); r < 0) return r;
    if (const int r = SetTableCellAttribute(panel, table, MakePoint(column, row), kCellType, savedType);
        r < 0)
        return r;
    if (const int r = DiscardBitmap(bitmap); r < 0) return r;
    bitmap = 0;
    return 0;
}

int BuildColourTable(int panel, int& bitmap) {
    if (const int r = NewCtrlInto(PANEL_TABLE, panel, CTRL_TABLE, kTableLabel, 90, 71); r < 0) return r;
    const int table = PANEL_TABLE;
    if (const int r = SetCtrlAttributes(panel, table, ControlSettings()); r < 0) return r;

    if (const int r = InsertTableRows(panel, table, -1, kRows, -1); r < 0) return r;
    for (int row = 1; row <= kRows; ++row) {
        for (const Setting& s : RowSettings(row)) {
            if (const int r = SetTableRowAttribute(panel, table, row, s.attribute, s.value); r < 0) return r;
        }
    }

    if (const int r = InsertTableColumns(panel, table, -1, kColumns, -1); r < 0) return r;
    for (int column = 1; column <= kColumns; ++column) {
        for (const Setting& s : ColumnSettings(column)) {
            if (const int r = SetTableColumnAttribute(panel, table, column, s.attribute, s.value); r < 0)
                return r;
        }
    }

    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            for (const Setting& s : CellSettings(row)) {
                if (const int r =
                        SetTableCellAttribute(panel, table, MakePoint(column, row), s.attribute, s.value);
                    r < 0)
                    return r;
            }
            if (const int r = SetCellPicture(panel, table, column, row, kCellPictureText, bitmap); r < 0)
                return r;
        }
    }

    if (const int r = DefaultCtrl(panel, table); r < 0) return r;
    // The last swatch column, on the code row under the lightest swatches.
    if (const int r = SetActiveTableCell(panel, table, MakePoint(24, 3)); r < 0) return r;
    if (const int r = SetCtrlAttribute(panel, table, 593, 16); r < 0) return r;
    return SetCtrlAttribute(panel, table, 560, 0);
}
