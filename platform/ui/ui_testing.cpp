#include "platform/ui/ui_testing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include "platform/ui/control_widgets.h"
#include "platform/ui/events.h"
#include "platform/ui/popup_script.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_settings.h"
#include "platform/ui/ui_state.h"

namespace ui_detail {
void DestroyPanel(int handle);
}

namespace ui_testing {

using namespace ui_detail;

void QueueMessageAnswer() {
    Script().scripted = true;
    Script().answers.push_back({"message", 0, {}});
}

void QueueConfirmAnswer(int answer) {
    Script().scripted = true;
    Script().answers.push_back({"confirm", answer, {}});
}

void QueueFileAnswer(int result, const std::string& path) {
    Script().scripted = true;
    Script().answers.push_back({"file", result, path});
}

void OpenRealPopups() {
    Script().realPopups = true;
}

int PendingPopupAnswers() {
    return static_cast<int>(Script().answers.size());
}

std::vector<ShownPopup> TakeShownPopups() {
    return std::move(Script().shown);
}

void ClearDirectoryHistory() {
    Script().history.clear();
}

void SetResolutionAdjustment(int percent) {
    LayerSettings().resolutionAdjustment = percent;
}

void SetMonitorSize(int width, int height) {
    LayerSettings().monitorWidth = width;
    LayerSettings().monitorHeight = height;
}

void SendClick(int panel, int control, int x, int y) {
    ControlRecord* c = FindControl(panel, control);
    if (c == nullptr || !c->widget) return;
    if (c->widget->isHidden()) return;  // a hidden control cannot be clicked
    QPointer<QWidget> widget = c->widget.data();
    const QMargins margins = ControlMargins(c->style);
    const QPointF local(x + margins.left(), y + margins.top());
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    if (!widget) return;
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

void ChooseRingItem(int panel, int control, int index) {
    ControlRecord* c = FindControl(panel, control);
    if (c == nullptr || index < 0 || index >= static_cast<int>(c->items.size())) return;
    if (!TakesInput(panel, control)) return;  // nobody can open a dimmed ring or an indicator's
    c->selected = index;
    if (c->widget) c->widget->update();
    DispatchCtrlEvent(panel, control, EVENT_VAL_CHANGED, 0, 0);
    DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void MoveSlide(int panel, int control, const std::vector<double>& values) {
    ControlRecord* c = FindControl(panel, control);
    if (c == nullptr) return;
    QPointer<ui_detail::ControlWidget> slide = qobject_cast<ui_detail::ControlWidget*>(c->widget.data());
    if (!slide || !TakesInput(panel, control)) return;
    for (double v : values) {
        if (slide) slide->DragSlideTo(v);
    }
    if (slide) slide->ReleaseSlide();
}

void ChooseMenuItem(int menuBar, int item) {
    MenuBarRecord* bar = FindMenuBar(menuBar);
    if (bar == nullptr) return;
    auto it = bar->entries.find(item);
    if (it == bar->entries.end() || !it->second.action) return;
    it->second.action->trigger();
}

void TypeText(int panel, int control, const std::string& text) {
    for (const QChar ch : QString::fromStdString(text)) {
        ControlRecord* c = FindControl(panel, control);
        if (c == nullptr || !c->widget) return;
        int key = ch.unicode();
        QString typed(ch);
        if (ch == '\n') {
            key = Qt::Key_Return;
            typed = "\r";
        } else if (ch == '\b') {
            key = Qt::Key_Backspace;
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(c->widget.data(), &press);
    }
}

bool MenuItemShowsCheck(int menuBar, int item) {
    MenuBarRecord* bar = FindMenuBar(menuBar);
    if (bar == nullptr) return false;
    auto it = bar->entries.find(item);
    return it != bar->entries.end() && it->second.action && it->second.action->isCheckable() &&
           it->second.action->isChecked();
}

bool CloseWindow(int panel) {
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr || !p->window) return true;
    QPointer<QWidget> window = p->window.data();
    QCloseEvent event;
    QCoreApplication::sendEvent(window, &event);
    return !window || FindPanel(panel) == nullptr || !window->isVisible();
}

PanelImage GrabPanel(int panel) {
    PanelImage result;
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr || !p->content) return result;
    const QImage image = p->content->grab().toImage().convertToFormat(QImage::Format_RGB32);
    result.width = image.width();
    result.height = image.height();
    result.pixels.resize(static_cast<size_t>(result.width) * static_cast<size_t>(result.height));
    for (int y = 0; y < result.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < result.width; ++x)
            result.pixels[static_cast<size_t>(y * result.width + x)] = line[x] & 0xFFFFFFu;
    }
    return result;
}

bool SavePanelPng(int panel, const std::string& path) {
    PanelRecord* p = FindPanel(panel);
    if (p == nullptr || !p->content) return false;
    return p->content->grab().save(QString::fromStdString(path), "PNG");
}

void ResetLayer() {
    std::vector<int> handles;
    for (auto& [handle, panel] : AllPanels()) {
        if (panel.parent == 0) handles.push_back(handle);
    }
    for (int handle : handles) DestroyPanel(handle);
    Script() = PopupScript{};
    LayerSettings() = Settings{};
    CancelFailure();
}

}  // namespace ui_testing
