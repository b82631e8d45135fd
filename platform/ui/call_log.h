#pragma once

// Every operation of the user-interface layer that can fail passes through EnterCall first:
// one place to count calls, record them for tests and inject a failure.
#include <string>
#include <vector>

#include "platform/ui/attr_value.h"

namespace ui_detail {

// Returns 0 to go on, or the negative code a test asked this call to fail with.
// `args` are the call's arguments already formatted as text (for the recorded log).
int EnterCall(const char* operation, std::vector<std::string> args = {});

// Formats one argument for the log.
std::string Arg(int value);
std::string Arg(double value);         // never looks like an int: 1.0, 0.25, 1e+300
std::string Arg(const void* pointer);  // callback data: "0x..." or "null"
std::string Arg(const char* text);
std::string Arg(const std::string& text);
std::string Arg(const AttrValue& value);

}  // namespace ui_detail
