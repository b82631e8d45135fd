#pragma once

// Hooks for tests of the driver and of the code built on it; the program never includes this.
#include <string>
#include <vector>

namespace wordrpt_testing {

// The n-th driver operation from now (1 = the next) returns `code` instead of running.
void FailNthCall(int n, int code);
void CancelFailure();
// The documents that visible applications saved and asked the desktop to show, oldest first;
// taking them empties the list. Without a screen (offscreen tests) nothing is ever opened.
std::vector<std::string> TakeViewerRequests();
// Handles not yet released.
int LiveHandles();

}  // namespace wordrpt_testing
