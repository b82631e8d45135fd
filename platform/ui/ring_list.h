#pragma once

// The list a ring drops down: its items as a plain list under the ring, the current one
// selected. Choosing one (a click, or Enter) makes it current and sends the ring's events;
// Escape or a click elsewhere closes the list and changes nothing.
#include <QFont>
#include <QListWidget>

namespace ui_detail {

class RingList : public QListWidget {
    Q_OBJECT
  public:
    RingList(int panel, int control, QWidget* parent);

    // Makes the row the ring's current item, as a person's choice would.
    void Choose(int row);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int panel_;
    int control_;
};

// Opens the ring's list just below `area` (in `ring`'s coordinates), at least as wide; the
// list deletes itself when it closes. nullptr for a ring without items.
RingList* OpenRingList(QWidget* ring, int panel, int control, const QRect& area, const QFont& font);

}  // namespace ui_detail
