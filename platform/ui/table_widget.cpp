#include "platform/ui/table_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <map>
#include <tuple>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/control_values.h"
#include "platform/ui/events.h"
#include "platform/ui/fonts.h"
#include "platform/ui/packed_colour.h"
#include "platform/ui/table_model.h"
#include "platform/ui/ui_constants.h"

namespace ui_detail {

namespace {

constexpr int kDefaultRowLabelWidth = 40;
constexpr int kDefaultColumnLabelHeight = 20;
constexpr int kDefaultTextSize = 13;

// Fonts made once per paint: most cells share a handful.
class FontCache {
  public:
    const QFont& Get(const AttrStore& attrs, int fontAttr, int sizeAttr, int boldAttr) {
        FontStyle style{attrs.Text(fontAttr),
                        attrs.Int(sizeAttr, kDefaultTextSize),
                        boldAttr != 0 && attrs.Int(boldAttr, 0) != 0,
                        false,
                        false,
                        false};
        auto key = std::make_tuple(style.name, style.size, style.bold);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) it = fonts_.emplace(key, MapFont(style)).first;
        return it->second;
    }

  private:
    std::map<std::tuple<std::string, int, bool>, QFont> fonts_;
};

std::string CellText(const TableCell& cell) {
    if (auto* s = std::get_if<std::string>(&cell.value.value)) return *s;
    const int type = cell.attrs.Int(ATTR_DATA_TYPE, VAL_INTEGER);
    if (type == VAL_STRING) return {};
    const double v = NumericValue(cell.value);
    if (IsIntegerType(type) && v == 0.0) return {};  // an untouched numeric cell shows nothing
    return FormatNumber(v, IsIntegerType(type), cell.attrs.Int(ATTR_PRECISION, 0));
}

}  // namespace

TableLayout LayoutOf(const ControlRecord& control) {
    const TableModel& t = *control.table;
    return {static_cast<int>(
                std::lround(control.attrs.Int(ATTR_TABLE_ROW_LABEL_WIDTH, kDefaultRowLabelWidth) * t.scaleX)),
            static_cast<int>(std::lround(
                control.attrs.Int(ATTR_TABLE_COLUMN_LABEL_HEIGHT, kDefaultColumnLabelHeight) * t.scaleY))};
}

TableWidget::TableWidget(int panel, int control, QWidget* parent)
    : QWidget(parent), panel_(panel), control_(control) {}

void TableWidget::RequestRepaint() {
    if (repaintPending_) return;
    repaintPending_ = true;
    update();
}

void TableWidget::paintEvent(QPaintEvent*) {
    repaintPending_ = false;
    const ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr || !c->table) return;
    const TableModel& t = *c->table;
    const TableLayout layout = LayoutOf(*c);
    QPainter p(this);
    if (const auto bg = PackedColour(c->attrs.Int(ATTR_BACKCOLOR, 0xECE9D8))) p.fillRect(rect(), *bg);
    FontCache fonts;

    // Column labels, then row labels.
    int x = layout.rowLabelWidth;
    for (int col = 1; col <= t.ColumnCount() && x < width(); ++col) {
        const int w = t.DrawnColumnWidth(col);
        const AttrStore& a = t.columns[static_cast<size_t>(col - 1)].attrs;
        const std::string text = a.Text(ATTR_LABEL_TEXT);
        if (!text.empty() && layout.columnLabelHeight > 0) {
            p.setFont(fonts.Get(a, ATTR_LABEL_FONT, ATTR_LABEL_POINT_SIZE, ATTR_LABEL_BOLD));
            p.setPen(PackedColour(a.Int(ATTR_LABEL_COLOR, 0)).value_or(Qt::black));
            p.drawText(QRect(x, 0, w, layout.columnLabelHeight), Qt::AlignCenter,
                       QString::fromStdString(text));
        }
        x += w;
    }
    int y = layout.columnLabelHeight;
    for (int row = 1; row <= t.RowCount() && y < height(); ++row) {
        const int h = t.DrawnRowHeight(row);
        const AttrStore& a = t.rows[static_cast<size_t>(row - 1)].attrs;
        const std::string text = a.Text(ATTR_LABEL_TEXT);
        if (!text.empty() && layout.rowLabelWidth > 0) {
            p.setFont(fonts.Get(a, ATTR_LABEL_FONT, ATTR_LABEL_POINT_SIZE, ATTR_LABEL_BOLD));
            p.setPen(PackedColour(a.Int(ATTR_LABEL_COLOR, 0)).value_or(Qt::black));
            p.drawText(QRect(0, y, layout.rowLabelWidth, h), Qt::AlignCenter, QString::fromStdString(text));
        }
        y += h;
    }

    // Cells: background, picture or text, then the grid on the cell's bottom and right edge.
    p.setClipRect(QRect(layout.rowLabelWidth, layout.columnLabelHeight, width(), height()));
    y = layout.columnLabelHeight;
    for (int row = 1; row <= t.RowCount() && y < height(); ++row) {
        const int h = t.DrawnRowHeight(row);
        x = layout.rowLabelWidth;
        for (int col = 1; col <= t.ColumnCount() && x < width(); ++col) {
            const int w = t.DrawnColumnWidth(col);
            const TableCell& cell = t.Cell(row, col);
            const QRect box(x, y, w, h);
            if (const auto fill = PackedColour(cell.attrs.Int(ATTR_TEXT_BGCOLOR, 0xFFFFFF)))
                p.fillRect(box, *fill);
            if (cell.attrs.Int(ATTR_CELL_TYPE, VAL_CELL_NUMERIC) == VAL_CELL_PICTURE &&
                !cell.picture.isNull()) {
                p.drawImage(box, cell.picture);
            } else {
                const std::string text = CellText(cell);
                if (!text.empty()) {
                    p.setFont(fonts.Get(cell.attrs, ATTR_TEXT_FONT, ATTR_TEXT_POINT_SIZE, ATTR_TEXT_BOLD));
                    p.setPen(PackedColour(cell.attrs.Int(ATTR_TEXT_COLOR, 0)).value_or(Qt::black));
                    p.drawText(box, Qt::AlignCenter, QString::fromStdString(text));
                }
            }
            if (const auto grid = PackedColour(cell.attrs.Int(ATTR_HORIZONTAL_GRID_COLOR, 0x808080))) {
                p.fillRect(x, y + h - 1, w, 1, *grid);
            }
            if (const auto grid = PackedColour(cell.attrs.Int(ATTR_VERTICAL_GRID_COLOR, 0x808080))) {
                p.fillRect(x + w - 1, y, 1, h, *grid);
            }
            x += w;
        }
        y += h;
    }
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    NoteMousePosition(event->globalPosition().toPoint());
    const ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr || event->button() != Qt::LeftButton) return;
    const PanelRecord* panel = FindPanel(panel_);
    if (c->attrs.Int(ATTR_DIMMED, 0) != 0 || (panel && panel->attrs.Int(ATTR_DIMMED, 0) != 0)) return;
    const QPoint inPanel = mapToParent(event->position().toPoint());
    // Indicators pass clicks on too.
    DispatchCtrlEvent(panel_, control_, EVENT_LEFT_CLICK, inPanel.y(), inPanel.x());
}

}  // namespace ui_detail
