#include <algorithm>
#include <memory>
#include <new>

#include "chart3d/chart3d.h"
#include "chart3d/chart_state.h"
#include "colour/cie_conversions.h"
#include "colour/ral_design.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"

namespace {

constexpr int kAxisColour = 0xF04000;
constexpr int kLabelColour = 0xE02000;
constexpr int kTransparent = 0x1000000;
constexpr int kTextCentred = 9;
constexpr const char* kLabelFont = "NIAppMetaFont";

// Truncation toward zero, as the canvas takes whole pixels.
Point CanvasPoint(const Point3D& p) {
    return MakePoint(static_cast<int>(p.x), static_cast<int>(p.y));
}

void DrawAxes(int panel) {
    std::array<Point, 4> ends{};
    for (std::size_t i = 0; i < axisPoints.size(); ++i)
        ends[i] = CanvasPoint(projection(chartScale, axisPoints[i]));
    const Point origin = ends[0];

    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_WIDTH, 1);
    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_COLOR, kAxisColour);
    for (std::size_t i = 1; i < ends.size(); ++i) CanvasDrawLine(panel, kCanvas, origin, ends[i]);

    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_COLOR, kLabelColour);
    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_FILL_COLOR, kTransparent);
    constexpr std::array<const char*, 3> names{"a*", "b*", "L*"};
    for (std::size_t i = 0; i < names.size(); ++i)
        CanvasDrawTextAtPoint(panel, kCanvas, names[i], kLabelFont, ends[i + 1], kTextCentred);
}

}  // namespace

void PlotCHART3D() {
    const int panel = chart3dPanel;
    int visible = 0;  // a window that cannot be asked is drawn as a hidden one
    GetPanelAttribute(panel, ATTR_VISIBLE, &visible);
    if (visible == 0) return;

    int count = 0;
    const RalDesignColor* colours = GetRalDesignDataAddress(&count);
    if (count <= 0) return;
    // Without room for the points the canvas is left as it was rather than half drawn.
    const std::unique_ptr<Point3D[]> points(new (std::nothrow) Point3D[static_cast<std::size_t>(count)]);
    if (!points) return;

    const Rect whole = MakeRect(0, 0, -1, -1);
    if (backgroundBitmap != 0) {
        CanvasDrawBitmap(panel, kCanvas, backgroundBitmap, whole, whole);
    } else {
        CanvasClear(panel, kCanvas, whole);
    }
    DrawAxes(panel);

    for (int i = 0; i < count; ++i) {
        const RalDesignColor& c = colours[i];
        const ColorTriple rgb = XYZ__RGB(Lab__XYZ(ColorTriple{c.L, c.a, c.b}, whiteRef));
        points[i] = projection(chartScale, Point3D{c.a, c.b, c.L, RGB__int(rgb)});
    }
    // Farthest first, so that nearer dots cover farther ones.
    std::sort(points.get(), points.get() + count,
              [](const Point3D& first, const Point3D& second) { return CompareDepth(first, second) < 0; });

    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_WIDTH, dotSize);
    for (int i = 0; i < count; ++i) {
        SetCtrlAttribute(panel, kCanvas, ATTR_PEN_COLOR, points[i].color);
        CanvasDrawPoint(panel, kCanvas, CanvasPoint(points[i]));
    }
    // The box edges drawn after the plot rely on this width.
    SetCtrlAttribute(panel, kCanvas, ATTR_PEN_WIDTH, 1);
}
