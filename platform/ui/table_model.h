#pragma once

// The state of a table control as plain records: rows, columns and cells, each with its own
// attributes. Cell attributes set on a row or column are written through to its cells, and new
// cells start from the table's own cell attributes, so a cell always answers for itself.
#include <QImage>
#include <vector>

#include "platform/ui/ui_state.h"

namespace ui_detail {

struct TableCell {
    AttrStore attrs;
    AttrValue value{0};
    QImage picture;  // the bitmap set while the cell was a picture cell
};

struct TableLine {  // a row or a column
    AttrStore attrs;
};

struct TableModel {
    std::vector<TableLine> rows;
    std::vector<TableLine> columns;
    std::vector<TableCell> cells;  // row-major
    int activeRow = 1;
    int activeColumn = 1;
    // Set by the panel's scaling of its contents; row heights and column widths are drawn scaled.
    double scaleX = 1.0;
    double scaleY = 1.0;

    int RowCount() const { return static_cast<int>(rows.size()); }
    int ColumnCount() const { return static_cast<int>(columns.size()); }
    TableCell& Cell(int row, int column) {
        return cells[static_cast<size_t>((row - 1) * ColumnCount() + column - 1)];
    }
    const TableCell& Cell(int row, int column) const {
        return cells[static_cast<size_t>((row - 1) * ColumnCount() + column - 1)];
    }

    // `cellDefaults` are the table control's own attributes: new cells take its cell attributes.
    void InsertRows(int position, int count, const AttrStore& cellDefaults);
    void InsertColumns(int position, int count, const AttrStore& cellDefaults);

    int RowHeight(int row) const;       // as set (1650)
    int ColumnWidth(int column) const;  // as set (1700)
    int DrawnRowHeight(int row) const;  // as drawn (1651)
    int DrawnColumnWidth(int column) const;
};

// True for the attributes that a cell carries (and rows and columns pass on to their cells).
bool IsCellAttribute(int attribute);

}  // namespace ui_detail
