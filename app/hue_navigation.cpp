#include "app/hue_navigation.h"

#include <cmath>
#include <cstdlib>

#include "app/colour_detail.h"
#include "app/hue_table.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Every page change redraws the table and clears the selection.
void ShowPage(int index) {
    actualIndex = index;
    DisplayHue();
    selectedChroma = 0;
    selectedLightness = 0;
    selectedHue = 0;
    DisplayColor();
}

}  // namespace

int WheelAngle(int dx, int dy) {
    int angle = static_cast<int>(std::atan2(-static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / kPi);
    if (angle <= 0) angle += 360;
    return angle;
}

int NearestHuePage(int angle) {
    int best = 400;
    int index = actualIndex;
    for (int i = 0; i < nbHues - 1; ++i) {
        const int d = std::abs(static_cast<int>(chartOrg[i].hue) - angle);
        if (d < best) {
            best = d;
            index = i;
        }
    }
    return index;
}

int PrevHueCallback(int, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT || nbHues <= 0) return 0;
    const int step = control == PANEL_PREVBUTTON ? 1 : 10;
    // Adding whole rounds keeps the sum positive for any number of pages.
    ShowPage((actualIndex + nbHues * step - step) % nbHues);
    return 0;
}

int NextHueCallback(int, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT || nbHues <= 0) return 0;
    const int step = control == PANEL_NEXTBUTTON ? 1 : 10;
    ShowPage((actualIndex + step) % nbHues);
    return 0;
}

int GreyHueCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_LEFT_CLICK || nbHues <= 0) return 0;
    ShowPage(nbHues - 1);
    return 0;
}

int ChangeHueCallback(int, int, int event, void*, int, int) {
    static int wheelCenterRead = 0;
    static int wheelCenterX = 0, wheelCenterY = 0;
    if (event != EVENT_LEFT_CLICK || nbHues <= 0) return 0;
    if (wheelCenterRead == 0) {
        GetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_WIDTH, &wheelCenterX);
        wheelCenterX /= 2;
        GetCtrlAttribute(mainPanel, PANEL_HUEWHEEL, ATTR_HEIGHT, &wheelCenterY);
        wheelCenterY /= 2;
        wheelCenterRead = 1;
    }
    int x = 0, y = 0;
    GetRelativeMouseState(mainPanel, PANEL_HUEWHEEL, &x, &y, nullptr, nullptr, nullptr);
    ShowPage(NearestHuePage(WheelAngle(x - wheelCenterX, y - wheelCenterY)));
    return 0;
}
