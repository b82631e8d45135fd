#include <cmath>

#include "chart3d/chart3d.h"
#include "chart3d/chart_state.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr int kPreviewColour = 0xFFEEBB;  // the box at scale 1
constexpr int kBoxColour = 0xFFDD00;      // the box at chartScale
constexpr int kLargestDot = 12;

// Projects the eight corners at `scale` into edgePoints and finds the farthest corner. The
// running minimum keeps the truncated depth, so a later corner wins when it lies below that.
void ProjectBox(float scale) {
    std::int32_t least = 32767;
    for (int i = 0; i < static_cast<int>(boxCorners.size()); ++i) {
        const Point3D p = projection(scale, boxCorners[i]);
        edgePoints[i] = MakePoint(static_cast<int>(p.x), static_cast<int>(p.y));
        if (static_cast<double>(least) > p.z) {
            least = static_cast<std::int32_t>(p.z);
            hiddenCorner = i;
        }
    }
}

// Takes the new value of the control that changed into the chart's state.
void TakeValue(int control) {
    if (control == 0) return;
    float v = 0.0f;
    GetCtrlVal(chart3dPanel, control, &v);
    if (control != kScaleSlide) v = static_cast<float>(v * kRadiansPerDegree);
    switch (control) {
        case kPhiSlide:
            cosPhi = static_cast<float>(std::cos(double{v}));
            sinPhi = static_cast<float>(std::sin(double{v}));
            projection = ProjectXZY;
            break;
        case kThetaSlide:
            cosTheta = static_cast<float>(std::cos(double{v}));
            sinTheta = static_cast<float>(std::sin(double{v}));
            projection = ProjectYXZ;
            break;
        case kRhoSlide:
            cosRho = static_cast<float>(std::cos(double{v}));
            sinRho = static_cast<float>(std::sin(double{v}));
            projection = ProjectZYX;
            break;
        case kScaleSlide:
            chartScale = v;
            dotSize = chartScale > 3.0 ? kLargestDot : static_cast<std::int32_t>(4.0 * chartScale);
            break;
        default:
            break;
    }
}

}  // namespace

void DrawEdges(const std::array<Point, 8>& corners, int hidden, int colour) {
    SetCtrlAttribute(chart3dPanel, kCanvas, ATTR_PEN_COLOR, colour);
    auto edge = [&](int from, int to) {
        if (from == hidden || to == hidden) return;
        CanvasDrawLine(chart3dPanel, kCanvas, corners[from], corners[to]);
    };
    for (int k = 0; k < 4; ++k) edge(k, (k + 1) % 4);
    for (int k = 0; k < 4; ++k) edge(4 + k, 4 + (k + 1) % 4);
    for (int k = 0; k < 4; ++k) edge(k, k + 4);
}

int RotateCallback(int, int control, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        PlotCHART3D();
        int edges = 0;
        GetCtrlVal(chart3dPanel, kEdgesCheckBox, &edges);
        if (edges != 0) DrawEdges(edgePoints, hiddenCorner, kBoxColour);
        return 0;
    }
    if (event != EVENT_VAL_CHANGED || control == kEdgesCheckBox) return 0;

    TakeValue(control);
    // While a slide moves only the box is drawn: it follows the mouse where a chart would not.
    CanvasClear(chart3dPanel, kCanvas, MakeRect(0, 0, -1, -1));
    ProjectBox(1.0f);
    DrawEdges(edgePoints, hiddenCorner, kPreviewColour);
    ProjectBox(chartScale);
    DrawEdges(edgePoints, hiddenCorner, kBoxColour);
    return 0;
}
