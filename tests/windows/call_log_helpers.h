#pragma once

// Reading the user-interface layer's call record in the window builders' tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/ui/attr_value.h"
#include "platform/ui/controls.h"
#include "platform/ui/ui_testing.h"

using Calls = std::vector<ui_testing::RecordedCall>;

inline std::size_t CountOf(const Calls& calls, const std::string& operation) {
    return static_cast<std::size_t>(
        std::count_if(calls.begin(), calls.end(),
                      [&](const ui_testing::RecordedCall& c) { return c.operation == operation; }));
}

// True when the call is `operation` and its arguments begin with `args`.
inline bool Matches(const ui_testing::RecordedCall& call, const std::string& operation,
                    const std::vector<std::string>& args) {
    if (call.operation != operation || call.args.size() < args.size()) return false;
    return std::equal(args.begin(), args.end(), call.args.begin());
}

// Index of the first (or last) matching call at or after `from`, or npos.
inline std::size_t IndexOf(const Calls& calls, const std::string& operation,
                           const std::vector<std::string>& args = {}, std::size_t from = 0) {
    for (std::size_t i = from; i < calls.size(); ++i) {
        if (Matches(calls[i], operation, args)) return i;
    }
    return std::string::npos;
}

inline std::size_t LastIndexOf(const Calls& calls, const std::string& operation,
                               const std::vector<std::string>& args = {}) {
    for (std::size_t i = calls.size(); i-- > 0;) {
        if (Matches(calls[i], operation, args)) return i;
    }
    return std::string::npos;
}

inline std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
inline std::string Num(int value) {
    return std::to_string(value);
}
inline std::string Cell(int column, int row) {
    return "(" + Num(column) + "," + Num(row) + ")";
}

// Whether the control's attribute, read back as the kind of `expected`, holds that value.
inline ::testing::AssertionResult Holds(int panel, int control, int attribute, const AttrValue& expected) {
    return std::visit(
        [&](const auto& want) {
            using T = std::decay_t<decltype(want)>;
            if constexpr (std::is_same_v<T, int> || std::is_same_v<T, double> ||
                          std::is_same_v<T, std::string>) {
                T got{};
                const int result = GetCtrlAttribute(panel, control, attribute, &got);
                if (result == 0 && got == want) return ::testing::AssertionSuccess();
                return ::testing::AssertionFailure()
                       << "attribute " << attribute << " of control " << control << " reads " << got << " ("
                       << result << "), not " << want;
            } else {
                return ::testing::AssertionFailure() << "a kind of value not read back here";
            }
        },
        expected.value);
}

// A clean layer at the design resolution before and after each test; Build records one whole
// build of the window and keeps its panel handle.
template <int (*Builder)(int)>
class WindowBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(0);
    }
    void TearDown() override {
        ui_testing::CancelFailure();
        ui_testing::ResetLayer();
    }
    Calls Build(int parent = 0) {
        ui_testing::StartRecording();
        panel = Builder(parent);
        return ui_testing::StopRecording();
    }
    int panel = 0;
};
