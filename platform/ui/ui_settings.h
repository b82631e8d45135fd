#pragma once

// Settings of the layer that tests replace: the resolution adjustment, the monitor's size,
// the break switches.
namespace ui_detail {

struct Settings {
    int resolutionAdjustment = 0;  // percent; the windows keep their design size by default
    int monitorWidth = 0;          // 0: ask the screen
    int monitorHeight = 0;
    int breakOnLibraryErrors = 1;
    int breakOnProtectionErrors = 1;
};

Settings& LayerSettings();

}  // namespace ui_detail
