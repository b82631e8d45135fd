#include "platform/ui/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/ui/attribute_table.h"
#include "platform/ui/call_log.h"
#include "platform/ui/events.h"
#include "platform/ui/panel_window.h"
#include "platform/ui/ui_state.h"

using namespace ui_detail;

namespace {

// "__File" marks F as the mnemonic; Qt writes that "&File" and a plain "&" as "&&".
QString MnemonicText(const char* label) {
    QString text = QString::fromUtf8(label ? label : "");
    text.replace("&", "&&");
    text.replace("__", "&");
    return text;
}

int LookupBar(int menuBar, MenuBarRecord** out) {
    *out = FindMenuBar(menuBar);
    return *out ? 0 : UIE_BAD_MENU_BAR;
}

// Where the new entry goes among `count` entries: -1 appends, 1-based otherwise.
QAction* BeforeAction(const QList<QAction*>& actions, int position) {
    if (position < 1 || position > actions.size()) return nullptr;
    return actions[position - 1];
}

}  // namespace

int NewMenuBar(int panel) {
    if (int rc = EnterCall("NewMenuBar", {Arg(panel)}); rc < 0) return rc;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return UIE_BAD_PANEL;
    if (p->menuBar != 0) RemoveMenuBar(p->menuBar);  // a panel carries one bar
    if (p->window) {
        const auto old = p->window->findChildren<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        for (QMenuBar* bar : old) delete bar;
    }
    MenuBarRecord& bar = AddMenuBar(panel);
    bar.bar = new QMenuBar(p->window);
    bar.bar->setNativeMenuBar(false);
    bar.bar->show();
    p->menuBar = bar.handle;
    LayoutPanel(*p);
    return bar.handle;
}

int NewMenu(int menuBar, const char* label, int position) {
    if (int rc = EnterCall("NewMenu", {Arg(menuBar), Arg(label), Arg(position)}); rc < 0) return rc;
    MenuBarRecord* bar = nullptr;
    if (int rc = LookupBar(menuBar, &bar); rc < 0) return rc;
    const int id = bar->nextId++;
    MenuEntry& entry = bar->entries[id];
    entry.id = id;
    entry.qmenu = new QMenu(MnemonicText(label), bar->bar);
    entry.action = entry.qmenu->menuAction();
    bar->bar->insertAction(BeforeAction(bar->bar->actions(), position), entry.action);
    if (PanelRecord* p = FindPanel(bar->panel)) LayoutPanel(*p);
    return id;
}

namespace {
// A new entry of a bar's menu, with its identifier; the menu's toolkit object in *qmenu.
int AddEntry(int menuBar, int menu, MenuEntry** entry, QMenu** qmenu) {
    MenuBarRecord* bar = nullptr;
    if (int rc = LookupBar(menuBar, &bar); rc < 0) return rc;
    auto parent = bar->entries.find(menu);
    if (parent == bar->entries.end() || !parent->second.qmenu) return UIE_BAD_MENU_ITEM;
    *qmenu = parent->second.qmenu;
    const int id = bar->nextId++;
    MenuEntry& added = bar->entries[id];
    added.id = id;
    added.menu = menu;
    *entry = &added;
    return 0;
}

}  // namespace

int NewMenuItem(int menuBar, int menu, const char* label, int position, int shortcutKey,
                MenuCallbackPtr callback, void* callbackData) {
    if (int rc =
            EnterCall("NewMenuItem", {Arg(menuBar), Arg(menu), Arg(label), Arg(position), Arg(shortcutKey),
                                      Arg(callback), Arg(static_cast<const void*>(callbackData))});
        rc < 0)
        return rc;
    MenuEntry* added = nullptr;
    QMenu* qmenu = nullptr;
    if (int rc = AddEntry(menuBar, menu, &added, &qmenu); rc < 0) return rc;
    MenuEntry& entry = *added;
    const int id = entry.id;
    entry.callback = callback;
    entry.callbackData = callbackData;
    auto* action = new QAction(MnemonicText(label), qmenu);
    qmenu->insertAction(BeforeAction(qmenu->actions(), position), action);
    entry.action = action;
    QObject::connect(action, &QAction::triggered, action, [menuBar, id]() {
        // The toolkit flips a checkable item by itself; here only attribute 1040 sets the mark,
        // so the item shows what the callback (or nobody) made of it.
        if (MenuBarRecord* b = FindMenuBar(menuBar)) {
            auto e = b->entries.find(id);
            if (e != b->entries.end() && e->second.action && e->second.action->isCheckable())
                e->second.action->setChecked(e->second.attrs.Int(ATTR_CHECKED, 0) != 0);
        }
        DispatchMenuItem(menuBar, id);
    });
    return id;
}

int InsertSeparator(int menuBar, int menu, int position) {
    if (int rc = EnterCall("InsertSeparator", {Arg(menuBar), Arg(menu), Arg(position)}); rc < 0) return rc;
    MenuEntry* entry = nullptr;
    QMenu* qmenu = nullptr;
    if (int rc = AddEntry(menuBar, menu, &entry, &qmenu); rc < 0) return rc;
    entry->separator = true;
    entry->action = qmenu->insertSeparator(BeforeAction(qmenu->actions(), position));
    return entry->id;
}

int SetMenuBarAttribute(int menuBar, int entryId, int attribute, AttrValue value) {
    if (int rc = EnterCall("SetMenuBarAttribute", {Arg(menuBar), Arg(entryId), Arg(attribute), Arg(value)});
        rc < 0)
        return rc;
    MenuBarRecord* bar = nullptr;
    if (int rc = LookupBar(menuBar, &bar); rc < 0) return rc;
    if (int rc = CheckAttribute(attribute, kMenuLevel, 0, value, true); rc < 0) return rc;
    if (entryId == 0) {
        if (attribute == ATTR_CHECKED) return UIE_BAD_ATTRIBUTE;
        bar->attrs.Set(attribute, value);
        if (attribute == ATTR_DIMMED && bar->bar) bar->bar->setEnabled(std::get<int>(value.value) == 0);
        return 0;
    }
    auto it = bar->entries.find(entryId);
    if (it == bar->entries.end()) return UIE_BAD_MENU_ITEM;
    MenuEntry& entry = it->second;
    if (attribute == ATTR_CALLBACK_FUNCTION_POINTER) {
        if (auto* fn = std::get_if<MenuCallbackPtr>(&value.value)) {
            entry.callback = *fn;
        } else if (std::holds_alternative<int>(value.value)) {
            entry.callback = nullptr;
        } else {
            return UIE_BAD_VALUE_TYPE;
        }
    }
    if (attribute == ATTR_CALLBACK_DATA) {
        entry.callbackData =
            std::holds_alternative<void*>(value.value) ? std::get<void*>(value.value) : nullptr;
    }
    if (attribute == ATTR_CHECKED && (entry.separator || entry.menu == 0)) return UIE_BAD_ATTRIBUTE;
    entry.attrs.Set(attribute, value);
    if (entry.action) {
        if (attribute == ATTR_CHECKED) {
            entry.action->setCheckable(true);
            entry.action->setChecked(std::get<int>(value.value) != 0);
        } else if (attribute == ATTR_DIMMED) {
            entry.action->setEnabled(std::get<int>(value.value) == 0);
        }
    }
    return 0;
}

namespace {
int ReadMenuAttribute(int menuBar, int entryId, int attribute, AttrValue* out) {
    MenuBarRecord* bar = nullptr;
    if (int rc = LookupBar(menuBar, &bar); rc < 0) return rc;
    if (int rc = CheckAttribute(attribute, kMenuLevel, 0, AttrValue(0), false); rc < 0) return rc;
    const AttrStore* attrs = &bar->attrs;
    if (entryId != 0) {
        auto it = bar->entries.find(entryId);
        if (it == bar->entries.end()) return UIE_BAD_MENU_ITEM;
        attrs = &it->second.attrs;
    }
    const AttrValue* v = attrs->Find(attribute);
    const AttrSpec* attrInfo = FindAttrSpec(attribute);
    *out = v ? *v : (attrInfo->kind == ValueKind::Text ? AttrValue(std::string()) : AttrValue(0));
    return 0;
}
}  // namespace

int GetMenuBarAttribute(int menuBar, int entryId, int attribute, int* value) {
    if (int rc = EnterCall("GetMenuBarAttribute", {Arg(menuBar), Arg(entryId), Arg(attribute)}); rc < 0)
        return rc;
    AttrValue v{0};
    if (int rc = ReadMenuAttribute(menuBar, entryId, attribute, &v); rc < 0) return rc;
    auto* i = std::get_if<int>(&v.value);
    if (i == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *i;
    return 0;
}

int GetMenuBarAttribute(int menuBar, int entryId, int attribute, std::string* value) {
    if (int rc = EnterCall("GetMenuBarAttribute", {Arg(menuBar), Arg(entryId), Arg(attribute)}); rc < 0)
        return rc;
    AttrValue v{0};
    if (int rc = ReadMenuAttribute(menuBar, entryId, attribute, &v); rc < 0) return rc;
    auto* s = std::get_if<std::string>(&v.value);
    if (s == nullptr || value == nullptr) return UIE_BAD_VALUE_TYPE;
    *value = *s;
    return 0;
}
