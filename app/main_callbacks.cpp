#include "app/main_callbacks.h"

// The main window is bound to these from its first build on; until the hue pages and the
// detail window exist there is nothing for them to redraw, so every event is let pass.

int ChangeColorSpaceCallback(int, int, int, void*, int, int) {
    return 0;
}

int HitTableCallback(int, int, int, void*, int, int) {
    return 0;
}

int GreyHueCallback(int, int, int, void*, int, int) {
    return 0;
}

int CopyChartCallback(int, int, int, void*, int, int) {
    return 0;
}

int PrevHueCallback(int, int, int, void*, int, int) {
    return 0;
}

int NextHueCallback(int, int, int, void*, int, int) {
    return 0;
}

int ChangeHueCallback(int, int, int, void*, int, int) {
    return 0;
}

int ChangeBackgroundCallback(int, int, int, void*, int, int) {
    return 0;
}
