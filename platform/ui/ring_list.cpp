#include "platform/ui/ring_list.h"

#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "platform/ui/control_widgets.h"
#include "platform/ui/events.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_state.h"

namespace ui_detail {

RingList::RingList(int panel, int control, QWidget* parent)
    : QListWidget(parent), panel_(panel), control_(control) {
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_DeleteOnClose);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Choose(row(item)); });
}

void RingList::Choose(int row) {
    close();
    ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr || row < 0 || row >= static_cast<int>(c->items.size())) return;
    if (!TakesInput(panel_, control_)) return;
    c->selected = row;
    if (c->widget) c->widget->update();
    const int panel = panel_, control = control_;  // the list is gone once events run
    DispatchCtrlEvent(panel, control, EVENT_VAL_CHANGED, 0, 0);
    if (FindControl(panel, control) != nullptr) DispatchCtrlEvent(panel, control, EVENT_COMMIT, 0, 0);
}

void RingList::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Choose(currentRow());
            return;
        case Qt::Key_Escape:
            close();
            return;
        default:
            QListWidget::keyPressEvent(event);
    }
}

RingList* OpenRingList(QWidget* ring, int panel, int control, const QRect& area, const QFont& font) {
    const ControlRecord* c = FindControl(panel, control);
    if (ring == nullptr || c == nullptr || c->items.empty()) return nullptr;
    auto* list = new RingList(panel, control, ring);
    list->setFont(font);
    for (const ListItem& item : c->items) {
        auto* row = new QListWidgetItem(QString::fromStdString(item.label), list);
        row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);  // no check box, no dragging
    }
    if (c->selected >= 0) list->setCurrentRow(c->selected);
    const int frame = 2 * list->frameWidth();
    const int rows = static_cast<int>(c->items.size());
    const int width = std::max(area.width(), list->sizeHintForColumn(0) + frame);
    int height = rows * list->sizeHintForRow(0) + frame;
    QPoint at = ring->mapToGlobal(area.bottomLeft() + QPoint(0, 1));
    if (const QScreen* screen = ring->screen()) {
        // Near the screen's foot the list opens upwards, or keeps to the side with more room.
        const QRect room = screen->availableGeometry();
        const int above = ring->mapToGlobal(area.topLeft()).y() - 1;
        const int below = room.bottom() + 1 - at.y();
        if (height > below && above - room.top() > below) {
            height = std::min(height, above - room.top());
            at.setY(above - height);
        } else {
            height = std::min(height, std::max(below, 1));
        }
    }
    list->resize(width, height);
    list->move(at);
    list->show();
    list->setFocus();
    if (c->selected >= 0) list->scrollToItem(list->item(c->selected));
    return list;
}

}  // namespace ui_detail
