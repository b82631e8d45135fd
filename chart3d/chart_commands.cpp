#include <cstdio>

#include "chart3d/chart3d.h"
#include "chart3d/chart_state.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"

int ResetCallback(int, int, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    SetCtrlVal(chart3dPanel, kRhoSlide, 0.0);
    SetCtrlVal(chart3dPanel, kThetaSlide, 0.0);
    SetCtrlVal(chart3dPanel, kPhiSlide, 0.0);
    cosPhi = cosTheta = cosRho = 1.0f;
    sinPhi = sinTheta = sinRho = 0.0f;
    // Replaying the Rho slide reads its 0 and redraws; Theta and Phi were reset just above.
    RotateCallback(chart3dPanel, kRhoSlide, EVENT_VAL_CHANGED, nullptr, 0, 0);
    RotateCallback(chart3dPanel, kRhoSlide, EVENT_COMMIT, nullptr, 0, 0);
    return 0;
}

int Copy3DCallback(int panel, int control, int event, void*, int, int) {
    if (event != EVENT_COMMIT) return 0;
    int bitmap = 0;
    GetCtrlBitmap(chart3dPanel, kCanvas, 0, &bitmap);
    const int result = ClipboardPutBitmap(bitmap);
    // The clipboard keeps an image of its own.
    DiscardBitmap(bitmap);
    char message[64];
    std::snprintf(message, sizeof message, "Copy to clipboard : %s", result == 0 ? "OK" : "failed");
    if (panel != 0 && control != 0) MessagePopup(title, message);
    return 0;
}
