#include "platform/ui/call_log.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "platform/ui/ui_testing.h"

namespace ui_detail {

namespace {
struct CallLog {
    long long count = 0;
    long long failAt = 0;  // 0: no failure asked for
    int failCode = 0;
    bool recording = false;
    std::vector<ui_testing::RecordedCall> calls;
};

CallLog& Log() {
    static CallLog log;
    return log;
}
}  // namespace

int EnterCall(const char* operation, std::vector<std::string> args) {
    CallLog& log = Log();
    ++log.count;
    if (log.recording) log.calls.push_back({operation, std::move(args)});
    if (log.failAt != 0 && log.count == log.failAt) {
        log.failAt = 0;
        return log.failCode;
    }
    return 0;
}

std::string Arg(int value) {
    return std::to_string(value);
}
std::string Arg(double value) {
    // Shortest text that reads back as the same double, always with a point or an exponent
    // so that a recorded 1.0 is not mistaken for the int 1.
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    std::string shown(text.data(), end);
    if (shown.find_first_of(".eninf") == std::string::npos) shown += ".0";
    return shown;
}
std::string Arg(const void* pointer) {
    if (pointer == nullptr) return "null";
    std::array<char, 2 + 2 * sizeof(std::uintptr_t)> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), reinterpret_cast<std::uintptr_t>(pointer), 16)
            .ptr;
    return "0x" + std::string(text.data(), end);
}
std::string Arg(const char* text) {
    return text ? std::string("\"") + text + "\"" : "null";
}
std::string Arg(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace ui_detail

namespace ui_testing {

void FailNthCall(int n, int code) {
    auto& log = ui_detail::Log();
    log.failAt = n > 0 && code < 0 ? log.count + n : 0;
    log.failCode = code;
}

void CancelFailure() {
    ui_detail::Log().failAt = 0;
}

long long CallCount() {
    return ui_detail::Log().count;
}

void StartRecording() {
    ui_detail::Log().calls.clear();
    ui_detail::Log().recording = true;
}

std::vector<RecordedCall> StopRecording() {
    auto& log = ui_detail::Log();
    log.recording = false;
    return std::move(log.calls);
}

}  // namespace ui_testing

namespace ui_detail {

std::string Arg(const AttrValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, int> || std::is_same_v<T, double> ||
                          std::is_same_v<T, std::string>) {
                return Arg(v);
            } else if constexpr (std::is_same_v<T, void*>) {
                return Arg(static_cast<const void*>(v));
            } else {
                return v ? "fn" : "null";
            }
        },
        value.value);
}

}  // namespace ui_detail
