#include "platform/ui/call_log.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <type_traits>
#include <variant>
#include <vector>

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

// Built by appending: GCC 12 warns falsely (-Wrestrict) about chains of "(" + std::string.
std::string Joined(std::initializer_list<int> values) {
    std::string text = "(";
    for (int v : values) {
        if (text.size() > 1) text += ',';
        text += std::to_string(v);
    }
    text += ')';
    return text;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string RealText(double value) {
    // Shortest text that reads back as the same double, always with a point or an exponent
    // so that a recorded 1.0 is not mistaken for the int 1.
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    std::string shown(text.data(), end);
    if (shown.find_first_of(".eninf") == std::string::npos) shown += ".0";
    return shown;
}

std::string AddressText(const void* pointer) {
    if (pointer == nullptr) return "null";
    std::array<char, 2 + 2 * sizeof(std::uintptr_t)> text{};
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), reinterpret_cast<std::uintptr_t>(pointer), 16)
            .ptr;
    return "0x" + std::string(text.data(), end);
}

std::string ValueText(const AttrValue& value) {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, int>) {
                return std::to_string(v);
            } else if constexpr (std::is_same_v<T, double>) {
                return RealText(v);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return Quoted(v);
            } else if constexpr (std::is_same_v<T, void*>) {
                return AddressText(v);
            } else {
                return v ? "fn" : "null";
            }
        },
        value.value);
}

}  // namespace

std::string CallArg::Text() const {
    switch (kind_) {
        case Kind::Int:
            return std::to_string(raw_.number);
        case Kind::Whole:
            return std::to_string(raw_.whole);
        case Kind::Double:
            return RealText(raw_.real);
        case Kind::Address:
            return AddressText(raw_.address);
        case Kind::CText:
            return raw_.cText ? Quoted(raw_.cText) : "null";
        case Kind::Text:
            return Quoted(*raw_.text);
        case Kind::Value:
            return ValueText(*raw_.value);
        case Kind::Callback:
            return raw_.present ? "fn" : "null";
        case Kind::Cell:
            return Joined({raw_.cell.x, raw_.cell.y});
        case Kind::Range:
            return Joined({raw_.range.top, raw_.range.left, raw_.range.height, raw_.range.width});
    }
    return {};
}

int EnterCall(const char* operation, std::initializer_list<CallArg> args) {
    CallLog& log = Log();
    ++log.count;
    if (log.recording) {
        std::vector<std::string> shown;
        shown.reserve(args.size());
        for (const CallArg& arg : args) shown.push_back(arg.Text());
        log.calls.push_back({operation, std::move(shown)});
    }
    if (log.failAt != 0 && log.count == log.failAt) {
        log.failAt = 0;
        return log.failCode;
    }
    return 0;
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
