#include "platform/ui/call_log.h"

namespace ui_detail {

int EnterCall(const char*, std::vector<std::string>) { return 0; }

std::string Arg(int value) { return std::to_string(value); }
std::string Arg(double value) { return std::to_string(value); }
std::string Arg(const char* text) { return text ? std::string("\"") + text + "\"" : "null"; }
std::string Arg(const std::string& text) { return "\"" + text + "\""; }

}  // namespace ui_detail
