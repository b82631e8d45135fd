#pragma once

// The graph control: an x axis, a left and a right y axis, and point plots. The axis state and
// the plots are a plain model, apart from the widget that draws them.
#include <QPointF>
#include <QRectF>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/drawing_widget_base.h"

namespace ui_detail {

inline constexpr int kXAxis = 0;
inline constexpr int kLeftYAxis = 1;
inline constexpr int kRightYAxis = 2;
inline constexpr int kManualScaling = 0;
inline constexpr int kAutoScaling = 1;

struct GraphAxis {
    int mode = kAutoScaling;
    double min = 0.0;  // the range of manual scaling, and of automatic scaling with nothing plotted
    double max = 10.0;
    std::string name;
    double gain = 1.0;  // the axis shows value * gain + offset
    double offset = 0.0;
};

struct GraphPlot {
    int handle = 0;
    double x = 0.0;
    double y = 0.0;
    int style = 0;
    int colour = 0;
    int yAxis = kLeftYAxis;
};

struct GraphModel {
    std::array<GraphAxis, 3> axes;
    int activeYAxis = kLeftYAxis;  // the y axis that y-axis attributes and new plots apply to
    std::vector<GraphPlot> plots;

    // The range an axis spans now: its manual range, or the range of what is plotted against it.
    std::pair<double, double> Range(int axis) const;
};

class GraphWidget : public DrawingWidget {
  public:
    explicit GraphWidget(QWidget* parent) : DrawingWidget(parent) {}

    GraphModel& Model() { return model_; }
    const GraphModel& Model() const { return model_; }
    void AttributeChanged(int attribute) override;
    // The selected y axis's name, gain or offset (1093, 1125, 1127); nothing for others.
    std::optional<AttrValue> AxisAttribute(int attribute) const;

    // The rectangle inside the axes, and where a value lands in it (widget pixels).
    QRectF PlotArea() const;
    QPointF PixelOf(double x, double y, int yAxis = kLeftYAxis) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    GraphModel model_;
};

}  // namespace ui_detail
