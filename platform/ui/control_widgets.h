#pragma once

// The widgets of the simple control styles and of control labels. They hold no state of their
// own beyond a drag in progress: they paint what the control's record says.
#include <QMargins>
#include <QWidget>

namespace ui_detail {

struct ControlRecord;

// Room a style's widget takes around the control's own rectangle (a slide's thumb, a switch's texts).
QMargins ControlMargins(int style);
// Whether a person can operate the control: it exists, is operable (620) and neither it nor its
// panel is dimmed.
bool TakesInput(int panel, int control);

class ControlWidget : public QWidget {
    Q_OBJECT
  public:
    ControlWidget(int panel, int control, int style, QWidget* parent);

    int Panel() const { return panel_; }
    int Control() const { return control_; }
    // The control's own rectangle inside the widget.
    QRect Nominal() const { return rect().marginsRemoved(ControlMargins(style_)); }

    // Moves a slide to `value` as a drag would, sending the value-changed event.
    void DragSlideTo(double value);
    void ReleaseSlide();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const ControlRecord* Record() const;
    bool Operable() const;
    double SlideValueAt(QPoint position) const;
    void StepValue(int direction);
    void ShowRingMenu();
    bool EditText(QKeyEvent* event);
    void Toggle();

    int panel_;
    int control_;
    int style_;
    bool pressed_ = false;
    bool dragging_ = false;
};

class LabelWidget : public QWidget {
    Q_OBJECT
  public:
    LabelWidget(int panel, int control, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int panel_;
    int control_;
};

}  // namespace ui_detail
