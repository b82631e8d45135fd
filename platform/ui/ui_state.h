#pragma once

// The layer's records: panels, their controls and menu bars, kept in plain structures that the
// widgets read when they paint. Handles and identifiers map to records here and nowhere else.
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/attr_value.h"

class QMenuBar;
class QMenu;
class QAction;

namespace ui_detail {

// A small attribute store: few entries per record, so a flat vector beats a tree.
class AttrStore {
  public:
    const AttrValue* Find(int attribute) const {
        for (const auto& [key, value] : entries_) {
            if (key == attribute) return &value;
        }
        return nullptr;
    }
    void Set(int attribute, const AttrValue& value) {
        for (auto& [key, stored] : entries_) {
            if (key == attribute) {
                stored = value;
                return;
            }
        }
        entries_.emplace_back(attribute, value);
    }
    int Int(int attribute, int fallback) const {
        const AttrValue* v = Find(attribute);
        if (v == nullptr) return fallback;
        if (auto* i = std::get_if<int>(&v->value)) return *i;
        if (auto* d = std::get_if<double>(&v->value)) return static_cast<int>(*d);
        return fallback;
    }
    double Double(int attribute, double fallback) const {
        const AttrValue* v = Find(attribute);
        if (v == nullptr) return fallback;
        if (auto* d = std::get_if<double>(&v->value)) return *d;
        if (auto* i = std::get_if<int>(&v->value)) return *i;
        return fallback;
    }
    std::string Text(int attribute, const std::string& fallback = {}) const {
        const AttrValue* v = Find(attribute);
        if (v == nullptr) return fallback;
        if (auto* s = std::get_if<std::string>(&v->value)) return *s;
        return fallback;
    }

  private:
    std::vector<std::pair<int, AttrValue>> entries_;
};

struct ListItem {
    std::string label;
    AttrValue value;
};

struct TableModel;
// Deletes a table model where its type is complete.
struct TableModelDeleter {
    void operator()(TableModel* table) const;
};

struct ControlRecord {
    int panel = 0;
    int id = 0;
    int style = 0;
    AttrStore attrs;
    AttrValue value{0};
    AttrValue defaultValue{0};
    std::vector<ListItem> items;  // rings
    int selected = -1;            // rings: index of the current item
    std::unique_ptr<TableModel, TableModelDeleter> table;
    bool sized = false;  // width or height set: a text message no longer fits its text
    QPointer<QWidget> widget;
    QPointer<QWidget> label;
};

struct MenuEntry {
    int id = 0;
    int menu = 0;  // 0 for a menu of the bar
    bool separator = false;
    AttrStore attrs;
    MenuCallbackPtr callback = nullptr;
    void* callbackData = nullptr;
    QPointer<QMenu> qmenu;
    QPointer<QAction> action;
};

struct MenuBarRecord {
    int handle = 0;
    int panel = 0;
    AttrStore attrs;
    std::map<int, MenuEntry> entries;
    int nextId = 1;
    QPointer<QMenuBar> bar;
};

struct PanelRecord {
    int handle = 0;
    int parent = 0;
    AttrStore attrs;
    std::map<int, ControlRecord> controls;  // node-based: records keep their address
    int nextCtrl = 2;
    std::vector<int> zOrder;    // front-most first
    std::vector<int> tabOrder;  // first stop first
    int menuBar = 0;
    // Product of the factors ScaleContents applied since the panel was made.
    double contentScaleX = 1.0;
    double contentScaleY = 1.0;
    QPointer<QWidget> window;   // the top-level or child window
    QPointer<QWidget> content;  // controls' parent; its origin is the panel's (0, 0)
};

PanelRecord* FindPanel(int panel);
ControlRecord* FindControl(int panel, int ctrl);
MenuBarRecord* FindMenuBar(int menuBar);

// Creation and removal of records; the widgets are made by the callers.
PanelRecord& AddPanel();
void RemovePanel(int panel);
MenuBarRecord& AddMenuBar(int panel);
void RemoveMenuBar(int menuBar);
std::map<int, PanelRecord>& AllPanels();

// True once InitCVIRTEEx (or a test) has made the application object.
bool HaveApplication();
// Makes sure an application object exists (tests run without InitCVIRTEEx).
bool EnsureApplication();

}  // namespace ui_detail
