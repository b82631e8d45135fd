#include "platform/ui/tables.h"

#include "platform/ui/attribute_table.h"
#include "platform/ui/bitmap_store.h"
#include "platform/ui/call_log.h"
#include "platform/ui/control_layout.h"
#include "platform/ui/control_values.h"
#include "platform/ui/table_model.h"

using namespace ui_detail;

namespace {

int LookupTable(int panel, int control, ControlRecord** out) {
    if (FindPanel(panel) == nullptr) return UIE_BAD_PANEL;
    *out = FindControl(panel, control);
    if (*out == nullptr) return UIE_BAD_CONTROL;
    return (*out)->table ? 0 : UIE_BAD_CONTROL;
}

bool CellInside(const TableModel& t, Point cell) {
    return cell.x >= 1 && cell.x <= t.ColumnCount() && cell.y >= 1 && cell.y <= t.RowCount();
}

// A range of -1 rows or columns reaches to the table's end. Checked without sums that could
// overflow, since a caller's rectangle may hold any int.
bool ResolveRange(const TableModel& t, Rect range, Rect* out) {
    if (range.top < 1 || range.left < 1 || range.top > t.RowCount() || range.left > t.ColumnCount())
        return false;
    if (range.height == -1) range.height = t.RowCount() - range.top + 1;
    if (range.width == -1) range.width = t.ColumnCount() - range.left + 1;
    if (range.height < 1 || range.width < 1) return false;
    if (range.height > t.RowCount() - range.top + 1 || range.width > t.ColumnCount() - range.left + 1)
        return false;
    *out = range;
    return true;
}

// A table holds at most this many cells: far beyond any window, and small enough that a wild
// count is refused instead of exhausting memory.
constexpr long long kMaxTableCells = 1LL << 22;

AttrValue CellDefault(int attribute) {
    switch (attribute) {
        case ATTR_TEXT_BGCOLOR:
            return AttrValue(0xFFFFFF);
        case ATTR_DATA_TYPE:
            return AttrValue(VAL_INTEGER);
        case ATTR_CELL_TYPE:
            return AttrValue(VAL_CELL_NUMERIC);
        case ATTR_TEXT_POINT_SIZE:
            return AttrValue(13);
        default:
            break;
    }
    const AttrSpec* entry = FindAttrSpec(attribute);
    return entry && entry->kind == ValueKind::Text ? AttrValue(std::string()) : AttrValue(0);
}

int StoreCellValue(TableCell& cell, const AttrValue& value) {
    if (cell.attrs.Int(ATTR_CELL_TYPE, VAL_CELL_NUMERIC) == VAL_CELL_PICTURE) {
        auto* handle = std::get_if<int>(&value.value);
        if (handle == nullptr) return UIE_BAD_VALUE_TYPE;
        if (*handle == 0) {
            cell.picture = QImage();
        } else {
            const QImage* image = FindBitmap(*handle);
            if (image == nullptr) return UIE_BAD_ARGUMENT;
            cell.picture = *image;  // the cell keeps its own copy
        }
        cell.value = value;
        return 0;
    }
    // A value cell shows a text as given, a number in its data type.
    if (std::holds_alternative<std::string>(value.value)) {
        cell.value = value;
        return 0;
    }
    AttrValue converted{0};
    const int type = cell.attrs.Int(ATTR_DATA_TYPE, VAL_INTEGER);
    if (!ConvertToType(value, type == VAL_STRING ? VAL_DOUBLE : type, &converted)) return UIE_BAD_VALUE_TYPE;
    cell.value = converted;
    return 0;
}

int ReadCell(const TableCell& cell, int attribute, AttrValue* out) {
    if (int rc = CheckAttribute(attribute, kCellLevel, CTRL_TABLE, AttrValue(0), false); rc < 0) return rc;
    const AttrValue* v = cell.attrs.Find(attribute);
    *out = v ? *v : CellDefault(attribute);
    return 0;
}

template <typename T>
int Extract(const AttrValue& v, T* out) {
    if (out == nullptr) return UIE_BAD_ARGUMENT;
    if constexpr (std::is_same_v<T, double>) {
        if (auto* d = std::get_if<double>(&v.value)) {
            *out = *d;
            return 0;
        }
        if (auto* i = std::get_if<int>(&v.value)) {
            *out = *i;
            return 0;
        }
        return UIE_BAD_VALUE_TYPE;
    } else {
        auto* x = std::get_if<T>(&v.value);
        if (x == nullptr) return UIE_BAD_VALUE_TYPE;
        *out = *x;
        return 0;
    }
}

// Row (isRow) or column attributes; cell attributes also go to every cell of the line.
int SetLine(const char* op, int panel, int control, int index, int attribute, const AttrValue& value,
            bool isRow) {
    if (int rc = EnterCall(op, {Arg(panel), Arg(control), Arg(index), Arg(attribute), Arg(value)}); rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    TableModel& t = *c->table;
    if (int rc = CheckAttribute(attribute, isRow ? kRowLevel : kColumnLevel, CTRL_TABLE, value, true); rc < 0)
        return rc;
    if (index < 1 || index > (isRow ? t.RowCount() : t.ColumnCount())) return UIE_OUT_OF_RANGE;
    if ((attribute == ATTR_ROW_HEIGHT || attribute == ATTR_COLUMN_WIDTH) && std::get<int>(value.value) < 0) {
        return UIE_OUT_OF_RANGE;
    }
    (isRow ? t.rows : t.columns)[static_cast<size_t>(index - 1)].attrs.Set(attribute, value);
    if (IsCellAttribute(attribute)) {
        if (isRow) {
            for (int col = 1; col <= t.ColumnCount(); ++col) t.Cell(index, col).attrs.Set(attribute, value);
        } else {
            for (int row = 1; row <= t.RowCount(); ++row) t.Cell(row, index).attrs.Set(attribute, value);
        }
    }
    Repaint(*c);
    return 0;
}

template <typename T>
int GetLine(const char* op, int panel, int control, int index, int attribute, T* out, bool isRow) {
    if (int rc = EnterCall(op, {Arg(panel), Arg(control), Arg(index), Arg(attribute)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    const TableModel& t = *c->table;
    if (int rc = CheckAttribute(attribute, isRow ? kRowLevel : kColumnLevel, CTRL_TABLE, AttrValue(0), false);
        rc < 0)
        return rc;
    if (index < 1 || index > (isRow ? t.RowCount() : t.ColumnCount())) return UIE_OUT_OF_RANGE;
    AttrValue v{0};
    if (attribute == ATTR_ROW_HEIGHT) {
        v = AttrValue(t.RowHeight(index));
    } else if (attribute == ATTR_ROW_ACTUAL_HEIGHT) {
        v = AttrValue(t.DrawnRowHeight(index));
    } else if (attribute == ATTR_COLUMN_WIDTH) {
        v = AttrValue(t.ColumnWidth(index));
    } else if (attribute == ATTR_COLUMN_ACTUAL_WIDTH) {
        v = AttrValue(t.DrawnColumnWidth(index));
    } else if (const AttrValue* stored =
                   (isRow ? t.rows : t.columns)[static_cast<size_t>(index - 1)].attrs.Find(attribute)) {
        v = *stored;
    } else {
        v = CellDefault(attribute);
    }
    return Extract(v, out);
}

template <typename T>
int GetCell(int panel, int control, Point cell, int attribute, T* out) {
    if (int rc = EnterCall("GetTableCellAttribute", {Arg(panel), Arg(control), Arg(cell), Arg(attribute)});
        rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (!CellInside(*c->table, cell)) return UIE_OUT_OF_RANGE;
    AttrValue v{0};
    if (int rc = ReadCell(c->table->Cell(cell.y, cell.x), attribute, &v); rc < 0) return rc;
    return Extract(v, out);
}

template <typename T>
int GetCellVal(int panel, int control, Point cell, T* out) {
    if (int rc = EnterCall("GetTableCellVal", {Arg(panel), Arg(control), Arg(cell)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (!CellInside(*c->table, cell)) return UIE_OUT_OF_RANGE;
    return Extract(c->table->Cell(cell.y, cell.x).value, out);
}

int InsertLines(const char* op, int panel, int control, int position, int count, int cellType, bool isRow) {
    if (int rc = EnterCall(op, {Arg(panel), Arg(control), Arg(position), Arg(count), Arg(cellType)}); rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    TableModel& t = *c->table;
    const int size = isRow ? t.RowCount() : t.ColumnCount();
    if (count < 0 || (position != -1 && (position < 1 || position > size + 1))) return UIE_OUT_OF_RANGE;
    const long long rows = t.RowCount() + (isRow ? static_cast<long long>(count) : 0);
    const long long columns = t.ColumnCount() + (isRow ? 0 : static_cast<long long>(count));
    if (rows > kMaxTableCells || columns > kMaxTableCells || rows * columns > kMaxTableCells)
        return UIE_OUT_OF_RANGE;
    if (cellType != -1 && cellType != VAL_CELL_NUMERIC && cellType != VAL_CELL_PICTURE)
        return UIE_OUT_OF_RANGE;
    AttrStore defaults = c->attrs;
    if (cellType != -1) defaults.Set(ATTR_CELL_TYPE, AttrValue(cellType));
    if (isRow) {
        t.InsertRows(position, count, defaults);
    } else {
        t.InsertColumns(position, count, defaults);
    }
    Repaint(*c);
    return 0;
}

}  // namespace

Point MakePoint(int x, int y) {
    return Point{x, y};
}
Rect MakeRect(int top, int left, int height, int width) {
    return Rect{top, left, height, width};
}

int InsertTableRows(int panel, int control, int position, int count, int cellType) {
    return InsertLines("InsertTableRows", panel, control, position, count, cellType, true);
}

int InsertTableColumns(int panel, int control, int position, int count, int cellType) {
    return InsertLines("InsertTableColumns", panel, control, position, count, cellType, false);
}

int GetNumTableRows(int panel, int control, int* rows) {
    if (int rc = EnterCall("GetNumTableRows", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (rows == nullptr) return UIE_BAD_ARGUMENT;
    *rows = c->table->RowCount();
    return 0;
}

int GetNumTableColumns(int panel, int control, int* columns) {
    if (int rc = EnterCall("GetNumTableColumns", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (columns == nullptr) return UIE_BAD_ARGUMENT;
    *columns = c->table->ColumnCount();
    return 0;
}

int SetTableRowAttribute(int panel, int control, int row, int attribute, AttrValue value) {
    return SetLine("SetTableRowAttribute", panel, control, row, attribute, value, true);
}
int GetTableRowAttribute(int panel, int control, int row, int attribute, int* value) {
    return GetLine("GetTableRowAttribute", panel, control, row, attribute, value, true);
}
int GetTableRowAttribute(int panel, int control, int row, int attribute, double* value) {
    return GetLine("GetTableRowAttribute", panel, control, row, attribute, value, true);
}
int GetTableRowAttribute(int panel, int control, int row, int attribute, std::string* value) {
    return GetLine("GetTableRowAttribute", panel, control, row, attribute, value, true);
}
int SetTableColumnAttribute(int panel, int control, int column, int attribute, AttrValue value) {
    return SetLine("SetTableColumnAttribute", panel, control, column, attribute, value, false);
}
int GetTableColumnAttribute(int panel, int control, int column, int attribute, int* value) {
    return GetLine("GetTableColumnAttribute", panel, control, column, attribute, value, false);
}
int GetTableColumnAttribute(int panel, int control, int column, int attribute, double* value) {
    return GetLine("GetTableColumnAttribute", panel, control, column, attribute, value, false);
}
int GetTableColumnAttribute(int panel, int control, int column, int attribute, std::string* value) {
    return GetLine("GetTableColumnAttribute", panel, control, column, attribute, value, false);
}

int SetTableCellAttribute(int panel, int control, Point cell, int attribute, AttrValue value) {
    if (int rc = EnterCall("SetTableCellAttribute",
                           {Arg(panel), Arg(control), Arg(cell), Arg(attribute), Arg(value)});
        rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (int rc = CheckAttribute(attribute, kCellLevel, CTRL_TABLE, value, true); rc < 0) return rc;
    if (!CellInside(*c->table, cell)) return UIE_OUT_OF_RANGE;
    c->table->Cell(cell.y, cell.x).attrs.Set(attribute, value);
    Repaint(*c);
    return 0;
}

int GetTableCellAttribute(int panel, int control, Point cell, int attribute, int* value) {
    return GetCell(panel, control, cell, attribute, value);
}
int GetTableCellAttribute(int panel, int control, Point cell, int attribute, double* value) {
    return GetCell(panel, control, cell, attribute, value);
}
int GetTableCellAttribute(int panel, int control, Point cell, int attribute, std::string* value) {
    return GetCell(panel, control, cell, attribute, value);
}

int SetTableCellRangeAttribute(int panel, int control, Rect range, int attribute, AttrValue value) {
    if (int rc = EnterCall("SetTableCellRangeAttribute",
                           {Arg(panel), Arg(control), Arg(range), Arg(attribute), Arg(value)});
        rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (int rc = CheckAttribute(attribute, kCellLevel, CTRL_TABLE, value, true); rc < 0) return rc;
    Rect r{};
    if (!ResolveRange(*c->table, range, &r)) return UIE_OUT_OF_RANGE;
    for (int row = r.top; row < r.top + r.height; ++row) {
        for (int col = r.left; col < r.left + r.width; ++col)
            c->table->Cell(row, col).attrs.Set(attribute, value);
    }
    Repaint(*c);
    return 0;
}

int SetTableCellVal(int panel, int control, Point cell, AttrValue value) {
    if (int rc = EnterCall("SetTableCellVal", {Arg(panel), Arg(control), Arg(cell), Arg(value)}); rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (!CellInside(*c->table, cell)) return UIE_OUT_OF_RANGE;
    if (int rc = StoreCellValue(c->table->Cell(cell.y, cell.x), value); rc < 0) return rc;
    Repaint(*c);
    return 0;
}

int GetTableCellVal(int panel, int control, Point cell, int* value) {
    return GetCellVal(panel, control, cell, value);
}
int GetTableCellVal(int panel, int control, Point cell, double* value) {
    return GetCellVal(panel, control, cell, value);
}
int GetTableCellVal(int panel, int control, Point cell, std::string* value) {
    return GetCellVal(panel, control, cell, value);
}

int FillTableCellRange(int panel, int control, Rect range, AttrValue value) {
    if (int rc = EnterCall("FillTableCellRange", {Arg(panel), Arg(control), Arg(range), Arg(value)}); rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    Rect r{};
    if (!ResolveRange(*c->table, range, &r)) return UIE_OUT_OF_RANGE;
    // Check every cell first, so a refused value leaves the range as it was.
    for (int row = r.top; row < r.top + r.height; ++row) {
        for (int col = r.left; col < r.left + r.width; ++col) {
            TableCell probe;
            probe.attrs = c->table->Cell(row, col).attrs;
            if (int rc = StoreCellValue(probe, value); rc < 0) return rc;
        }
    }
    for (int row = r.top; row < r.top + r.height; ++row) {
        for (int col = r.left; col < r.left + r.width; ++col) StoreCellValue(c->table->Cell(row, col), value);
    }
    Repaint(*c);
    return 0;
}

int SetActiveTableCell(int panel, int control, Point cell) {
    if (int rc = EnterCall("SetActiveTableCell", {Arg(panel), Arg(control), Arg(cell)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (!CellInside(*c->table, cell)) return UIE_OUT_OF_RANGE;
    c->table->activeColumn = cell.x;
    c->table->activeRow = cell.y;
    return 0;
}

int GetActiveTableCell(int panel, int control, Point* cell) {
    if (int rc = EnterCall("GetActiveTableCell", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupTable(panel, control, &c); rc < 0) return rc;
    if (cell == nullptr) return UIE_BAD_ARGUMENT;
    *cell = Point{c->table->activeColumn, c->table->activeRow};
    return 0;
}
