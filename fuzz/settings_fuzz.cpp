// libFuzzer target of the settings reader: any file content reads without a fault and without
// a message, leaves a page index that exists, a ring on one of its items and a working space
// that are those of the last space read that has them, and what it reads is written back and
// read again unchanged. The platform calls it makes are stood in for here.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/settings_file.h"
#include "colour/rgb_spaces.h"
#include "platform/toolbox/toolbox.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "shell_state/shell_state.h"

int PANEL_RGBRING = 3;

namespace {
std::string directory;
int ringValue = 0;
}  // namespace

int GetProjectDir(char dir[]) {
    std::snprintf(dir, kMaxPathnameLen, "%s", directory.c_str());
    return 0;
}
int MakePathname(const char* dir, const char* name, char path[]) {
    const int n = std::snprintf(path, kMaxPathnameLen, "%s/%s", dir, name);
    return n < kMaxPathnameLen ? 0 : -2;
}
// A readable regular file is never reported, nor is a save to the fuzzer's own folder.
int MessagePopup(const char*, const char*) {
    std::abort();
}
// The ring holds "user defined" (-1) and the spaces 0..14; it refuses any other value.
int SetCtrlVal(int, int control, AttrValue value) {
    const int wanted = std::get<int>(value.value);
    if (control != PANEL_RGBRING || wanted < -1 || wanted >= kRgbSpaceCount) return -1;
    ringValue = wanted;
    return 0;
}
int SetBreakOnProtectionErrors(int) {
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/ostrel-fuzz-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) std::abort();
    directory = pattern;
    std::atexit([] { std::filesystem::remove_all(directory); });
    nbHues = 40;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = directory + "/Ostrel.ini";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) std::abort();
    SetRgbSpace(kRgbSpaceSRGB);
    colorSpace = 10, actualIndex = 39, ringValue = 10;
    ReadIniFile();
    if (actualIndex < 0 || actualIndex >= nbHues) std::abort();
    if (GetActualRgbSpace() < 0 || GetActualRgbSpace() >= kRgbSpaceCount) std::abort();
    const bool named = colorSpace >= -1 && colorSpace < kRgbSpaceCount;
    if (ringValue < -1 || ringValue >= kRgbSpaceCount || (named && ringValue != colorSpace)) std::abort();
    if (colorSpace >= 0 && named && GetActualRgbSpace() != colorSpace) std::abort();

    const int space = colorSpace, index = actualIndex;
    WriteIniFile();
    colorSpace = 10, actualIndex = 39;
    ReadIniFile();
    if (colorSpace != space || actualIndex != index) std::abort();
    return 0;
}
