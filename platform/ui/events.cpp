#include "platform/ui/events.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <optional>

#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_state.h"

namespace ui_detail {

namespace {
int callbackDepth = 0;
std::optional<QPoint> lastMouse;

struct DepthGuard {
    DepthGuard() { ++callbackDepth; }
    ~DepthGuard() { --callbackDepth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

void* CallbackData(const AttrStore& attrs) {
    const AttrValue* data = attrs.Find(ATTR_CALLBACK_DATA);
    if (data == nullptr) return nullptr;
    if (auto* p = std::get_if<void*>(&data->value)) return *p;
    return nullptr;
}
}  // namespace

int DispatchCtrlEvent(int panel, int control, int event, int data1, int data2) {
    ControlRecord* record = FindControl(panel, control);
    if (record == nullptr) return 0;
    const AttrValue* callback = record->attrs.Find(ATTR_CALLBACK_FUNCTION_POINTER);
    if (callback == nullptr) return 0;
    auto* fn = std::get_if<CtrlCallbackPtr>(&callback->value);
    if (fn == nullptr || *fn == nullptr) return 0;
    void* data = CallbackData(record->attrs);
    DepthGuard guard;
    return (*fn)(panel, control, event, data, data1, data2);
}

int DispatchPanelEvent(int panel, int event, int data1, int data2) {
    PanelRecord* record = FindPanel(panel);
    if (record == nullptr) return 0;
    const AttrValue* callback = record->attrs.Find(ATTR_CALLBACK_FUNCTION_POINTER);
    if (callback == nullptr) return 0;
    auto* fn = std::get_if<PanelCallbackPtr>(&callback->value);
    if (fn == nullptr || *fn == nullptr) return 0;
    void* data = CallbackData(record->attrs);
    DepthGuard guard;
    return (*fn)(panel, event, data, data1, data2);
}

void DispatchMenuItem(int menuBar, int item) {
    MenuBarRecord* bar = FindMenuBar(menuBar);
    if (bar == nullptr) return;
    auto it = bar->entries.find(item);
    if (it == bar->entries.end() || it->second.callback == nullptr) return;
    const MenuCallbackPtr fn = it->second.callback;
    void* data = it->second.callbackData;
    const int panel = bar->panel;
    DepthGuard guard;
    fn(menuBar, item, data, panel);
}

namespace {
class ClickRouter : public QObject {
  public:
    ClickRouter(int panel, int control, QObject* parent)
        : QObject(parent), panel_(panel), control_(control) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        NoteMousePosition(mouse->globalPosition().toPoint());
        if (type != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton) return false;
        const ControlRecord* control = FindControl(panel_, control_);
        const PanelRecord* panel = FindPanel(panel_);
        if (control == nullptr || panel == nullptr || control->attrs.Int(ATTR_DIMMED, 0) != 0 ||
            panel->attrs.Int(ATTR_DIMMED, 0) != 0)
            return false;
        const QPoint inPanel = static_cast<QWidget*>(watched)->mapToParent(mouse->position().toPoint());
        DispatchCtrlEvent(panel_, control_, EVENT_LEFT_CLICK, inPanel.y(), inPanel.x());
        return false;  // the widget may still want the press
    }

  private:
    int panel_;
    int control_;
};
}  // namespace

void RouteClicks(QWidget* widget, int panel, int control) {
    if (widget == nullptr) return;
    widget->installEventFilter(new ClickRouter(panel, control, widget));
}

void NoteMousePosition(QPoint global) {
    lastMouse = global;
}

QPoint LastMousePosition() {
    return lastMouse ? *lastMouse : QCursor::pos();
}

bool InCallback() {
    return callbackDepth > 0;
}

}  // namespace ui_detail
