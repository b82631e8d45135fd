#include "platform/ui/table_model.h"

#include <algorithm>
#include <cmath>

namespace ui_detail {

namespace {

constexpr int kDefaultRowHeight = 16;
constexpr int kDefaultColumnWidth = 60;
constexpr int kCellAttributes[] = {680,  682,  683,  684,  685,  686,  687,  690,  700,  710,  730,  731,
                                   732,  733,  734,  735,  737,  738,  739,  760,  791,  795,  840,  1292,
                                   1580, 1581, 1582, 1583, 1584, 1585, 1586, 1587, 1588, 1589, 1590, 1592};

// The cell attributes of `from`, applied over `to`.
void CopyCellAttributes(const AttrStore& from, AttrStore& to) {
    for (int attribute : kCellAttributes) {
        if (const AttrValue* v = from.Find(attribute)) to.Set(attribute, *v);
    }
}

int Clamp(int position, int size) {
    return (position < 1 || position > size + 1) ? size + 1 : position;
}

}  // namespace

void TableModelDeleter::operator()(TableModel* table) const {
    delete table;
}

bool IsCellAttribute(int attribute) {
    return std::find(std::begin(kCellAttributes), std::end(kCellAttributes), attribute) !=
           std::end(kCellAttributes);
}

void TableModel::InsertRows(int position, int count, const AttrStore& cellDefaults) {
    const int at = Clamp(position, RowCount());  // 1-based place of the first new row
    const int oldRows = RowCount();
    const int cols = ColumnCount();
    rows.insert(rows.begin() + (at - 1), static_cast<size_t>(count), TableLine{});
    std::vector<TableCell> grown;
    grown.reserve(static_cast<size_t>((oldRows + count) * cols));
    for (int r = 1; r <= oldRows + count; ++r) {
        const bool isNew = r >= at && r < at + count;
        for (int c = 1; c <= cols; ++c) {
            if (!isNew) {
                const int oldRow = r < at ? r : r - count;
                grown.push_back(std::move(cells[static_cast<size_t>((oldRow - 1) * cols + c - 1)]));
                continue;
            }
            TableCell cell;
            CopyCellAttributes(cellDefaults, cell.attrs);
            CopyCellAttributes(columns[static_cast<size_t>(c - 1)].attrs, cell.attrs);
            grown.push_back(std::move(cell));
        }
    }
    cells = std::move(grown);
}

void TableModel::InsertColumns(int position, int count, const AttrStore& cellDefaults) {
    const int at = Clamp(position, ColumnCount());
    const int oldCols = ColumnCount();
    const int rowCount = RowCount();
    columns.insert(columns.begin() + (at - 1), static_cast<size_t>(count), TableLine{});
    const int cols = oldCols + count;
    std::vector<TableCell> grown;
    grown.reserve(static_cast<size_t>(rowCount * cols));
    for (int r = 1; r <= rowCount; ++r) {
        for (int c = 1; c <= cols; ++c) {
            if (c < at || c >= at + count) {
                const int oldCol = c < at ? c : c - count;
                grown.push_back(std::move(cells[static_cast<size_t>((r - 1) * oldCols + oldCol - 1)]));
                continue;
            }
            TableCell cell;
            CopyCellAttributes(cellDefaults, cell.attrs);
            CopyCellAttributes(rows[static_cast<size_t>(r - 1)].attrs, cell.attrs);
            grown.push_back(std::move(cell));
        }
    }
    cells = std::move(grown);
}

int TableModel::RowHeight(int row) const {
    return rows[static_cast<size_t>(row - 1)].attrs.Int(1650, kDefaultRowHeight);
}

int TableModel::ColumnWidth(int column) const {
    return columns[static_cast<size_t>(column - 1)].attrs.Int(1700, kDefaultColumnWidth);
}

int TableModel::DrawnRowHeight(int row) const {
    return static_cast<int>(std::lround(RowHeight(row) * scaleY));
}

int TableModel::DrawnColumnWidth(int column) const {
    return static_cast<int>(std::lround(ColumnWidth(column) * scaleX));
}

}  // namespace ui_detail
