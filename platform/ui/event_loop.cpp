#include "platform/ui/event_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <limits>

#include "platform/ui/call_log.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_settings.h"
#include "platform/ui/ui_state.h"

using namespace ui_detail;

namespace {
QPointer<QEventLoop> runningLoop;
bool quitPending = false;
int quitCode = 0;
}  // namespace

int InitCVIRTEEx(void*, char* argv[], void*) {
    (void)argv;  // the program name reaches the toolkit through the fixed one of EnsureApplication
    // No display: report 0 so that the program can say so and exit, instead of the toolkit aborting.
    return EnsureApplication() ? 1 : 0;
}

int RunUserInterface() {
    if (int rc = EnterCall("RunUserInterface"); rc < 0) return rc;
    if (!EnsureApplication()) return UIE_NO_DISPLAY;
    // A quit asked for before the loop runs ends it at once.
    if (!quitPending) {
        QEventLoop loop;
        runningLoop = &loop;
        loop.exec();
        runningLoop = nullptr;
    }
    quitPending = false;
    return quitCode;
}

int QuitUserInterface(int returnCode) {
    if (int rc = EnterCall("QuitUserInterface", {Arg(returnCode)}); rc < 0) return rc;
    quitCode = returnCode;
    if (runningLoop) {
        runningLoop->exit(returnCode);
    } else {
        quitPending = true;
    }
    return 0;
}

int ProcessSystemEvents() {
    if (int rc = EnterCall("ProcessSystemEvents"); rc < 0) return rc;
    if (HaveApplication()) QApplication::processEvents();
    return 0;
}

int SetBreakOnLibraryErrors(int on) {
    const int previous = LayerSettings().breakOnLibraryErrors;
    LayerSettings().breakOnLibraryErrors = on != 0;
    return previous;
}

int SetBreakOnProtectionErrors(int on) {
    const int previous = LayerSettings().breakOnProtectionErrors;
    LayerSettings().breakOnProtectionErrors = on != 0;
    return previous;
}

const double* _GetDoubleInf() {
    static const double infinity = std::numeric_limits<double>::infinity();
    return &infinity;
}
