#pragma once

// The Word report driver of the platform layer: documents built through handles and a
// selection, saved as Office Open XML. Every operation returns 0 on success or a negative
// automation error code (automation_errors.h); a failing operation changes nothing.
// Handles belong to the caller, who releases them with CA_DiscardObjHandle; 0 is no handle.
// Lengths are inches (32-bit floats), rows and columns count from 1. Text, font, paragraph,
// cell-alignment and picture operations act on the document's selection.

using CAObjHandle = int;

// A new application; `visible` non-zero (-1 is true) opens each document it saves in the
// desktop's program for it, as a person would.
int WordRpt_ApplicationNew(int visible, CAObjHandle* application);
// A new blank A4 portrait document on the normal template; the selection at its start.
int WordRpt_DocumentNew(CAObjHandle application, CAObjHandle* document);
// 0 portrait, 1 landscape.
int WordRpt_PageOrientation(CAObjHandle document, int orientation);
// 1 single, 2 double, 3 one and a half: every paragraph the document holds now.
int WordRpt_SetReportLineSpacing(CAObjHandle document, int spacing);
// Page margins; also print layout, and in the header and footer tab stops at half and at the
// whole text width.
int WordRpt_SetMargins(CAObjHandle document, float top, float bottom, float left, float right);

enum WordRptTextAttribute {
    WRConst_Bold = 1,       // int, 1 or 0
    WRConst_FontName = 6,   // text
    WRConst_FontSize = 7,   // double, points
    WRConst_FontColor = 8,  // int, colour index 0..16 (0 automatic, 9 dark blue, 15 grey 50 %)
    WRConst_Alignment = 9,  // int, paragraphs: 0 left, 1 centred, 2 right, 3 justified
};
// Formats the selection; at an insertion point, what is typed there next.
int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, int value);
int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, double value);
int WordRpt_SetTextAttribute(CAObjHandle document, int attribute, const char* value);

// Types the text, then a paragraph mark. A line feed in the text breaks the line inside the
// paragraph, a tab is a tab; other control characters are dropped.
int WordRpt_AppendLine(CAObjHandle document, const char* text);
int WordRpt_NewLine(CAObjHandle document);
// An empty bookmark where the selection starts (a name of a letter then up to 39 letters,
// digits or underscores); an existing one of that name moves there. Typing at the bookmark
// leaves it before the typed text.
int WordRpt_AddBookmark(CAObjHandle document, const char* name);
int WordRpt_GoToBookmark(CAObjHandle document, const char* name);

// Inserts a table at the insertion point (never inside a table), its cells formatted as the
// insertion point, its columns sharing the text width; the insertion point goes to the line
// right below it.
int WordRpt_AddTable(CAObjHandle document, int rows, int columns, CAObjHandle* table);
// Width 0 < w <= 22 inches; the column stays selected.
int WordRpt_SetColumnWidth(CAObjHandle table, int column, float width);
int WordRpt_SelectRow(CAObjHandle table, int row);
int WordRpt_SelectColumn(CAObjHandle table, int column);
int WordRpt_GoToCell(CAObjHandle table, int row, int column);
// The cell holds the text afterwards; the insertion point stays after it, inside the cell.
int WordRpt_WriteToCell(CAObjHandle table, int row, int column, const char* text);
// `before` -1 appends after the last row, else inserts before that row; the new rows are
// selected and formatted as the row they follow or precede.
int WordRpt_InsertRows(CAObjHandle table, int before, int count);
// Inserts a BMP, PNG, JPEG or GIF picture at the selection in this table (at the end of the
// first selected cell) as an inline PNG stored in the document, 96 pixels an inch, shrunk to
// fit the cell's width and the page's height; selects the picture.
int WordRpt_InsertImageInCell(CAObjHandle table, const char* pictureFile, CAObjHandle* picture);
// 0 top, 1 centre, 3 bottom, for the cells that hold the selection.
int WordRpt_CellAlignVertical(CAObjHandle table, int alignment);
int WordRpt_GoToLineAfterTable(CAObjHandle table);

// Writes the document beside `path`, on disk, and renames it over `path`, so a file already
// there is replaced only by a complete document; after a failure it stays as it was, with
// nothing left beside it.
int WordRpt_DocumentSaveAs(CAObjHandle document, const char* path);

// The text of an error code into a buffer of `size` characters.
int CA_GetAutomationErrorString(int errorCode, char* buffer, int size);
int CA_DiscardObjHandle(CAObjHandle handle);
