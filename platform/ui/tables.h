#pragma once

// Tables: rows and columns count from 1; a cell is a Point (x column, y row); a range a Rect.
#include <cstddef>
#include <string>

#include "platform/ui/attr_value.h"
#include "platform/ui/ui_constants.h"

struct Point {
    int x;
    int y;
};

struct Rect {
    int top;
    int left;
    int height;
    int width;
};

Point MakePoint(int x, int y);
Rect MakeRect(int top, int left, int height, int width);

// Position -1 appends; cell type -1 takes the table's default.
int InsertTableRows(int panel, int control, int position, int count, int cellType);
int InsertTableColumns(int panel, int control, int position, int count, int cellType);
int GetNumTableRows(int panel, int control, int* rows);
int GetNumTableColumns(int panel, int control, int* columns);

int SetTableRowAttribute(int panel, int control, int row, int attribute, AttrValue value);
int GetTableRowAttribute(int panel, int control, int row, int attribute, int* value);
int GetTableRowAttribute(int panel, int control, int row, int attribute, double* value);
int GetTableRowAttribute(int panel, int control, int row, int attribute, std::string* value);
int SetTableColumnAttribute(int panel, int control, int column, int attribute, AttrValue value);
int GetTableColumnAttribute(int panel, int control, int column, int attribute, int* value);
int GetTableColumnAttribute(int panel, int control, int column, int attribute, double* value);
int GetTableColumnAttribute(int panel, int control, int column, int attribute, std::string* value);
int SetTableCellAttribute(int panel, int control, Point cell, int attribute, AttrValue value);
int GetTableCellAttribute(int panel, int control, Point cell, int attribute, int* value);
int GetTableCellAttribute(int panel, int control, Point cell, int attribute, double* value);
int GetTableCellAttribute(int panel, int control, Point cell, int attribute, std::string* value);
int SetTableCellRangeAttribute(int panel, int control, Rect range, int attribute, AttrValue value);

// A text, a number, or (in a picture cell) a bitmap handle.
int SetTableCellVal(int panel, int control, Point cell, AttrValue value);
int GetTableCellVal(int panel, int control, Point cell, int* value);
int GetTableCellVal(int panel, int control, Point cell, double* value);
int GetTableCellVal(int panel, int control, Point cell, std::string* value);
int FillTableCellRange(int panel, int control, Rect range, AttrValue value);
int SetActiveTableCell(int panel, int control, Point cell);
int GetActiveTableCell(int panel, int control, Point* cell);
