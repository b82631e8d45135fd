#pragma once

// Shows a saved document in the desktop's program for it, as a person double-clicking it would.
#include <string>

// Does nothing without a screen (offscreen or minimal platform, tests) or with
// OSTREL_NO_VIEWER set in the environment.
void ShowInViewer(const std::string& path);
