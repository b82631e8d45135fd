#pragma once

// A table control drawn whole in one paint from its plain records: label areas, rows and
// columns of exact pixel sizes, cell backgrounds, texts, pictures and grid lines.
#include <QWidget>

namespace ui_detail {

struct TableModel;
struct ControlRecord;

// Pixel layout of a table inside its control.
struct TableLayout {
    int rowLabelWidth = 0;      // left of column 1 (1527)
    int columnLabelHeight = 0;  // above row 1 (1526)
};
TableLayout LayoutOf(const ControlRecord& control);

class TableWidget : public QWidget {
    Q_OBJECT
  public:
    TableWidget(int panel, int control, QWidget* parent);
    // Many attribute calls, one repaint: asks for a paint only when none is pending.
    void RequestRepaint();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int panel_;
    int control_;
    bool repaintPending_ = false;
};

}  // namespace ui_detail
