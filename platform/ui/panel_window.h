#pragma once

// A panel's window: a client area for the controls (origin = the panel's (0, 0)) and, when the
// panel has one, a menu bar above it.
#include <QWidget>

namespace ui_detail {

struct PanelRecord;

class PanelContent : public QWidget {
    Q_OBJECT
  public:
    PanelContent(int panel, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int panel_;
};

class PanelWindow : public QWidget {
    Q_OBJECT
  public:
    PanelWindow(int panel, QWidget* parent);

  protected:
    // The window manager's close button does nothing by itself: the panel's callback decides.
    void closeEvent(QCloseEvent* event) override;

  private:
    int panel_;
};

// Places and sizes the window and its content from the panel's attributes.
void LayoutPanel(PanelRecord& panel);

}  // namespace ui_detail
