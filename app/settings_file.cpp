#include "app/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "colour/rgb_spaces.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility.h"
#include "shell_state/shell_state.h"
#include "windows/main_panel.h"

namespace {

namespace fs = std::filesystem;

const char* const iniFileName = "Ostrel.ini";
const char* const kNotRegular = "not a regular file";

// The program writes two lines of some twenty characters. A few KiB leave room for a file
// edited by hand, and reading no more keeps start-up instant whatever stands in the file.
constexpr std::size_t kReadLimit = 16 * 1024;

// The file is there but could not be read, or no path to it can be made: the user's file, not
// the defaults, is kept.
bool leaveFileAlone = false;

// The settings file's path into a buffer of kMaxPathnameLen; false when it cannot be made.
bool IniPath(char path[]) {
    char dir[kMaxPathnameLen] = "";
    if (GetProjectDir(dir) < 0 || MakePathname(dir, iniFileName, path) < 0) return false;
    return path[0] != '\0';
}

void Tell(const char* format, const char* path, const char* reason) {
    char message[kMaxPathnameLen + 256];
    std::snprintf(message, sizeof message, format, path, reason);
    MessagePopup(title, message);
}

// The number behind the line's first "=", read as atoi reads it (no digits give 0) but held to
// the int range; false when the line has no "=".
bool ValueOf(const char* line, int* value) {
    const char* equals = std::strchr(line, '=');
    if (equals == nullptr) return false;
    const long number = std::strtol(equals + 1, nullptr, 10);
    *value = number > INT_MAX ? INT_MAX : number < INT_MIN ? INT_MIN : static_cast<int>(number);
    return true;
}

// Up to kReadLimit bytes of the file into `text`; the reason when it is not read. Opened
// without blocking and read only when regular, so a FIFO or a device cannot stop the start.
// A file longer than the limit ends at its last newline inside it, so that no line the limit
// cuts is used; a first line longer than the limit is kept up to it, read in its pieces.
const char* ReadHead(int fd, std::string* text) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return std::strerror(errno);
    if (!S_ISREG(status.st_mode)) return kNotRegular;
    text->resize(kReadLimit + 1);
    std::size_t size = 0;
    while (size < text->size()) {
        const ssize_t n = ::read(fd, text->data() + size, text->size() - size);
        if (n == 0) break;
        if (n < 0 && errno != EINTR) return std::strerror(errno);
        if (n > 0) size += static_cast<std::size_t>(n);
    }
    if (size > kReadLimit) {
        const std::size_t newline = text->rfind('\n', kReadLimit);
        size = newline == std::string::npos ? kReadLimit : newline;
    }
    text->resize(size);
    return nullptr;
}

// One line as the file has it, applied at once. A page that does not exist is never used.
void ApplyLine(const char* line) {
    int value = 0;
    if (std::strstr(line, "COLORSPACE") != nullptr) {
        if (!ValueOf(line, &value)) return;
        // A value that names no ring item or no space is kept all the same, and written back.
        colorSpace = value;
        SetCtrlVal(mainPanel, PANEL_RGBRING, colorSpace);
        SetRgbSpace(colorSpace);
    } else if (std::strstr(line, "HUEINDEX") != nullptr) {
        if (ValueOf(line, &value) && value >= 0 && value < nbHues) actualIndex = value;
    }
}

// Where the settings really lie: a link (or a chain of them) is followed, so that saving
// keeps the link. A link that leads nowhere gives the file it names.
fs::path FollowLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) break;
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// Writes the whole text to `fd` from its start, cuts off what follows it when `cut` (a file
// written in place, whose old text goes only once the new one stands), makes it lasting and
// closes it; the reason when one fails.
const char* WriteAndClose(int fd, const std::string& text, bool cut) {
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else
            ok = n < 0 && errno == EINTR;
    }
    ok = ok && (!cut || ::ftruncate(fd, static_cast<off_t>(text.size())) == 0);
    ok = ok && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 && ok) return std::strerror(errno);
    return ok ? nullptr : std::strerror(error);
}

// A complete new file takes the old one's place, with its mode, so a save that fails leaves
// the old file as it was. Only where that gives what writing in place would: a file that this
// user may not write is left alone, and one with other names, another owner or group, or in
// a folder that takes no new file, is written in place. The reason when it fails, null when
// saved.
const char* Save(const fs::path& target, const std::string& text) {
    struct stat old {};
    int file = -1;
    if (::lstat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return kNotRegular;
        file = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) return std::strerror(errno);
    } else if (errno != ENOENT) {
        return std::strerror(errno);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // A short name, so that a file name near the system's limit still leaves room for it.
    std::string temporary = (folder / ".OstrelXXXXXX").string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0 && file < 0) return std::strerror(errno);
    struct stat fresh {};
    if (fd >= 0 && file >= 0 &&
        (old.st_nlink != 1 || ::fstat(fd, &fresh) != 0 || fresh.st_uid != old.st_uid ||
         fresh.st_gid != old.st_gid)) {
        ::close(fd);
        ::unlink(temporary.c_str());
        fd = -1;
    }
    if (fd < 0) return WriteAndClose(file, text, true);
    if (file >= 0) ::close(file);
    // The temporary file is private; the settings get the old file's mode, or a new file's.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = file >= 0 ? old.st_mode & 07777 : 0666 & ~mask;
    const bool moded = ::fchmod(fd, mode) == 0;
    const char* reason = moded ? WriteAndClose(fd, text, false) : std::strerror(errno);
    if (!moded) ::close(fd);
    if (reason == nullptr && std::rename(temporary.c_str(), target.c_str()) != 0)
        reason = std::strerror(errno);
    if (reason != nullptr) {
        ::unlink(temporary.c_str());
        return reason;
    }
    // The new name is made lasting. Some file systems cannot sync a folder; the file is
    // in place all the same, so that is no failure.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return nullptr;
}

}  // namespace

void ReadIniFile() {
    leaveFileAlone = false;
    char path[kMaxPathnameLen] = "";
    if (!IniPath(path)) {
        // Nothing can be read, nor saved at quit: told once, here.
        leaveFileAlone = true;
        char message[512];
        std::snprintf(message, sizeof message,
                      "The settings file %s cannot be used: the program's folder is unknown, or the path "
                      "to the file would be longer than %d characters.\n"
                      "The program starts on its defaults and will not save this run's colour space "
                      "and hue page.",
                      iniFileName, kMaxPathnameLen - 1);
        MessagePopup(title, message);
        return;
    }
    std::string text;
    const char* reason = nullptr;
    if (const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC); fd < 0) {
        if (errno == ENOENT) return;
        reason = std::strerror(errno);
    } else {
        reason = ReadHead(fd, &text);
        ::close(fd);
    }
    if (reason != nullptr) {
        leaveFileAlone = true;
        Tell(
            "The settings file %s cannot be read (%s).\n"
            "The program starts on its defaults and leaves the file as it is.",
            path, reason);
        return;
    }

    // Lines are read as fgets with a limit of 255 reads them: a line longer than 254
    // characters comes in pieces, each read as a line of its own.
    char line[256] = {};
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t piece = std::min<std::size_t>(254, text.size() - at);
        const char* start = text.data() + at;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', piece));
        const std::size_t length = newline != nullptr ? static_cast<std::size_t>(newline - start) : piece;
        std::memcpy(line, start, length);
        line[length] = '\0';
        at += newline != nullptr ? length + 1 : length;
        ApplyLine(line);
    }
}

void WriteIniFile() {
    char path[kMaxPathnameLen] = "";
    if (leaveFileAlone || !IniPath(path)) return;
    const int breakState = SetBreakOnProtectionErrors(0);
    char text[64];
    std::snprintf(text, sizeof text, "COLORSPACE = %d\nHUEINDEX = %d\n", colorSpace, actualIndex);
    if (const char* reason = Save(FollowLinks(path), text)) {
        Tell(
            "The settings could not be saved in %s (%s).\n"
            "The next start will not restore this run's colour space and hue page.",
            path, reason);
    }
    SetBreakOnProtectionErrors(breakState);
}
