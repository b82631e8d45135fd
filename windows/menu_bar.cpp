#include "windows/menu_bar.h"

#include "platform/ui/user_interface.h"
#include "report/wordreport.h"

int MENU_FILE = 0;
int MENU_FILE_REPORT = 0;
int MENU_FILE_SEP1 = 0;
int MENU_FILE_QUIT = 0;
int MENU_DISPLAY = 0;
int MENU_DISPLAY_CIELAB = 0;
int MENU_DISPLAY_CHART3D = 0;
int MENU_HELP = 0;
int MENU_HELP_ABOUT = 0;
int MENU_HELP_CONTENTS = 0;

namespace {

constexpr int kConstantName = 501;
constexpr int kAppend = -1;
constexpr int kNoShortcut = 0;

// Stores a creating call's result in its global first, so a failure leaves its code there.
int Made(int& global, int result) {
    global = result;
    return result;
}

int Name(int bar, int entry, const char* name) {
    return SetMenuBarAttribute(bar, entry, kConstantName, name);
}

int NewMenuNamed(int bar, int& global, const char* label, const char* name) {
    if (const int r = Made(global, NewMenu(bar, label, kAppend)); r < 0) return r;
    return Name(bar, global, name);
}

int NewItemNamed(int bar, int menu, int& global, const char* label, const char* name,
                 MenuCallbackPtr callback) {
    if (const int r = Made(global, NewMenuItem(bar, menu, label, kAppend, kNoShortcut, callback, nullptr));
        r < 0)
        return r;
    return Name(bar, global, name);
}

}  // namespace

int BuildMENU(int panel) {
    const int bar = NewMenuBar(panel);
    if (bar < 0) return bar;
    if (const int r = Name(bar, 0, "MENU"); r < 0) return r;

    if (const int r = NewMenuNamed(bar, MENU_FILE, "__File", "FILE"); r < 0) return r;
    if (const int r = NewItemNamed(bar, MENU_FILE, MENU_FILE_REPORT, "__Report", "REPORT", ReportCallback);
        r < 0)
        return r;
    if (const int r = Made(MENU_FILE_SEP1, InsertSeparator(bar, MENU_FILE, kAppend)); r < 0) return r;
    if (const int r = NewItemNamed(bar, MENU_FILE, MENU_FILE_QUIT, "__Quit", "QUIT", QuitProgramCallback);
        r < 0)
        return r;

    if (const int r = NewMenuNamed(bar, MENU_DISPLAY, "__Display", "DISPLAY"); r < 0) return r;
    if (const int r = NewItemNamed(bar, MENU_DISPLAY, MENU_DISPLAY_CIELAB, "__CIE Coordinates", "CIELAB",
                                   CIELabCallback);
        r < 0)
        return r;
    if (const int r = NewItemNamed(bar, MENU_DISPLAY, MENU_DISPLAY_CHART3D, "3D __Ostrel Design Window",
                                   "CHART3D", Chart3dCallback);
        r < 0)
        return r;

    if (const int r = NewMenuNamed(bar, MENU_HELP, "__Help", "HELP"); r < 0) return r;
    if (const int r = NewItemNamed(bar, MENU_HELP, MENU_HELP_ABOUT, "__About", "ABOUT", AboutCallback); r < 0)
        return r;
    if (const int r =
            NewItemNamed(bar, MENU_HELP, MENU_HELP_CONTENTS, "__Contents", "CONTENTS", HelpCallback);
        r < 0)
        return r;
    return bar;
}
