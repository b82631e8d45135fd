#pragma once

// The driver's document: paragraphs and tables in the body, each table a grid of cells
// holding paragraphs, pictures stored as PNG, and the selection that editing acts on.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace wordrpt {

// Lengths are kept in twips (1/1440 inch) and picture sizes in EMU (1/914400 inch).
inline constexpr int kTwipsPerInch = 1440;
inline constexpr std::int64_t kEmuPerInch = 914400;
inline constexpr int kCellMarginTwips = 108;  // left and right padding of every cell

struct CharFormat {
    bool bold = false;
    std::string font = "Times New Roman";
    int halfPoints = 24;
    int colorIndex = 0;
    bool operator==(const CharFormat&) const = default;
};

struct ParaFormat {
    int align = 0;        // 0 left, 1 centre, 2 right, 3 justified
    int lineSpacing = 1;  // 1 single, 2 double, 3 one and a half
    bool operator==(const ParaFormat&) const = default;
};

// One piece of a paragraph: typed text, an inline picture or an empty bookmark.
struct Piece {
    enum class Kind { Text, Picture, Bookmark };
    Kind kind = Kind::Text;
    std::string text;  // Text: UTF-8 holding no control characters but '\n' and '\t'; Bookmark: its name
    int picture = -1;  // Picture: index into Document::pictures
    CharFormat format;
};

struct Paragraph {
    ParaFormat format;
    CharFormat mark;  // the paragraph mark's format, taken by text typed into an empty paragraph
    std::vector<Piece> pieces;
};

struct Cell {
    std::vector<Paragraph> paragraphs{1};
    int verticalAlign = 0;  // 0 top, 1 centre, 3 bottom
};

struct Table {
    std::vector<int> widths;  // twips, one per column
    std::vector<std::vector<Cell>> rows;
};

struct Picture {
    std::vector<unsigned char> png;
    std::int64_t widthEmu = 0;
    std::int64_t heightEmu = 0;
};

// A body block: a paragraph, or a table by its id.
struct Block {
    Paragraph paragraph;
    int table = -1;
};

// Where a paragraph stands: in the body (table -1, index into the blocks) or in a cell.
struct ParaRef {
    int table = -1;
    int row = 0;
    int column = 0;
    int paragraph = 0;
    bool operator==(const ParaRef&) const = default;
};

struct Selection {
    enum class Kind { Point, Cells, Picture };
    Kind kind = Kind::Point;
    ParaRef at;      // Point and Picture: the paragraph
    int piece = 0;   // Point: before this piece; Picture: the picture's piece
    int table = -1;  // Cells: the table and the rows and columns, 0-based, inclusive
    int row1 = 0, row2 = 0, column1 = 0, column2 = 0;
};

struct PageSetup {
    int width = 11906;  // A4 portrait
    int height = 16838;
    std::array<int, 4> margins{1440, 1440, 1440, 1440};  // top, bottom, left, right
    bool landscape = false;
    bool printLayout = false;
    std::vector<int> headerTabs;  // twips from the left margin
    std::vector<int> footerTabs;
};

struct Document {
    std::vector<Block> body{1};
    std::map<int, Table> tables;
    int nextTable = 1;
    std::vector<Picture> pictures;
    PageSetup page;
    Selection selection;
    CharFormat typing;  // what text typed at the insertion point takes
};

// Text width of the page in twips.
int TextWidth(const Document& doc);

Paragraph& ParagraphAt(Document& doc, const ParaRef& ref);

// One formatting change: `value` is bold 0/1, half points, colour index or alignment.
struct FormatChange {
    int attribute = 0;  // as WordRpt_SetTextAttribute numbers them
    int value = 0;
    std::string font;
};

// Editing at the selection; a non-zero result (negative error code) leaves the document as it was.
int TypeText(Document& doc, const std::string& text);
int TypeParagraphMark(Document& doc);
int FormatSelection(Document& doc, const FormatChange& change);
int AddBookmark(Document& doc, const std::string& name);
int GoToBookmark(Document& doc, const std::string& name);
int InsertTable(Document& doc, int rows, int columns, int* tableId);
int SelectCells(Document& doc, int table, int row1, int row2, int column1, int column2);
int WriteCell(Document& doc, int table, int row, int column, const std::string& text);
int InsertRows(Document& doc, int table, int before, int count);
int InsertPicture(Document& doc, int table, Picture picture);
int AlignCellsVertically(Document& doc, int table, int alignment);
int GoBelowTable(Document& doc, int table);

// Moves the insertion point and takes the typing format found there.
void PlacePoint(Document& doc, const ParaRef& at, int piece);

}  // namespace wordrpt
