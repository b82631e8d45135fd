#pragma once

// Modal popups and the history of directories used in file dialogs.
#include <cstddef>

#include "platform/ui/ui_constants.h"

int MessagePopup(const char* title, const char* message);
// 1 for yes, 0 for no.
int ConfirmPopup(const char* title, const char* message);

// Returns 0 when cancelled, 1 for an existing file, 2 for a new file name, negative on error.
// The full path goes into `path`; a path that does not fit is an error, never cut.
int FileSelectPopupInto(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                        const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                        int allowCancel, int allowMakeDirectory, char* path, std::size_t pathSize);
template <std::size_t N>
int FileSelectPopup(const char* defaultDirectory, const char* defaultFileSpec, const char* fileTypeList,
                    const char* title, int buttonLabel, int restrictDirectory, int restrictExtension,
                    int allowCancel, int allowMakeDirectory, char (&path)[N]) {
    return FileSelectPopupInto(defaultDirectory, defaultFileSpec, fileTypeList, title, buttonLabel,
                               restrictDirectory, restrictExtension, allowCancel, allowMakeDirectory, path,
                               N);
}

// The directories of earlier file dialogs, newest first. The array and each path are allocated
// with malloc; the caller frees every path and then the array. An empty history gives 0 and null.
int GetFilePopupDirHistory(int* count, char*** list);
