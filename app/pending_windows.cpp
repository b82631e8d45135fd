// Stand-in for the colour detail window until it is built: a bare window with the controls
// the shell writes to.
#include "platform/ui/user_interface.h"
#include "ui/cielab_panel.h"

int CIELAB_H = 0;
int CIELAB_L2 = 0;
int CIELAB_C = 0;
int CIELAB_L = 0;
int CIELAB_a = 0;
int CIELAB_b = 0;
int CIELAB_X = 0;
int CIELAB_Y = 0;
int CIELAB_Z = 0;
int CIELAB_x = 0;
int CIELAB_y = 0;
int CIELAB_LSLIDE = 0;
int CIELAB_COLORNUM = 0;
int CIELAB_NAME = 0;
int CIELAB_GRAPH = 0;
int CIELAB_LOGO = 0;
int CIELAB_KELBRANT = 0;
int CIELAB_TEXTMSG = 0;

namespace {
int Numeric(int panel, int style, const char* label, int top, int left) {
    const int id = NewCtrl(panel, style, label, top, left);
    if (id > 0) SetCtrlAttribute(panel, id, ATTR_DATA_TYPE, VAL_DOUBLE);
    if (id > 0) SetCtrlAttribute(panel, id, ATTR_PRECISION, 3);
    return id;
}
}  // namespace

int BuildCIELAB(int hParent) {
    const int panel = NewPanel(hParent, "CIE", 40, 900, 420, 380);
    if (panel < 0) return panel;
    int* const numerics[] = {&CIELAB_H, &CIELAB_L2, &CIELAB_C, &CIELAB_L, &CIELAB_a, &CIELAB_b,
                             &CIELAB_X, &CIELAB_Y,  &CIELAB_Z, &CIELAB_x, &CIELAB_y};
    const char* const labels[] = {"H", "L", "C", "L*", "a*", "b*", "X", "Y", "Z", "x", "y"};
    for (int i = 0; i < 11; ++i) *numerics[i] = Numeric(panel, CTRL_NUMERIC, labels[i], 20 + 30 * i, 20);
    CIELAB_LSLIDE = Numeric(panel, CTRL_NUMERIC_HSLIDE, "Lightness L*", 360, 20);
    CIELAB_COLORNUM = NewCtrl(panel, CTRL_COLOR_NUMERIC, "", 20, 160);
    CIELAB_NAME = NewCtrl(panel, CTRL_STRING, "OCS", 60, 160);
    CIELAB_GRAPH = NewCtrl(panel, CTRL_GRAPH, "", 100, 160);
    return panel;
}
