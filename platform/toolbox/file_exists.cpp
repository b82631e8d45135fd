#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/toolbox/toolbox.h"
#include "platform/ui/call_log.h"

int FileExists(const char* pathName, int* fileSize) {
    if (fileSize) *fileSize = -1;
    if (const int entered = ui_detail::EnterCall("FileExists", {ui_detail::Arg(pathName)}); entered < 0)
        return entered;
    if (!pathName || !*pathName) return 0;
    std::error_code error;
    const auto status = std::filesystem::status(pathName, error);
    if (error || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) return 0;
    if (fileSize) {
        const auto size = std::filesystem::file_size(pathName, error);
        // A file too large for an int reports the largest int rather than a wrapped size.
        if (!error)
            *fileSize = size > static_cast<std::uintmax_t>(std::numeric_limits<int>::max())
                            ? std::numeric_limits<int>::max()
                            : static_cast<int>(size);
    }
    return 1;
}
