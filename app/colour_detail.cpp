#include "app/colour_detail.h"

#include <cstdio>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/cielab_panel.h"

namespace {

// The point this window's graph carries now; 0 for none.
int plotHandle = 0;

// Half the span of both axes: the next step above the chroma.
double AxisHalfRange(float chroma) {
    if (chroma < 10.0f) return 10.0;
    if (chroma < 30.0f) return 30.0;
    if (chroma < 60.0f) return 60.0;
    return 100.0;
}

}  // namespace

int DisplayColor() {
    if (plotHandle != 0) {
        DeleteGraphPlot(cielabPanel, CIELAB_GRAPH, plotHandle, VAL_IMMEDIATE_DRAW);
        plotHandle = 0;
    }
    SetPanelAttribute(cielabPanel, ATTR_DIMMED, selectedLightness == 0 ? 1 : 0);
    if (selectedLightness == 0) return 0;

    const ColorTriple hlc{static_cast<float>(selectedHue), static_cast<float>(selectedLightness),
                          static_cast<float>(selectedChroma)};
    SetCtrlVal(cielabPanel, CIELAB_H, static_cast<double>(hlc.c1));
    SetCtrlVal(cielabPanel, CIELAB_L2, static_cast<double>(hlc.c2));
    SetCtrlVal(cielabPanel, CIELAB_C, static_cast<double>(hlc.c3));

    const ColorTriple lab = HLC__Lab(hlc);
    SetCtrlVal(cielabPanel, CIELAB_L, static_cast<double>(lab.c1));
    SetCtrlVal(cielabPanel, CIELAB_a, static_cast<double>(lab.c2));
    SetCtrlVal(cielabPanel, CIELAB_b, static_cast<double>(lab.c3));

    const ColorTriple xyz = Lab__XYZ(lab, whiteRef);
    SetCtrlVal(cielabPanel, CIELAB_X, static_cast<double>(xyz.c1));
    SetCtrlVal(cielabPanel, CIELAB_Y, static_cast<double>(xyz.c2));
    SetCtrlVal(cielabPanel, CIELAB_Z, static_cast<double>(xyz.c3));

    char code[12];
    std::snprintf(code, sizeof code, "%03d %02d %02d", selectedHue, selectedLightness, selectedChroma);
    SetCtrlVal(cielabPanel, CIELAB_NAME, code);

    const int rgb = RGB__int(XYZ__RGB(xyz));
    SetCtrlVal(cielabPanel, CIELAB_COLORNUM, rgb);

    const ColorTriple chromaticity = XYZ__xyz(xyz);
    SetCtrlVal(cielabPanel, CIELAB_x, static_cast<double>(chromaticity.c1));
    SetCtrlVal(cielabPanel, CIELAB_y, static_cast<double>(chromaticity.c2));
    SetCtrlVal(cielabPanel, CIELAB_LSLIDE, static_cast<double>(lab.c1));

    plotHandle = PlotPoint(cielabPanel, CIELAB_GRAPH, lab.c2, lab.c3, VAL_SOLID_CIRCLE, rgb);
    const double r = AxisHalfRange(hlc.c3);
    SetAxisScalingMode(cielabPanel, CIELAB_GRAPH, VAL_XAXIS, VAL_MANUAL, -r, r);
    SetAxisScalingMode(cielabPanel, CIELAB_GRAPH, VAL_LEFT_YAXIS, VAL_MANUAL, -r, r);
    return rgb;
}
