#include "platform/ui/registry.h"

#include <QApplication>
#include <cstdlib>

#include "platform/ui/ui_state.h"

namespace ui_detail {

namespace {
struct Registry {
    std::map<int, PanelRecord> panels;
    std::map<int, MenuBarRecord> menuBars;
    int nextPanel = 1;
    int nextMenuBar = 1;
};

Registry& Reg() {
    static Registry registry;
    return registry;
}
}  // namespace

PanelRecord* FindPanel(int panel) {
    auto it = Reg().panels.find(panel);
    return it == Reg().panels.end() ? nullptr : &it->second;
}

ControlRecord* FindControl(int panel, int ctrl) {
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr) return nullptr;
    auto it = p->controls.find(ctrl);
    return it == p->controls.end() ? nullptr : &it->second;
}

MenuBarRecord* FindMenuBar(int menuBar) {
    auto it = Reg().menuBars.find(menuBar);
    return it == Reg().menuBars.end() ? nullptr : &it->second;
}

PanelRecord& AddPanel() {
    const int handle = Reg().nextPanel++;
    PanelRecord& record = Reg().panels[handle];
    record.handle = handle;
    return record;
}

void RemovePanel(int panel) {
    Reg().panels.erase(panel);
}

MenuBarRecord& AddMenuBar(int panel) {
    const int handle = Reg().nextMenuBar++;
    MenuBarRecord& record = Reg().menuBars[handle];
    record.handle = handle;
    record.panel = panel;
    return record;
}

void RemoveMenuBar(int menuBar) {
    Reg().menuBars.erase(menuBar);
}

std::map<int, PanelRecord>& AllPanels() {
    return Reg().panels;
}

bool HaveApplication() {
    return QApplication::instance() != nullptr;
}

bool EnsureApplication() {
    if (HaveApplication()) return true;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool display = (platform && *platform) || (x11 && *x11) || (wayland && *wayland);
    if (!display) return false;
    static int argc = 1;
    static char name[] = "ostrel";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives for the rest of the process, as the toolkit expects
    return true;
}

QWidget* PanelWidget(int panel) {
    PanelRecord* p = FindPanel(panel);
    return p ? p->content.data() : nullptr;
}

QWidget* ControlWidget(int panel, int ctrl) {
    ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->widget.data() : nullptr;
}

int ControlStyle(int panel, int ctrl) {
    ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->style : -1;
}

const AttrValue* FindCtrlAttr(int panel, int ctrl, int attribute) {
    ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->attrs.Find(attribute) : nullptr;
}

}  // namespace ui_detail
