#include "platform/wordrpt/automation_errors.h"

#include <cstdio>
#include <cstring>

#include "platform/wordrpt/wordrpt.h"

namespace {

struct ErrorText {
    int code;
    const char* text;
};

constexpr ErrorText kTexts[] = {
    {kWordRptBadHandle, "The object handle is not valid."},
    {kWordRptBadArgument, "One or more arguments are not valid."},
    {kWordRptBadIndex, "The row or column does not exist."},
    {kWordRptNoSelection, "The selection is not where the operation needs it."},
    {kWordRptNoBookmark, "The document has no bookmark of that name."},
    {kWordRptPictureFile, "The picture file cannot be read."},
    {kWordRptPathNotFound, "The folder does not exist."},
    {kWordRptAccessDenied, "Access is denied."},
    {kWordRptDiskFull, "There is not enough space on the disk."},
    {kWordRptNameTooLong, "The file name or path is too long."},
    {kWordRptFileTooLarge, "The file is larger than this system allows."},
    {kWordRptWriteFault, "The document could not be written."},
    {kWordRptServerFailed, "The report application could not be started."},
};

}  // namespace

int CA_GetAutomationErrorString(int errorCode, char* buffer, int size) {
    if (buffer == nullptr || size <= 0) return kWordRptBadArgument;
    const char* text = nullptr;
    for (const ErrorText& e : kTexts) {
        if (e.code == errorCode) text = e.text;
    }
    if (errorCode == 0) text = "No error.";
    if (text != nullptr) {
        std::snprintf(buffer, static_cast<size_t>(size), "%s", text);
    } else {
        std::snprintf(buffer, static_cast<size_t>(size), "Unknown error 0x%08X.",
                      static_cast<unsigned>(errorCode));
    }
    return 0;
}
