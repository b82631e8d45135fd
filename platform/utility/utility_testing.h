#pragma once

// Hooks for tests of code built on the utility library; the program never includes this header.
#include <string>

namespace utility_testing {

// GetProjectDir gives this directory instead of the executable's; an empty text undoes it.
void SetProjectDir(const std::string& directory);

}  // namespace utility_testing
