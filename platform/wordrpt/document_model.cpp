#include "platform/wordrpt/document_model.h"

#include <algorithm>
#include <functional>

#include "platform/wordrpt/automation_errors.h"

namespace wordrpt {

namespace {

constexpr int kBold = 1;
constexpr int kFontName = 6;
constexpr int kFontSize = 7;
constexpr int kFontColor = 8;
constexpr int kAlignment = 9;

bool IsContent(const Piece& p) {
    return p.kind != Piece::Kind::Bookmark;
}

void ApplyChar(CharFormat& f, const FormatChange& c) {
    switch (c.attribute) {
        case kBold:
            f.bold = c.value != 0;
            break;
        case kFontName:
            f.font = c.font;
            break;
        case kFontSize:
            f.halfPoints = c.value;
            break;
        case kFontColor:
            f.colorIndex = c.value;
            break;
        default:
            break;
    }
}

Cell& CellAt(Document& doc, int table, int row, int column) {
    return doc.tables.at(table).rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int BlockOfTable(const Document& doc, int table) {
    for (size_t i = 0; i < doc.body.size(); ++i) {
        if (doc.body[i].table == table) return static_cast<int>(i);
    }
    return -1;
}

// Inserts `p` after the paragraph `ref` and gives the new paragraph's place.
ParaRef InsertParagraphAfter(Document& doc, const ParaRef& ref, Paragraph p) {
    ParaRef next = ref;
    next.paragraph = ref.paragraph + 1;
    if (ref.table < 0) {
        doc.body.insert(doc.body.begin() + next.paragraph, Block{std::move(p), -1});
    } else {
        auto& paras = CellAt(doc, ref.table, ref.row, ref.column).paragraphs;
        paras.insert(paras.begin() + next.paragraph, std::move(p));
    }
    return next;
}

// Splits a paragraph before `piece`: the rest goes into a new paragraph of the same format.
ParaRef SplitParagraph(Document& doc, const ParaRef& ref, int piece, const CharFormat& newMark) {
    Paragraph& p = ParagraphAt(doc, ref);
    Paragraph rest{p.format, newMark, {}};
    rest.pieces.assign(p.pieces.begin() + piece, p.pieces.end());
    p.pieces.erase(p.pieces.begin() + piece, p.pieces.end());
    return InsertParagraphAfter(doc, ref, std::move(rest));
}

// Where typing would go now: a picture or cell selection collapses to its end.
void CollapsedPoint(const Document& doc, ParaRef* at, int* piece) {
    const Selection& s = doc.selection;
    switch (s.kind) {
        case Selection::Kind::Point:
            *at = s.at;
            *piece = s.piece;
            break;
        case Selection::Kind::Picture:
            *at = s.at;
            *piece = s.piece + 1;
            break;
        case Selection::Kind::Cells: {
            const Cell& c =
                doc.tables.at(s.table).rows[static_cast<size_t>(s.row2)][static_cast<size_t>(s.column2)];
            *at = ParaRef{s.table, s.row2, s.column2, static_cast<int>(c.paragraphs.size()) - 1};
            *piece = static_cast<int>(c.paragraphs.back().pieces.size());
            break;
        }
    }
}

void EnsurePoint(Document& doc) {
    if (doc.selection.kind == Selection::Kind::Point) return;
    ParaRef at;
    int piece = 0;
    CollapsedPoint(doc, &at, &piece);
    PlacePoint(doc, at, piece);
}

void ForEachCell(Document& doc, const Selection& s, const std::function<void(Cell&)>& fn) {
    for (int r = s.row1; r <= s.row2; ++r) {
        for (int c = s.column1; c <= s.column2; ++c) fn(CellAt(doc, s.table, r, c));
    }
}

// Every paragraph of the document with its place.
void ForEachParagraph(Document& doc, const std::function<void(const ParaRef&, Paragraph&)>& fn) {
    for (size_t i = 0; i < doc.body.size(); ++i) {
        Block& b = doc.body[i];
        if (b.table < 0) {
            fn(ParaRef{-1, 0, 0, static_cast<int>(i)}, b.paragraph);
            continue;
        }
        Table& t = doc.tables.at(b.table);
        for (size_t r = 0; r < t.rows.size(); ++r) {
            for (size_t c = 0; c < t.rows[r].size(); ++c) {
                auto& paras = t.rows[r][c].paragraphs;
                for (size_t k = 0; k < paras.size(); ++k) {
                    fn(ParaRef{b.table, static_cast<int>(r), static_cast<int>(c), static_cast<int>(k)},
                       paras[k]);
                }
            }
        }
    }
}

bool CellHoldsSelection(const Document& doc, int table, int* row, int* column) {
    const Selection& s = doc.selection;
    if (s.kind == Selection::Kind::Cells) return false;
    if (s.at.table != table) return false;
    *row = s.at.row;
    *column = s.at.column;
    return true;
}

}  // namespace

int TextWidth(const Document& doc) {
    return doc.page.width - doc.page.margins[2] - doc.page.margins[3];
}

Paragraph& ParagraphAt(Document& doc, const ParaRef& ref) {
    if (ref.table < 0) return doc.body[static_cast<size_t>(ref.paragraph)].paragraph;
    return CellAt(doc, ref.table, ref.row, ref.column).paragraphs[static_cast<size_t>(ref.paragraph)];
}

void PlacePoint(Document& doc, const ParaRef& at, int piece) {
    doc.selection = Selection{};
    doc.selection.at = at;
    doc.selection.piece = piece;
    const Paragraph& p = ParagraphAt(doc, at);
    // The text before the point gives its format, else the text after it, else the mark.
    for (int i = piece - 1; i >= 0; --i) {
        if (p.pieces[static_cast<size_t>(i)].kind == Piece::Kind::Text) {
            doc.typing = p.pieces[static_cast<size_t>(i)].format;
            return;
        }
    }
    for (size_t i = static_cast<size_t>(piece); i < p.pieces.size(); ++i) {
        if (p.pieces[i].kind == Piece::Kind::Text) {
            doc.typing = p.pieces[i].format;
            return;
        }
    }
    doc.typing = p.mark;
}

int TypeText(Document& doc, const std::string& text) {
    EnsurePoint(doc);
    if (text.empty()) return 0;
    Selection& s = doc.selection;
    Paragraph& p = ParagraphAt(doc, s.at);
    if (s.piece > 0) {
        Piece& before = p.pieces[static_cast<size_t>(s.piece - 1)];
        if (before.kind == Piece::Kind::Text && before.format == doc.typing) {
            before.text += text;
            return 0;
        }
    }
    p.pieces.insert(p.pieces.begin() + s.piece, Piece{Piece::Kind::Text, text, -1, doc.typing});
    ++s.piece;
    return 0;
}

int TypeParagraphMark(Document& doc) {
    EnsurePoint(doc);
    const ParaRef next = SplitParagraph(doc, doc.selection.at, doc.selection.piece, doc.typing);
    doc.selection.at = next;
    doc.selection.piece = 0;
    return 0;
}

int FormatSelection(Document& doc, const FormatChange& change) {
    Selection& s = doc.selection;
    const bool align = change.attribute == kAlignment;
    switch (s.kind) {
        case Selection::Kind::Point: {
            Paragraph& p = ParagraphAt(doc, s.at);
            if (align) {
                p.format.align = change.value;
                break;
            }
            ApplyChar(doc.typing, change);
            if (std::none_of(p.pieces.begin(), p.pieces.end(), IsContent)) ApplyChar(p.mark, change);
            break;
        }
        case Selection::Kind::Picture: {
            Paragraph& p = ParagraphAt(doc, s.at);
            if (align) {
                p.format.align = change.value;
            } else {
                ApplyChar(p.pieces[static_cast<size_t>(s.piece)].format, change);
            }
            break;
        }
        case Selection::Kind::Cells:
            ForEachCell(doc, s, [&](Cell& cell) {
                for (Paragraph& p : cell.paragraphs) {
                    if (align) {
                        p.format.align = change.value;
                        continue;
                    }
                    ApplyChar(p.mark, change);
                    for (Piece& piece : p.pieces) ApplyChar(piece.format, change);
                }
            });
            break;
    }
    return 0;
}

int AddBookmark(Document& doc, const std::string& name) {
    // A name marks one place: an older bookmark of that name goes.
    Selection& s = doc.selection;
    ForEachParagraph(doc, [&](const ParaRef& ref, Paragraph& p) {
        for (int i = static_cast<int>(p.pieces.size()) - 1; i >= 0; --i) {
            const Piece& piece = p.pieces[static_cast<size_t>(i)];
            if (piece.kind != Piece::Kind::Bookmark || piece.text != name) continue;
            p.pieces.erase(p.pieces.begin() + i);
            if (s.kind != Selection::Kind::Cells && s.at == ref && s.piece > i) --s.piece;
        }
    });
    Piece mark{Piece::Kind::Bookmark, name, -1, {}};
    if (s.kind == Selection::Kind::Cells) {
        Paragraph& first = CellAt(doc, s.table, s.row1, s.column1).paragraphs.front();
        first.pieces.insert(first.pieces.begin(), std::move(mark));
        return 0;
    }
    Paragraph& p = ParagraphAt(doc, s.at);
    p.pieces.insert(p.pieces.begin() + s.piece, std::move(mark));
    ++s.piece;
    return 0;
}

int GoToBookmark(Document& doc, const std::string& name) {
    bool found = false;
    ParaRef at;
    int piece = 0;
    ForEachParagraph(doc, [&](const ParaRef& ref, Paragraph& p) {
        for (size_t i = 0; i < p.pieces.size() && !found; ++i) {
            if (p.pieces[i].kind == Piece::Kind::Bookmark && p.pieces[i].text == name) {
                found = true;
                at = ref;
                piece = static_cast<int>(i) + 1;
            }
        }
    });
    if (!found) return kWordRptNoBookmark;
    PlacePoint(doc, at, piece);
    return 0;
}

int InsertTable(Document& doc, int rows, int columns, int* tableId) {
    ParaRef at;
    int piece = 0;
    CollapsedPoint(doc, &at, &piece);
    if (at.table >= 0) return kWordRptNoSelection;  // no tables inside tables
    EnsurePoint(doc);
    // The table goes before the paragraph of the insertion point, or between its halves.
    if (piece > 0) at = SplitParagraph(doc, at, piece, ParagraphAt(doc, at).mark);
    const Paragraph& here = ParagraphAt(doc, at);
    Table t;
    const int width = TextWidth(doc) / columns;
    t.widths.assign(static_cast<size_t>(columns), width);
    Cell cell;
    cell.paragraphs.front().format = here.format;
    cell.paragraphs.front().mark = doc.typing;
    t.rows.assign(static_cast<size_t>(rows), std::vector<Cell>(static_cast<size_t>(columns), cell));
    const int id = doc.nextTable++;
    doc.tables.emplace(id, std::move(t));
    doc.body.insert(doc.body.begin() + at.paragraph, Block{Paragraph{}, id});
    PlacePoint(doc, ParaRef{-1, 0, 0, at.paragraph + 1}, 0);
    *tableId = id;
    return 0;
}

int SelectCells(Document& doc, int table, int row1, int row2, int column1, int column2) {
    const Table& t = doc.tables.at(table);
    const int rows = static_cast<int>(t.rows.size());
    const int columns = static_cast<int>(t.widths.size());
    if (row1 < 0 || row2 >= rows || row1 > row2 || column1 < 0 || column2 >= columns || column1 > column2) {
        return kWordRptBadIndex;
    }
    Selection s;
    s.kind = Selection::Kind::Cells;
    s.table = table;
    s.row1 = row1;
    s.row2 = row2;
    s.column1 = column1;
    s.column2 = column2;
    doc.selection = s;
    return 0;
}

int WriteCell(Document& doc, int table, int row, int column, const std::string& text) {
    if (const int r = SelectCells(doc, table, row, row, column, column); r < 0) return r;
    Cell& cell = CellAt(doc, table, row, column);
    // The new text takes the format that the cell's text began with; bookmarks stay.
    const ParaRef first{table, row, column, 0};
    PlacePoint(doc, first, 0);
    Paragraph kept{cell.paragraphs.front().format, cell.paragraphs.front().mark, {}};
    for (const Paragraph& p : cell.paragraphs) {
        for (const Piece& piece : p.pieces) {
            if (piece.kind == Piece::Kind::Bookmark) kept.pieces.push_back(piece);
        }
    }
    cell.paragraphs.assign(1, std::move(kept));
    doc.selection.piece = static_cast<int>(cell.paragraphs.front().pieces.size());
    return TypeText(doc, text);
}

int InsertRows(Document& doc, int table, int before, int count) {
    Table& t = doc.tables.at(table);
    const int rows = static_cast<int>(t.rows.size());
    if (before != -1 && (before < 1 || before > rows)) return kWordRptBadIndex;
    if (count < 1 || count > 32767 - rows) return kWordRptBadArgument;
    const int at = before == -1 ? rows : before - 1;
    const auto& model = t.rows[static_cast<size_t>(before == -1 ? rows - 1 : at)];
    std::vector<Cell> row;
    for (const Cell& c : model) {
        Cell fresh;
        fresh.verticalAlign = c.verticalAlign;
        fresh.paragraphs.front().format = c.paragraphs.front().format;
        fresh.paragraphs.front().mark = c.paragraphs.front().mark;
        row.push_back(std::move(fresh));
    }
    t.rows.insert(t.rows.begin() + at, static_cast<size_t>(count), row);
    return SelectCells(doc, table, at, at + count - 1, 0, static_cast<int>(t.widths.size()) - 1);
}

int InsertPicture(Document& doc, int table, Picture picture) {
    const Selection& s = doc.selection;
    ParaRef at;
    int piece = 0;
    if (s.kind == Selection::Kind::Cells && s.table == table) {
        const Cell& c = CellAt(doc, table, s.row1, s.column1);
        at = ParaRef{table, s.row1, s.column1, static_cast<int>(c.paragraphs.size()) - 1};
        piece = static_cast<int>(c.paragraphs.back().pieces.size());
    } else if (s.kind != Selection::Kind::Cells && s.at.table == table) {
        CollapsedPoint(doc, &at, &piece);
    } else {
        return kWordRptNoSelection;
    }
    // A picture wider than its cell is shrunk to the cell, keeping its proportions.
    const std::int64_t room =
        static_cast<std::int64_t>(doc.tables.at(table).widths[static_cast<size_t>(at.column)] -
                                  2 * kCellMarginTwips) *
        (kEmuPerInch / kTwipsPerInch);
    if (room > 0 && picture.widthEmu > room) {
        picture.heightEmu = picture.heightEmu * room / picture.widthEmu;
        picture.widthEmu = room;
    }
    // Nor taller than nine tenths of the page's text, which leaves room for its line.
    const std::int64_t tall =
        static_cast<std::int64_t>(doc.page.height - doc.page.margins[0] - doc.page.margins[1]) * 9 / 10 *
        (kEmuPerInch / kTwipsPerInch);
    if (tall > 0 && picture.heightEmu > tall) {
        picture.widthEmu = picture.widthEmu * tall / picture.heightEmu;
        picture.heightEmu = tall;
    }
    PlacePoint(doc, at, piece);
    doc.pictures.push_back(std::move(picture));
    Paragraph& p = ParagraphAt(doc, at);
    p.pieces.insert(p.pieces.begin() + piece,
                    Piece{Piece::Kind::Picture, {}, static_cast<int>(doc.pictures.size()) - 1, doc.typing});
    doc.selection.kind = Selection::Kind::Picture;
    return 0;
}

int AlignCellsVertically(Document& doc, int table, int alignment) {
    const Selection& s = doc.selection;
    int row = 0;
    int column = 0;
    if (s.kind == Selection::Kind::Cells && s.table == table) {
        ForEachCell(doc, s, [&](Cell& c) { c.verticalAlign = alignment; });
        return 0;
    }
    if (!CellHoldsSelection(doc, table, &row, &column)) return kWordRptNoSelection;
    CellAt(doc, table, row, column).verticalAlign = alignment;
    return 0;
}

int GoBelowTable(Document& doc, int table) {
    const int block = BlockOfTable(doc, table);
    if (block < 0) return kWordRptBadHandle;
    PlacePoint(doc, ParaRef{-1, 0, 0, block + 1}, 0);
    return 0;
}

}  // namespace wordrpt
