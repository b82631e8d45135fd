#include "platform/ui/panel_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>

#include "platform/ui/events.h"
#include "platform/ui/packed_colour.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_state.h"

namespace ui_detail {

namespace {
constexpr int kDefaultPanelColor = 0xECE9D8;
}

PanelContent::PanelContent(int panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void PanelContent::paintEvent(QPaintEvent*) {
    const PanelRecord* panel = FindPanel(panel_);
    QPainter p(this);
    QColor color(0xEC, 0xE9, 0xD8);
    if (panel != nullptr) {
        // The client area takes attribute 570 when given, else the panel's background 552.
        const int packed =
            panel->attrs.Int(ATTR_PANEL_BACKCOLOR, panel->attrs.Int(ATTR_BACKCOLOR, kDefaultPanelColor));
        color = PackedColour(packed).value_or(color);
    }
    p.fillRect(rect(), color);
}

PanelWindow::PanelWindow(int panel, QWidget* parent) : QWidget(parent), panel_(panel) {}

void PanelWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    DispatchPanelEvent(panel_, EVENT_CLOSE, 0, 0);
}

void LayoutPanel(PanelRecord& panel) {
    if (!panel.window || !panel.content) return;
    const int left = panel.attrs.Int(ATTR_LEFT, 0);
    const int top = panel.attrs.Int(ATTR_TOP, 0);
    const int width = std::max(1, panel.attrs.Int(ATTR_WIDTH, 1));
    const int height = std::max(1, panel.attrs.Int(ATTR_HEIGHT, 1));
    int barHeight = 0;
    if (MenuBarRecord* bar = FindMenuBar(panel.menuBar); bar != nullptr && bar->bar) {
        barHeight = bar->bar->sizeHint().height();
        bar->bar->setGeometry(0, 0, width, barHeight);
    }
    panel.content->setGeometry(0, barHeight, width, height);
    panel.window->setGeometry(left, top, width, height + barHeight);
}

}  // namespace ui_detail
