#include "app/menu_callbacks.h"

// The menu bar binds these (and the report's ReportCallback) as soon as it is built; the windows and popups they open come
// with the rest of the shell, so for now a chosen item does nothing.

void QuitProgramCallback(int, int, void*, int) {}

void CIELabCallback(int, int, void*, int) {}

void Chart3dCallback(int, int, void*, int) {}

void AboutCallback(int, int, void*, int) {}

void HelpCallback(int, int, void*, int) {}
