#pragma once

// Answers that tests queue for popups, and the popups shown; used by the popups module.
#include <deque>
#include <string>
#include <vector>

#include "platform/ui/ui_testing.h"

namespace ui_detail {

struct PopupAnswer {
    std::string kind;  // "message", "confirm", "file"
    int result = 0;
    std::string path;
};

struct PopupScript {
    bool scripted = false;    // set by the first queued answer: popups then never wait for a person
    bool realPopups = false;  // unscripted popups open even without a screen, for a test to drive
    std::deque<PopupAnswer> answers;
    std::vector<ui_testing::ShownPopup> shown;
    std::vector<std::string> history;  // directories of file dialogs, newest first
};

PopupScript& Script();

}  // namespace ui_detail
