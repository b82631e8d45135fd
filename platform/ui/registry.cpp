#include "platform/ui/registry.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

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

namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

void FatalEndsChild(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) return;
    const QByteArray text = message.toLocal8Bit() + '\n';
    (void)!::write(STDERR_FILENO, text.constData(), static_cast<size_t>(text.size()));
    ::_exit(1);
}

// Whether the toolkit can open its display. Its platform plugin aborts the process when it
// cannot (a display that does not answer, a plugin that will not load), so a child process
// opens it first and the program learns the answer without dying.
bool DisplayOpens() {
    const std::string platform = Set("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "";
    if (platform.rfind("offscreen", 0) == 0 || platform.rfind("minimal", 0) == 0) return true;
    if (platform.empty() && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY")) return false;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return true;  // no probe possible: let the toolkit try
    if (child == 0) {
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        qInstallMessageHandler(&FatalEndsChild);
        int argc = 1;
        char name[] = "ostrel";
        char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // the child ends right here, without cleaning up
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool EnsureApplication() {
    if (HaveApplication()) return true;
    static int opens = -1;  // asked once: a display that failed stays failed
    if (opens < 0) opens = DisplayOpens() ? 1 : 0;
    if (opens == 0) return false;
    static int argc = 1;
    static char name[] = "ostrel";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives for the rest of the process, as the toolkit expects
    // The toolkit takes the user's locale for everything; numbers the program writes (titles,
    // reports, values shown) keep their decimal point whatever the locale.
    std::setlocale(LC_NUMERIC, "C");
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
