#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/ui/call_log.h"
#include "platform/utility/utility.h"
#include "platform/utility/utility_testing.h"

namespace {

constexpr int kErrNullArgument = -1;
constexpr int kErrTooLong = -2;
constexpr int kErrNotFound = -3;
constexpr int kErrIsDirectory = -4;
constexpr int kErrFailed = -5;

// Copies `text` into a buffer of `size` bytes; a text that does not fit leaves the buffer empty.
bool CopyOut(const std::string& text, char* buffer, std::size_t size) {
    if (!buffer) return true;
    if (text.size() + 1 > size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

std::string& ProjectDirOverride() {
    static std::string directory;
    return directory;
}

}  // namespace

void utility_testing::SetProjectDir(const std::string& directory) {
    ProjectDirOverride() = directory;
}

int GetProjectDir(char directory[]) {
    if (const int entered = ui_detail::EnterCall("GetProjectDir"); entered < 0) {
        if (directory) directory[0] = '\0';
        return entered;
    }
    if (!directory) return kErrNullArgument;
    if (!ProjectDirOverride().empty())
        return CopyOut(ProjectDirOverride(), directory, kMaxPathnameLen) ? 0 : kErrTooLong;
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        directory[0] = '\0';
        return kErrFailed;
    }
    return CopyOut(executable.parent_path().string(), directory, kMaxPathnameLen) ? 0 : kErrTooLong;
}

int MakePathname(const char* directory, const char* fileName, char pathName[]) {
    const int entered =
        ui_detail::EnterCall("MakePathname", {ui_detail::Arg(directory), ui_detail::Arg(fileName)});
    if (!directory || !fileName || !pathName) {
        if (pathName) pathName[0] = '\0';
        return kErrNullArgument;
    }
    // Built apart first: the caller may pass one buffer as both directory and result.
    std::string path = directory;
    if (!path.empty() && path.back() != '/') path += '/';
    path += fileName;
    if (entered < 0) {
        pathName[0] = '\0';
        return entered;
    }
    return CopyOut(path, pathName, kMaxPathnameLen) ? 0 : kErrTooLong;
}

int SplitPath(const char* pathName, char driveName[], char directoryName[], char fileName[]) {
    const int entered = ui_detail::EnterCall("SplitPath", {ui_detail::Arg(pathName)});
    if (entered < 0 || !pathName) {
        for (char* out : {driveName, directoryName, fileName})
            if (out) out[0] = '\0';
        return entered < 0 ? entered : kErrNullArgument;
    }
    const std::string path = pathName;
    const auto slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    bool fits = CopyOut("", driveName, kMaxDrivenameLen);
    fits = CopyOut(directory, directoryName, kMaxPathnameLen) && fits;
    fits = CopyOut(name, fileName, kMaxFilenameLen) && fits;
    return fits ? 0 : kErrTooLong;
}

int CVI_DeleteFile(const char* fileName) {
    if (const int entered = ui_detail::EnterCall("CVI_DeleteFile", {ui_detail::Arg(fileName)}); entered < 0)
        return entered;
    if (!fileName || !*fileName) return kErrNullArgument;
    std::error_code error;
    const auto status = std::filesystem::symlink_status(fileName, error);
    if (error || !std::filesystem::exists(status)) return kErrNotFound;
    if (std::filesystem::is_directory(status)) return kErrIsDirectory;
    return std::filesystem::remove(fileName, error) && !error ? 0 : kErrFailed;
}
