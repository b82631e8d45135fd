// Linked into every test program: the tests draw headless at the windows' design sizes,
// whatever desktop session starts them. Qt takes the session's theme, style and scaling from
// the environment, and a theme plugin ends a process that has no display.
#include <cstdlib>
#include <initializer_list>

namespace {

[[maybe_unused]] const bool kSessionSettingsCleared = [] {
    for (const char* name :
         {"QT_QPA_PLATFORMTHEME", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
          "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI"}) {
        ::unsetenv(name);
    }
    return true;
}();

}  // namespace
