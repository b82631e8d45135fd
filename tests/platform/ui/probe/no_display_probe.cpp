// Starts the user-interface layer the way the program does and reports what happened: the
// start-up test runs it with no usable display.
#include <cstdio>

#include "platform/ui/user_interface.h"

int main(int, char* argv[]) {
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) {
        std::fprintf(stderr, "no_display_probe: no display can be opened\n");
        return 3;
    }
    const int panel = NewPanel(0, "probe", 0, 0, 10, 10);
    return panel > 0 ? 0 : 4;
}
