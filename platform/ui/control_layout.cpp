#include "platform/ui/control_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "platform/ui/attribute_table.h"
#include "platform/ui/control_values.h"
#include "platform/ui/control_widgets.h"
#include "platform/ui/fonts.h"
#include "platform/ui/table_model.h"
#include "platform/ui/table_widget.h"
#include "platform/ui/ui_constants.h"

namespace ui_detail {

namespace {

constexpr int kDefaultTextSize = 13;

// Styles whose label is drawn apart from the control, in its own label box.
bool HasLabelBox(int style) {
    return style != CTRL_COMMAND_BUTTON && style != CTRL_TEXT_MSG;
}

QSize TextSize(const ControlRecord& c, int fontAttr, int sizeAttr, const std::string& text) {
    const QFont font = MapFont(
        {c.attrs.Text(fontAttr), c.attrs.Int(sizeAttr, kDefaultTextSize), false, false, false, false});
    const QFontMetrics metrics(font);
    const QSize size = metrics.size(0, QString::fromStdString(text));
    return {size.width() + 2, std::max(size.height(), metrics.height())};
}

}  // namespace

QSize DefaultControlSize(int style) {
    switch (style) {
        case CTRL_NUMERIC:
            return {70, 20};
        case CTRL_NUMERIC_HSLIDE:
        case CTRL_NUMERIC_FLAT_HSLIDE:
            return {100, 9};
        case CTRL_NUMERIC_VSLIDE:
            return {9, 100};
        case CTRL_COLOR_NUMERIC:
            return {40, 20};
        case CTRL_STRING:
            return {100, 20};
        case CTRL_TEXT_MSG:
            return {80, 16};
        case CTRL_COMMAND_BUTTON:
            return {60, 23};
        case CTRL_CHECK_BOX:
            return {13, 13};
        case CTRL_BINARY_SWITCH:
            return {12, 40};
        case CTRL_RING:
            return {100, 20};
        case CTRL_GRAPH:
            return {300, 200};
        case CTRL_PICTURE:
            return {100, 100};
        case CTRL_CANVAS:
            return {200, 200};
        case CTRL_TABLE:
            return {300, 200};
        default:
            return {60, 20};
    }
}

void PlaceControl(ControlRecord& c) {
    if (!c.widget) return;
    const QRect nominal(c.attrs.Int(ATTR_LEFT, 0), c.attrs.Int(ATTR_TOP, 0), c.attrs.Int(ATTR_WIDTH, 1),
                        c.attrs.Int(ATTR_HEIGHT, 1));
    c.widget->setGeometry(nominal.marginsAdded(ControlMargins(c.style)));
    const bool visible = c.attrs.Int(ATTR_VISIBLE, 1) != 0;
    c.widget->setVisible(visible);
    if (!c.label) return;
    const std::string text = c.attrs.Text(ATTR_LABEL_TEXT);
    const QSize textSize = TextSize(c, ATTR_LABEL_FONT, ATTR_LABEL_POINT_SIZE, text);
    const int width = c.attrs.Int(ATTR_LABEL_WIDTH, textSize.width());
    const int height = c.attrs.Int(ATTR_LABEL_HEIGHT, textSize.height());
    // Without a place of its own the label stands just above the control's left edge.
    const int left = c.attrs.Int(ATTR_LABEL_LEFT, nominal.left());
    const int top = c.attrs.Int(ATTR_LABEL_TOP, nominal.top() - height - 1);
    c.label->setGeometry(left, top, std::max(width, textSize.width()), height);
    // An empty label shows nothing, not even its coloured box: the builders give every control
    // a label colour, and a bare box would stand on the panel as a stray patch.
    c.label->setVisible(visible && HasLabelBox(c.style) && !text.empty());
    c.label->update();
}

void Repaint(ControlRecord& c) {
    if (auto* table = qobject_cast<TableWidget*>(c.widget.data())) {
        table->RequestRepaint();
    } else if (c.widget) {
        c.widget->update();
    }
}

void Restack(PanelRecord& panel) {
    for (auto it = panel.zOrder.rbegin(); it != panel.zOrder.rend(); ++it) {
        ControlRecord* c = FindControl(panel.handle, *it);
        if (c == nullptr) continue;
        if (c->widget) c->widget->raise();
        if (c->label) c->label->raise();
    }
}

void ApplyTabOrder(PanelRecord& panel) {
    QWidget* previous = nullptr;
    for (int id : panel.tabOrder) {
        ControlRecord* c = FindControl(panel.handle, id);
        if (c == nullptr || !c->widget) continue;
        const bool stop = c->attrs.Int(ATTR_CTRL_MODE, VAL_HOT) != VAL_INDICATOR &&
                          c->style != CTRL_TEXT_MSG && c->style != CTRL_PICTURE;
        c->widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::NoFocus);
        if (!stop) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, c->widget);
        previous = c->widget;
    }
}

void MoveInOrder(std::vector<int>& order, int id, int position) {
    order.erase(std::remove(order.begin(), order.end(), id), order.end());
    const size_t at = static_cast<size_t>(std::clamp(position, 0, static_cast<int>(order.size())));
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), id);
}

bool ChangesLayout(int attribute) {
    switch (attribute) {
        case ATTR_VISIBLE:
        case ATTR_LEFT:
        case ATTR_TOP:
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
        case ATTR_LABEL_TEXT:
        case ATTR_LABEL_FONT:
        case ATTR_LABEL_POINT_SIZE:
        case ATTR_LABEL_BOLD:
        case ATTR_LABEL_LEFT:
        case ATTR_LABEL_TOP:
        case ATTR_LABEL_WIDTH:
        case ATTR_LABEL_HEIGHT:
        case ATTR_LABEL_BGCOLOR:
        case ATTR_TEXT_FONT:
        case ATTR_TEXT_POINT_SIZE:
        case ATTR_TEXT_BOLD:
            return true;
        default:
            return false;
    }
}

namespace {

// A text size times the factor, never below one pixel; an unset size scales from the default.
void ScaleTextSize(AttrStore& attrs, int attribute, double factor) {
    const double scaled =
        std::clamp(attrs.Int(attribute, kDefaultTextSize) * factor, 1.0, double{kMaxCoordinate});
    attrs.Set(attribute, AttrValue(static_cast<int>(std::lround(scaled))));
}

void ScaleTableTexts(TableModel& table, double factor) {
    for (auto* lines : {&table.rows, &table.columns}) {
        for (TableLine& line : *lines) {
            ScaleTextSize(line.attrs, ATTR_LABEL_POINT_SIZE, factor);
            // A line's cell attributes pass on to its new cells: scaled only where set.
            if (line.attrs.Find(ATTR_TEXT_POINT_SIZE) != nullptr)
                ScaleTextSize(line.attrs, ATTR_TEXT_POINT_SIZE, factor);
        }
    }
    for (TableCell& cell : table.cells) ScaleTextSize(cell.attrs, ATTR_TEXT_POINT_SIZE, factor);
}

}  // namespace

void ScaleContents(PanelRecord& panel, double fx, double fy) {
    auto scale = [](AttrStore& attrs, int attribute, double f) {
        if (const AttrValue* v = attrs.Find(attribute); v && std::holds_alternative<int>(v->value)) {
            // Kept within the bound of positions and sizes, whatever the factor.
            const double scaled =
                std::clamp(std::get<int>(v->value) * f, double{-kMaxCoordinate}, double{kMaxCoordinate});
            attrs.Set(attribute, AttrValue(static_cast<int>(std::lround(scaled))));
        }
    };
    // Texts follow the smaller of the two factors since the design, so that they fit their
    // boxes both ways; a panel resized in two steps (height, then width) ends where one would.
    const double textBefore = std::min(panel.contentScaleX, panel.contentScaleY);
    panel.contentScaleX *= fx;
    panel.contentScaleY *= fy;
    const double textAfter = std::min(panel.contentScaleX, panel.contentScaleY);
    // A panel once shrunk to nothing has lost its design: its texts keep their sizes.
    const double textFactor = textBefore > 0.0 && textAfter > 0.0 ? textAfter / textBefore : 1.0;
    for (auto& [id, c] : panel.controls) {
        scale(c.attrs, ATTR_LEFT, fx);
        scale(c.attrs, ATTR_TOP, fy);
        scale(c.attrs, ATTR_WIDTH, fx);
        scale(c.attrs, ATTR_HEIGHT, fy);
        scale(c.attrs, ATTR_LABEL_LEFT, fx);
        scale(c.attrs, ATTR_LABEL_TOP, fy);
        scale(c.attrs, ATTR_LABEL_WIDTH, fx);
        scale(c.attrs, ATTR_LABEL_HEIGHT, fy);
        if (textFactor != 1.0) {
            ScaleTextSize(c.attrs, ATTR_LABEL_POINT_SIZE, textFactor);
            if (CheckAttribute(ATTR_TEXT_POINT_SIZE, kControlLevel, c.style, AttrValue(0), false) == 0)
                ScaleTextSize(c.attrs, ATTR_TEXT_POINT_SIZE, textFactor);
        }
        if (c.table) {
            c.table->scaleX *= fx;
            c.table->scaleY *= fy;
            if (textFactor != 1.0) ScaleTableTexts(*c.table, textFactor);
        }
        PlaceControl(c);
        Repaint(c);
    }
}

}  // namespace ui_detail
