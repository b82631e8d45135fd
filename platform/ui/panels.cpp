#include "platform/ui/panels.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstring>

#include "platform/ui/attribute_table.h"
#include "platform/ui/call_log.h"
#include "platform/ui/control_layout.h"
#include "platform/ui/events.h"
#include "platform/ui/panel_window.h"
#include "platform/ui/ui_settings.h"
#include "platform/ui/ui_state.h"

using namespace ui_detail;

namespace ui_detail {
Settings& LayerSettings() {
    static Settings settings;
    return settings;
}

// Discards a panel's children first, then its controls' widgets and its window.
void DestroyPanel(int handle) {
    std::vector<int> children;
    for (auto& [h, p] : AllPanels()) {
        if (p.parent == handle) children.push_back(h);
    }
    for (int child : children) DestroyPanel(child);
    PanelRecord* panel = FindPanel(handle);
    if (panel == nullptr) return;
    if (panel->menuBar != 0) RemoveMenuBar(panel->menuBar);
    QWidget* window = panel->window.data();
    RemovePanel(handle);
    if (window != nullptr) {
        window->hide();
        // A callback may be discarding the panel of the widget that called it.
        if (InCallback()) {
            window->deleteLater();
        } else {
            delete window;
        }
    }
}
}  // namespace ui_detail

namespace {

void ShowPanel(PanelRecord& p, bool show) {
    p.attrs.Set(ATTR_VISIBLE, AttrValue(show ? 1 : 0));
    if (!show) {
        p.window->hide();
        return;
    }
    LayoutPanel(p);
    p.window->show();
    p.window->raise();
}

int ReadPanelAttribute(int panel, int attribute, const AttrValue** out) {
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    if (int rc = CheckAttribute(attribute, kPanelLevel, 0, AttrValue(0), false); rc < 0) return rc;
    // Visible (530) is the panel's own flag: a displayed child panel of a hidden parent is
    // still displayed, as the toolkit's isVisible would deny.
    static const AttrValue zero{0};
    const AttrValue* v = p->attrs.Find(attribute);
    *out = v ? v : &zero;
    return 0;
}

}  // namespace

int NewPanel(int parent, const char* title, int top, int left, int height, int width) {
    if (int rc =
            EnterCall("NewPanel", {Arg(parent), Arg(title), Arg(top), Arg(left), Arg(height), Arg(width)});
        rc < 0)
        return rc;
    if (!EnsureApplication()) return UIE_NO_DISPLAY;
    PanelRecord* parentRecord = nullptr;
    if (parent != 0 && (parentRecord = FindPanel(parent)) == nullptr) return UIE_BAD_PANEL;
    if (height < 0 || width < 0) return UIE_OUT_OF_RANGE;
    for (int v : {top, left, height, width}) {
        if (!CoordinateFits(v)) return UIE_OUT_OF_RANGE;
    }
    PanelRecord& panel = AddPanel();
    panel.parent = parent;
    panel.attrs.Set(ATTR_TOP, AttrValue(top));
    panel.attrs.Set(ATTR_LEFT, AttrValue(left));
    panel.attrs.Set(ATTR_HEIGHT, AttrValue(height));
    panel.attrs.Set(ATTR_WIDTH, AttrValue(width));
    panel.attrs.Set(ATTR_VISIBLE, AttrValue(0));
    auto* window = new PanelWindow(panel.handle, parentRecord ? parentRecord->content.data() : nullptr);
    window->setWindowTitle(QString::fromUtf8(title ? title : ""));
    panel.window = window;
    panel.content = new PanelContent(panel.handle, window);
    LayoutPanel(panel);
    window->hide();
    return panel.handle;
}

int SetPanelAttribute(int panel, int attribute, AttrValue value) {
    if (int rc = EnterCall("SetPanelAttribute", {Arg(panel), Arg(attribute), Arg(value)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    if (int rc = CheckAttribute(attribute, kPanelLevel, 0, value, true); rc < 0) return rc;
    if (attribute == ATTR_CALLBACK_FUNCTION_POINTER && std::holds_alternative<CtrlCallbackPtr>(value.value)) {
        return UIE_BAD_VALUE_TYPE;
    }
    const int oldWidth = p->attrs.Int(ATTR_WIDTH, 1);
    const int oldHeight = p->attrs.Int(ATTR_HEIGHT, 1);
    p->attrs.Set(attribute, value);
    switch (attribute) {
        case ATTR_VISIBLE:
            ShowPanel(*p, std::get<int>(value.value) != 0);
            break;
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
            if (std::get<int>(value.value) < 0) {
                p->attrs.Set(attribute, AttrValue(attribute == ATTR_WIDTH ? oldWidth : oldHeight));
                return UIE_OUT_OF_RANGE;
            }
            // While 618 is 1 the controls follow the panel's new size.
            if (p->attrs.Int(ATTR_SCALE_CONTENTS_ON_RESIZE, 0) != 0 && oldWidth > 0 && oldHeight > 0) {
                ScaleContents(*p, static_cast<double>(p->attrs.Int(ATTR_WIDTH, 1)) / oldWidth,
                              static_cast<double>(p->attrs.Int(ATTR_HEIGHT, 1)) / oldHeight);
            }
            LayoutPanel(*p);
            break;
        case ATTR_LEFT:
        case ATTR_TOP:
            LayoutPanel(*p);
            break;
        case ATTR_DIMMED:
            for (auto& [id, c] : p->controls) Repaint(c);
            if (p->content) p->content->setEnabled(std::get<int>(value.value) == 0);
            break;
        default:
            break;
    }
    if (p->content) p->content->update();
    return 0;
}

int GetPanelAttribute(int panel, int attribute, int* value) {
    if (int rc = EnterCall("GetPanelAttribute", {Arg(panel), Arg(attribute)}); rc < 0) return rc;
    const AttrValue* v = nullptr;
    if (int rc = ReadPanelAttribute(panel, attribute, &v); rc < 0) return rc;
    auto* i = std::get_if<int>(&v->value);
    if (i == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *i;
    return 0;
}

int GetPanelAttribute(int panel, int attribute, double* value) {
    if (int rc = EnterCall("GetPanelAttribute", {Arg(panel), Arg(attribute)}); rc < 0) return rc;
    const AttrValue* v = nullptr;
    if (int rc = ReadPanelAttribute(panel, attribute, &v); rc < 0) return rc;
    if (value == nullptr) return UIE_BAD_ARGUMENT;
    if (auto* d = std::get_if<double>(&v->value)) {
        *value = *d;
    } else if (auto* i = std::get_if<int>(&v->value)) {
        *value = *i;
    } else {
        return UIE_BAD_VALUE_TYPE;
    }
    return 0;
}

int GetPanelAttribute(int panel, int attribute, std::string* value) {
    if (int rc = EnterCall("GetPanelAttribute", {Arg(panel), Arg(attribute)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    const AttrSpec* entry = FindAttrSpec(attribute);
    if (entry == nullptr || (entry->levels & kPanelLevel) == 0) return UIE_BAD_ATTRIBUTE;
    if (entry->kind != ValueKind::Text || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = p->attrs.Text(attribute);
    return 0;
}

int GetPanelAttributeText(int panel, int attribute, char* buffer, std::size_t size) {
    std::string text;
    if (int rc = GetPanelAttribute(panel, attribute, &text); rc < 0) return rc;
    if (buffer == nullptr || text.size() + 1 > size) return UIE_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return 0;
}

int DisplayPanel(int panel) {
    if (int rc = EnterCall("DisplayPanel", {Arg(panel)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    ShowPanel(*p, true);
    return 0;
}

int HidePanel(int panel) {
    if (int rc = EnterCall("HidePanel", {Arg(panel)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    ShowPanel(*p, false);
    return 0;
}

int DiscardPanel(int panel) {
    if (int rc = EnterCall("DiscardPanel", {Arg(panel)}); rc < 0) return rc;
    if (FindPanel(panel) == nullptr) return UIE_BAD_PANEL;
    DestroyPanel(panel);
    return 0;
}

int GetSystemAttribute(int attribute, int* value) {
    if (int rc = EnterCall("GetSystemAttribute", {Arg(attribute)}); rc < 0) return rc;
    if (value == nullptr) return UIE_BAD_ARGUMENT;
    if (attribute != ATTR_RESOLUTION_ADJUSTMENT) return UIE_BAD_ATTRIBUTE;
    *value = LayerSettings().resolutionAdjustment;
    return 0;
}

int GetMonitorFromPanel(int panel, int* monitor) {
    if (int rc = EnterCall("GetMonitorFromPanel", {Arg(panel)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    if (monitor == nullptr) return UIE_BAD_ARGUMENT;
    const QScreen* screen = p->window ? p->window->screen() : nullptr;
    const auto screens = QGuiApplication::screens();
    const int index = screen ? static_cast<int>(screens.indexOf(const_cast<QScreen*>(screen))) : 0;
    *monitor = std::max(0, index) + 1;
    return 0;
}

int GetMonitorAttribute(int monitor, int attribute, int* value) {
    if (int rc = EnterCall("GetMonitorAttribute", {Arg(monitor), Arg(attribute)}); rc < 0) return rc;
    if (value == nullptr) return UIE_BAD_ARGUMENT;
    if (!EnsureApplication()) return UIE_NO_DISPLAY;
    const auto screens = QGuiApplication::screens();
    if (monitor < 1 || monitor > screens.size()) return UIE_BAD_MONITOR;
    const QRect geometry = screens[monitor - 1]->geometry();
    const Settings& s = LayerSettings();
    if (attribute == ATTR_MONITOR_HEIGHT) {
        *value = s.monitorHeight > 0 ? s.monitorHeight : geometry.height();
    } else if (attribute == ATTR_MONITOR_WIDTH) {
        *value = s.monitorWidth > 0 ? s.monitorWidth : geometry.width();
    } else {
        return UIE_BAD_ATTRIBUTE;
    }
    return 0;
}
