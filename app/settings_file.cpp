#include "app/settings_file.h"

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "colour/rgb_spaces.h"
#include "platform/toolbox/toolbox.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "shell_state/shell_state.h"
#include "ui/main_panel.h"

namespace {

const char* const iniFileName = "Ostrel.ini";

// The settings file's path into a buffer of kMaxPathnameLen; false when it cannot be made.
bool IniPath(char path[]) {
    char dir[kMaxPathnameLen] = "";
    if (GetProjectDir(dir) < 0 || MakePathname(dir, iniFileName, path) < 0) return false;
    return path[0] != '\0';
}

// The number behind the line's first "=", read as atoi reads it but held to the int range;
// false when the line has no "=".
bool ValueOf(const char* line, int* value) {
    const char* equals = std::strchr(line, '=');
    if (equals == nullptr) return false;
    const long number = std::strtol(equals + 1, nullptr, 10);
    *value = number > INT_MAX ? INT_MAX : number < INT_MIN ? INT_MIN : static_cast<int>(number);
    return true;
}

bool WriteAll(const char* path) {
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr) return false;
    bool ok = std::fprintf(file, "COLORSPACE = %d\n", colorSpace) > 0;
    ok = ok && std::fprintf(file, "HUEINDEX = %d\n", actualIndex) > 0;
    ok = ok && std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

}  // namespace

void ReadIniFile() {
    char line[256] = {};
    char path[kMaxPathnameLen] = "";
    if (!IniPath(path) || FileExists(path, nullptr) == 0) return;
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr) return;
    // A line longer than the buffer comes in pieces, each read as a line of its own.
    while (!std::feof(file)) {
        if (std::fgets(line, 255, file) == nullptr) break;
        if (char* newline = std::strchr(line, '\n')) *newline = '\0';
        if (std::strstr(line, "COLORSPACE") != nullptr) {
            if (!ValueOf(line, &colorSpace)) continue;
            SetCtrlVal(mainPanel, PANEL_RGBRING, colorSpace);
            SetRgbSpace(colorSpace);
        } else if (std::strstr(line, "HUEINDEX") != nullptr) {
            // Only a page that exists may be drawn; any other index leaves the page chosen.
            int index = 0;
            if (ValueOf(line, &index) && index >= 0 && index < nbHues) actualIndex = index;
        }
    }
    std::fclose(file);
}

void WriteIniFile() {
    char path[kMaxPathnameLen] = "";
    if (!IniPath(path)) return;
    char fresh[kMaxPathnameLen + 8];
    std::snprintf(fresh, sizeof fresh, "%s.new", path);
    const int breakState = SetBreakOnProtectionErrors(0);
    if (!WriteAll(fresh) || std::rename(fresh, path) != 0) std::remove(fresh);
    SetBreakOnProtectionErrors(breakState);
}
