#pragma once

// What the picture, canvas and graph widgets share: the control they belong to, its
// attributes as last set, and the layer's packed colours.
#include <QColor>
#include <QWidget>
#include <optional>
#include <string>

#include "platform/ui/drawing_errors.h"
#include "platform/ui/packed_colour.h"
#include "platform/ui/registry.h"

namespace ui_detail {

// An attribute of a control as last set, or the fallback when never set (or of another type).
int IntAttr(int panel, int ctrl, int attribute, int fallback);
double DoubleAttr(int panel, int ctrl, int attribute, double fallback);
std::string TextAttr(int panel, int ctrl, int attribute, const std::string& fallback);

class DrawingWidget : public QWidget {
  public:
    using QWidget::QWidget;

    // Operations that address the control by panel and control know its identity; attribute
    // changes reach the widget alone, so it looks itself up in the registry once.
    void Bind(int panel, int ctrl) {
        panel_ = panel;
        ctrl_ = ctrl;
    }
    bool Locate();
    int Panel() const { return panel_; }
    int Ctrl() const { return ctrl_; }

    // Called after an attribute of the control was stored.
    virtual void AttributeChanged(int attribute) {
        (void)attribute;
        update();
    }

  private:
    int panel_ = 0;
    int ctrl_ = 0;
};

// The drawing widget of a control, bound to it; 0 or the layer's negative code.
template <class Widget>
int Resolve(int panel, int ctrl, Widget** widget) {
    *widget = nullptr;
    if (!PanelWidget(panel)) return kErrNoSuchPanel;
    QWidget* w = ControlWidget(panel, ctrl);
    if (!w) return kErrNoSuchControl;
    *widget = dynamic_cast<Widget*>(w);
    if (!*widget) return kErrWrongControlStyle;
    (*widget)->Bind(panel, ctrl);
    return 0;
}

}  // namespace ui_detail
