#include "platform/ui/controls.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <cstring>

#include "platform/ui/attribute_table.h"
#include "platform/ui/call_log.h"
#include "platform/ui/control_layout.h"
#include "platform/ui/control_values.h"
#include "platform/ui/control_widgets.h"
#include "platform/ui/drawing_controls.h"
#include "platform/ui/events.h"
#include "platform/ui/fonts.h"
#include "platform/ui/graph.h"
#include "platform/ui/table_model.h"
#include "platform/ui/table_widget.h"

using namespace ui_detail;

namespace {

bool IsDrawingStyle(int style) {
    return style == CTRL_PICTURE || style == CTRL_CANVAS || style == CTRL_GRAPH;
}

int IndexIn(const std::vector<int>& order, int id) {
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i] == id) return static_cast<int>(i);
    }
    return -1;
}

// A text message without a size of its own fits its text.
void FitTextMessage(ControlRecord& c) {
    if (c.style != CTRL_TEXT_MSG || c.sized) return;
    const QFont font = MapFont(
        {c.attrs.Text(ATTR_TEXT_FONT), c.attrs.Int(ATTR_TEXT_POINT_SIZE, 13), false, false, false, false});
    const QSize size = QFontMetrics(font).size(0, QString::fromStdString(ShownText(c)));
    c.attrs.Set(ATTR_WIDTH, AttrValue(std::max(1, size.width() + 2)));
    c.attrs.Set(ATTR_HEIGHT, AttrValue(std::max(1, size.height())));
}

AttrValue ZeroOfType(int dataType) {
    if (dataType == VAL_STRING) return AttrValue(std::string());
    if (IsIntegerType(dataType)) return AttrValue(0);
    return AttrValue(0.0);
}

int Lookup(int panel, int control, ControlRecord** out) {
    if (FindPanel(panel) == nullptr) return UIE_BAD_PANEL;
    *out = FindControl(panel, control);
    return *out ? 0 : UIE_BAD_CONTROL;
}

// The value of an attribute as read back: computed ones first, then the stored value.
int ReadAttribute(const ControlRecord& c, int attribute, AttrValue* out) {
    if (int rc = CheckAttribute(attribute, kControlLevel, c.style, AttrValue(0), false); rc < 0) return rc;
    const PanelRecord* panel = FindPanel(c.panel);
    switch (attribute) {
        case ATTR_ZPLANE_POSITION:
            *out = AttrValue(IndexIn(panel->zOrder, c.id));
            return 0;
        case ATTR_TAB_ORDER_POSITION:
            *out = AttrValue(IndexIn(panel->tabOrder, c.id));
            return 0;
        case ATTR_DATA_TYPE:
            *out = AttrValue(DataTypeOf(c));
            return 0;
        case ATTR_TABLE_FIRST_ROW_TOP:
            *out = AttrValue(LayoutOf(c).columnLabelHeight);
            return 0;
        case ATTR_TABLE_FIRST_COLUMN_LEFT:
            *out = AttrValue(LayoutOf(c).rowLabelWidth);
            return 0;
        case ATTR_DFLT_VALUE:
            *out = c.defaultValue;
            return 0;
        default:
            break;
    }
    if (auto kept = DrawingAttribute(c.widget.data(), attribute)) {
        *out = std::move(*kept);
        return 0;
    }
    if (const AttrValue* v = c.attrs.Find(attribute)) {
        *out = *v;
        return 0;
    }
    const AttrSpec* entry = FindAttrSpec(attribute);
    switch (entry->kind) {
        case ValueKind::Text:
            *out = AttrValue(std::string());
            break;
        case ValueKind::Number:
            *out = IsIntegerType(DataTypeOf(c)) ? AttrValue(0) : AttrValue(0.0);
            break;
        default:
            *out = AttrValue(attribute == ATTR_VISIBLE || attribute == ATTR_CTRL_MODE ? 1 : 0);
            break;
    }
    return 0;
}

}  // namespace

int NewCtrl(int panel, int style, const char* label, int top, int left) {
    if (int rc = EnterCall("NewCtrl", {Arg(panel), Arg(style), Arg(label), Arg(top), Arg(left)}); rc < 0)
        return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    if (StyleFamily(style) == 0) return UIE_BAD_STYLE;
    if (!CoordinateFits(top) || !CoordinateFits(left)) return UIE_OUT_OF_RANGE;
    const int id = p->nextCtrl++;
    ControlRecord& c = p->controls[id];
    c.panel = panel;
    c.id = id;
    c.style = style;
    const QSize size = DefaultControlSize(style);
    c.attrs.Set(ATTR_TOP, AttrValue(top));
    c.attrs.Set(ATTR_LEFT, AttrValue(left));
    c.attrs.Set(ATTR_WIDTH, AttrValue(size.width()));
    c.attrs.Set(ATTR_HEIGHT, AttrValue(size.height()));
    c.attrs.Set(ATTR_LABEL_TEXT, AttrValue(label ? label : ""));
    const bool indicator = style == CTRL_TEXT_MSG || IsDrawingStyle(style);
    c.attrs.Set(ATTR_CTRL_MODE, AttrValue(indicator ? VAL_INDICATOR : VAL_HOT));
    c.value = style == CTRL_TEXT_MSG ? AttrValue(label ? label : "") : ZeroOfType(DataTypeOf(c));
    c.defaultValue = c.value;
    QWidget* parent = p->content.data();
    switch (style) {
        case CTRL_PICTURE:
            c.widget = MakePictureWidget(parent);
            break;
        case CTRL_CANVAS:
            c.widget = MakeCanvasWidget(parent);
            break;
        case CTRL_GRAPH:
            c.widget = MakeGraphWidget(parent);
            break;
        case CTRL_TABLE:
            c.table.reset(new TableModel());
            c.widget = new TableWidget(panel, id, parent);
            break;
        default:
            c.widget = new ui_detail::ControlWidget(panel, id, style, parent);
            break;
    }
    if (IsDrawingStyle(style)) RouteClicks(c.widget, panel, id);
    c.label = new LabelWidget(panel, id, parent);
    FitTextMessage(c);
    p->zOrder.insert(p->zOrder.begin(), id);  // a new control comes in front
    p->tabOrder.push_back(id);
    PlaceControl(c);
    Restack(*p);
    ApplyTabOrder(*p);
    return id;
}

int DiscardCtrl(int panel, int control) {
    if (int rc = EnterCall("DiscardCtrl", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    for (QWidget* w : {c->widget.data(), c->label.data()}) {
        if (w == nullptr) continue;
        w->hide();
        if (InCallback()) {
            w->deleteLater();
        } else {
            delete w;
        }
    }
    MoveInOrder(p->zOrder, control, 0);
    p->zOrder.erase(p->zOrder.begin());
    MoveInOrder(p->tabOrder, control, 0);
    p->tabOrder.erase(p->tabOrder.begin());
    p->controls.erase(control);
    return 0;
}

int SetCtrlAttribute(int panel, int control, int attribute, AttrValue value) {
    if (int rc = EnterCall("SetCtrlAttribute", {Arg(panel), Arg(control), Arg(attribute), Arg(value)});
        rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    if (int rc = CheckAttribute(attribute, kControlLevel, c->style, value, true); rc < 0) return rc;
    const auto& v = value.value;
    if (attribute == ATTR_CALLBACK_FUNCTION_POINTER &&
        (std::holds_alternative<PanelCallbackPtr>(v) || std::holds_alternative<MenuCallbackPtr>(v))) {
        return UIE_BAD_VALUE_TYPE;
    }
    PanelRecord* p = FindPanel(panel);
    switch (attribute) {
        case ATTR_ZPLANE_POSITION:
            MoveInOrder(p->zOrder, control, std::get<int>(v));
            Restack(*p);
            return 0;
        case ATTR_TAB_ORDER_POSITION:
            MoveInOrder(p->tabOrder, control, std::get<int>(v));
            ApplyTabOrder(*p);
            return 0;
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
        case ATTR_LABEL_WIDTH:
        case ATTR_LABEL_HEIGHT:
            if (std::get<int>(v) < 0) return UIE_OUT_OF_RANGE;
            if (attribute == ATTR_WIDTH || attribute == ATTR_HEIGHT) c->sized = true;
            break;
        case ATTR_ACTIVE_YAXIS:
            if (std::get<int>(v) != VAL_LEFT_YAXIS && std::get<int>(v) != VAL_RIGHT_YAXIS)
                return UIE_OUT_OF_RANGE;
            break;
        case ATTR_DATA_TYPE: {
            const int type = std::get<int>(v);
            if (type < 0 || type > VAL_STRING || ((type == VAL_STRING) != (DataTypeOf(*c) == VAL_STRING))) {
                return UIE_OUT_OF_RANGE;
            }
            break;
        }
        case ATTR_DFLT_VALUE: {
            AttrValue converted{0};
            if (c->style == CTRL_RING) {
                converted = value;
            } else if (!ConvertToType(value, DataTypeOf(*c), &converted)) {
                return UIE_BAD_VALUE_TYPE;
            }
            c->defaultValue = converted;
            c->attrs.Set(attribute, converted);
            return 0;
        }
        default:
            break;
    }
    c->attrs.Set(attribute, value);
    if (attribute == ATTR_DATA_TYPE) {
        AttrValue converted{0};
        c->value =
            ConvertToType(c->value, DataTypeOf(*c), &converted) ? converted : ZeroOfType(DataTypeOf(*c));
        c->defaultValue = ConvertToType(c->defaultValue, DataTypeOf(*c), &converted)
                              ? converted
                              : ZeroOfType(DataTypeOf(*c));
    }
    if (attribute == ATTR_MIN_VALUE || attribute == ATTR_MAX_VALUE)
        StoreControlValue(*c, AttrValue(c->value));
    if (attribute == ATTR_CTRL_MODE) ApplyTabOrder(*p);
    if (ChangesLayout(attribute)) {
        FitTextMessage(*c);
        PlaceControl(*c);
    } else if (c->label) {
        c->label->update();  // its colour, or dimming
    }
    // A drawing widget schedules its own repaint; the chart sets a pen colour before every dot.
    if (IsDrawingStyle(c->style) && c->widget) {
        DrawingAttributeChanged(c->widget, attribute);
    } else {
        Repaint(*c);
    }
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
    if (int rc = EnterCall("GetCtrlAttribute", {Arg(panel), Arg(control), Arg(attribute)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadAttribute(*c, attribute, &v); rc < 0) return rc;
    auto* i = std::get_if<int>(&v.value);
    if (i == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *i;
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
    if (int rc = EnterCall("GetCtrlAttribute", {Arg(panel), Arg(control), Arg(attribute)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadAttribute(*c, attribute, &v); rc < 0) return rc;
    if (value == nullptr) return UIE_BAD_ARGUMENT;
    if (auto* d = std::get_if<double>(&v.value)) {
        *value = *d;
    } else if (auto* i = std::get_if<int>(&v.value)) {
        *value = *i;
    } else {
        return UIE_BAD_VALUE_TYPE;
    }
    return 0;
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
    if (int rc = EnterCall("GetCtrlAttribute", {Arg(panel), Arg(control), Arg(attribute)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadAttribute(*c, attribute, &v); rc < 0) return rc;
    auto* s = std::get_if<std::string>(&v.value);
    if (s == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *s;
    return 0;
}

int GetCtrlAttributeText(int panel, int control, int attribute, char* buffer, std::size_t size) {
    std::string text;
    if (int rc = GetCtrlAttribute(panel, control, attribute, &text); rc < 0) return rc;
    if (buffer == nullptr || text.size() + 1 > size) return UIE_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

int DefaultCtrl(int panel, int control) {
    if (int rc = EnterCall("DefaultCtrl", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    if (IsDrawingStyle(c->style) || c->style == CTRL_TABLE) return 0;
    if (c->style == CTRL_RING) {
        const bool hasDefault = c->attrs.Find(ATTR_DFLT_VALUE) != nullptr;
        if (!hasDefault || StoreControlValue(*c, c->defaultValue) < 0)
            c->selected = c->items.empty() ? -1 : 0;
    } else if (c->style == CTRL_BINARY_SWITCH && c->attrs.Find(ATTR_DFLT_VALUE) == nullptr) {
        const AttrValue* off = c->attrs.Find(ATTR_OFF_VALUE);
        StoreControlValue(*c, off ? *off : AttrValue(0));
    } else {
        StoreControlValue(*c, c->defaultValue);
    }
    FitTextMessage(*c);
    PlaceControl(*c);
    Repaint(*c);
    return 0;
}

int SetCtrlVal(int panel, int control, AttrValue value) {
    if (int rc = EnterCall("SetCtrlVal", {Arg(panel), Arg(control), Arg(value)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    if (IsDrawingStyle(c->style) || c->style == CTRL_TABLE) return UIE_BAD_CONTROL;
    if (int rc = StoreControlValue(*c, value); rc < 0) return rc;
    FitTextMessage(*c);
    PlaceControl(*c);
    Repaint(*c);
    return 0;
}

namespace {
int ReadValue(int panel, int control, AttrValue* out) {
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    if (IsDrawingStyle(c->style) || c->style == CTRL_TABLE) return UIE_BAD_CONTROL;
    if (c->style == CTRL_RING) {
        if (c->selected < 0) return UIE_ITEM_NOT_FOUND;
        *out = c->items[static_cast<size_t>(c->selected)].value;
        return 0;
    }
    *out = c->value;
    return 0;
}
}  // namespace

int GetCtrlVal(int panel, int control, int* value) {
    if (int rc = EnterCall("GetCtrlVal", {Arg(panel), Arg(control)}); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadValue(panel, control, &v); rc < 0) return rc;
    auto* i = std::get_if<int>(&v.value);
    if (i == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *i;
    return 0;
}

int GetCtrlVal(int panel, int control, float* value) {
    double d = 0.0;
    if (int rc = GetCtrlVal(panel, control, &d); rc < 0) return rc;
    if (value == nullptr) return UIE_BAD_ARGUMENT;
    *value = static_cast<float>(d);
    return 0;
}

int GetCtrlVal(int panel, int control, double* value) {
    if (int rc = EnterCall("GetCtrlVal", {Arg(panel), Arg(control)}); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadValue(panel, control, &v); rc < 0) return rc;
    if (value == nullptr || std::holds_alternative<std::string>(v.value)) return UIE_BAD_VALUE_TYPE;
    *value = NumericValue(v);
    return 0;
}

int GetCtrlVal(int panel, int control, std::string* value) {
    if (int rc = EnterCall("GetCtrlVal", {Arg(panel), Arg(control)}); rc < 0) return rc;
    AttrValue v{0};
    if (int rc = ReadValue(panel, control, &v); rc < 0) return rc;
    auto* s = std::get_if<std::string>(&v.value);
    if (s == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *s;
    return 0;
}

int GetCtrlValText(int panel, int control, char* buffer, std::size_t size) {
    std::string text;
    if (int rc = GetCtrlVal(panel, control, &text); rc < 0) return rc;
    if (buffer == nullptr || text.size() + 1 > size) return UIE_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

int GetRelativeMouseState(int panel, int control, int* x, int* y, int* leftButton, int* rightButton,
                          int* keyModifiers) {
    // The hit tests read the position without looking at the result: a failure gives 0s.
    for (int* out : {x, y, leftButton, rightButton, keyModifiers}) {
        if (out != nullptr) *out = 0;
    }
    if (int rc = EnterCall("GetRelativeMouseState", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = Lookup(panel, control, &c); rc < 0) return rc;
    if (!c->widget) return UIE_BAD_CONTROL;
    const QPoint local = c->widget->mapFromGlobal(LastMousePosition());
    const QMargins margins = ControlMargins(c->style);
    if (x) *x = local.x() - margins.left();
    if (y) *y = local.y() - margins.top();
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    if (leftButton) *leftButton = (buttons & Qt::LeftButton) ? 1 : 0;
    if (rightButton) *rightButton = (buttons & Qt::RightButton) ? 1 : 0;
    if (keyModifiers) *keyModifiers = static_cast<int>(QGuiApplication::keyboardModifiers());
    return 0;
}

namespace {
int LookupRing(int panel, int control, ControlRecord** out) {
    if (int rc = Lookup(panel, control, out); rc < 0) return rc;
    return (*out)->style == CTRL_RING ? 0 : UIE_BAD_CONTROL;
}
}  // namespace

int InsertListItem(int panel, int control, int index, const char* label, AttrValue value) {
    if (int rc = EnterCall("InsertListItem", {Arg(panel), Arg(control), Arg(index), Arg(label), Arg(value)});
        rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    const int count = static_cast<int>(c->items.size());
    if (index == -1) index = count;
    if (index < 0 || index > count) return UIE_OUT_OF_RANGE;
    AttrValue converted{0};
    if (!ConvertToType(value, DataTypeOf(*c), &converted)) return UIE_BAD_VALUE_TYPE;
    c->items.insert(c->items.begin() + index, ListItem{label ? label : "", converted});
    if (c->selected < 0) {
        c->selected = 0;
    } else if (index <= c->selected) {
        ++c->selected;  // the current item stays current
    }
    Repaint(*c);
    return 0;
}

int DeleteListItem(int panel, int control, int index, int count) {
    if (int rc = EnterCall("DeleteListItem", {Arg(panel), Arg(control), Arg(index), Arg(count)}); rc < 0)
        return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    const int size = static_cast<int>(c->items.size());
    if (index < 0 || index > size || (index == size && count != -1 && count != 0)) return UIE_OUT_OF_RANGE;
    if (count == -1) count = size - index;
    if (count < 0 || count > size - index) return UIE_OUT_OF_RANGE;
    c->items.erase(c->items.begin() + index, c->items.begin() + index + count);
    const int left = static_cast<int>(c->items.size());
    if (c->selected >= index + count) {
        c->selected -= count;
    } else if (c->selected >= index) {
        c->selected = left == 0 ? -1 : std::min(index, left - 1);
    }
    Repaint(*c);
    return 0;
}

int GetNumListItems(int panel, int control, int* count) {
    if (int rc = EnterCall("GetNumListItems", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    if (count == nullptr) return UIE_BAD_ARGUMENT;
    *count = static_cast<int>(c->items.size());
    return 0;
}

int GetIndexFromValue(int panel, int control, int* index, AttrValue value) {
    if (int rc = EnterCall("GetIndexFromValue", {Arg(panel), Arg(control), Arg(value)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    if (index == nullptr) return UIE_BAD_ARGUMENT;
    AttrValue converted{0};
    if (!ConvertToType(value, DataTypeOf(*c), &converted)) return UIE_BAD_VALUE_TYPE;
    for (size_t i = 0; i < c->items.size(); ++i) {
        if (c->items[i].value.value == converted.value) {
            *index = static_cast<int>(i);
            return 0;
        }
    }
    *index = -1;
    return UIE_ITEM_NOT_FOUND;
}

int GetValueFromIndex(int panel, int control, int index, int* value) {
    if (int rc = EnterCall("GetValueFromIndex", {Arg(panel), Arg(control), Arg(index)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    if (index < 0 || index >= static_cast<int>(c->items.size())) return UIE_OUT_OF_RANGE;
    auto* i = std::get_if<int>(&c->items[static_cast<size_t>(index)].value.value);
    if (i == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *i;
    return 0;
}

int GetLabelFromIndex(int panel, int control, int index, std::string* label) {
    if (int rc = EnterCall("GetLabelFromIndex", {Arg(panel), Arg(control), Arg(index)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    if (index < 0 || index >= static_cast<int>(c->items.size())) return UIE_OUT_OF_RANGE;
    if (label == nullptr) return UIE_BAD_ARGUMENT;
    *label = c->items[static_cast<size_t>(index)].label;
    return 0;
}

int GetLabelFromIndexText(int panel, int control, int index, char* buffer, std::size_t size) {
    std::string text;
    if (int rc = GetLabelFromIndex(panel, control, index, &text); rc < 0) return rc;
    if (buffer == nullptr || text.size() + 1 > size) return UIE_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

int GetCtrlIndex(int panel, int control, int* index) {
    if (int rc = EnterCall("GetCtrlIndex", {Arg(panel), Arg(control)}); rc < 0) return rc;
    ControlRecord* c = nullptr;
    if (int rc = LookupRing(panel, control, &c); rc < 0) return rc;
    if (index == nullptr) return UIE_BAD_ARGUMENT;
    *index = c->selected;
    return 0;
}
