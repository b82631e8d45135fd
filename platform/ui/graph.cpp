#include "platform/ui/graph.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/call_log.h"
#include "platform/ui/graph_widget.h"

using namespace ui_detail;

namespace {

int nextPlotHandle = 1;

bool ValidAxis(int axis) {
    return axis == kXAxis || axis == kLeftYAxis || axis == kRightYAxis;
}

}  // namespace

int PlotPoint(int panel, int control, double x, double y, int pointStyle, int colour) {
    if (const int e =
            EnterCall("PlotPoint", {Arg(panel), Arg(control), Arg(x), Arg(y), Arg(pointStyle), Arg(colour)});
        e < 0)
        return e;
    GraphWidget* graph = nullptr;
    if (const int r = Resolve(panel, control, &graph); r < 0) return r;
    if (!std::isfinite(x) || !std::isfinite(y)) return kErrOutOfRange;
    GraphModel& model = graph->Model();
    const int handle = nextPlotHandle++;
    model.plots.push_back({handle, x, y, pointStyle, colour, model.activeYAxis});
    graph->update();
    return handle;
}

int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh) {
    if (const int e = EnterCall("DeleteGraphPlot", {Arg(panel), Arg(control), Arg(plotHandle), Arg(refresh)});
        e < 0)
        return e;
    GraphWidget* graph = nullptr;
    if (const int r = Resolve(panel, control, &graph); r < 0) return r;
    auto& plots = graph->Model().plots;
    const auto it =
        std::find_if(plots.begin(), plots.end(), [&](const GraphPlot& p) { return p.handle == plotHandle; });
    if (it == plots.end()) return kErrNoSuchPlot;
    plots.erase(it);
    graph->update();
    return 0;
}

int SetAxisScalingMode(int panel, int control, int axis, int mode, double minimum, double maximum) {
    if (const int e = EnterCall("SetAxisScalingMode",
                                {Arg(panel), Arg(control), Arg(axis), Arg(mode), Arg(minimum), Arg(maximum)});
        e < 0)
        return e;
    GraphWidget* graph = nullptr;
    if (const int r = Resolve(panel, control, &graph); r < 0) return r;
    if (!ValidAxis(axis)) return kErrOutOfRange;
    GraphAxis& a = graph->Model().axes[static_cast<std::size_t>(axis)];
    if (mode == kManualScaling) {
        if (!(minimum < maximum) || !std::isfinite(minimum) || !std::isfinite(maximum)) return kErrOutOfRange;
        a.min = minimum;
        a.max = maximum;
    } else if (mode != kAutoScaling) {
        return kErrOutOfRange;
    }
    a.mode = mode;
    graph->update();
    return 0;
}

int GetAxisScalingMode(int panel, int control, int axis, int* mode, double* minimum, double* maximum) {
    if (const int e = EnterCall("GetAxisScalingMode", {Arg(panel), Arg(control), Arg(axis)}); e < 0) return e;
    GraphWidget* graph = nullptr;
    if (const int r = Resolve(panel, control, &graph); r < 0) return r;
    if (!ValidAxis(axis)) return kErrOutOfRange;
    const auto [low, high] = graph->Model().Range(axis);
    if (mode) *mode = graph->Model().axes[static_cast<std::size_t>(axis)].mode;
    if (minimum) *minimum = low;
    if (maximum) *maximum = high;
    return 0;
}
