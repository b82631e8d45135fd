// The call record the window builders' tests read: every argument must tell its type apart.
#include "platform/ui/call_log.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/platform/ui/ui_fixture.h"

namespace {

TEST(CallLogArg, DoublesNeverReadAsIntsAndReadBackExactly) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {1.0, "1.0"},
        {0.0, "0.0"},
        {-2.0, "-2.0"},
        {0.25, "0.25"},
        {0.1, "0.1"},
        {1e300, "1e+300"},
        {123456789.0, "123456789.0"},
        {2.5e-8, "2.5e-08"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ui_detail::Arg(row.value).Text(), row.text) << row.text;
        EXPECT_NE(ui_detail::Arg(row.value).Text(), ui_detail::Arg(static_cast<int>(row.value)).Text())
            << row.text;
    }
    for (double v : {1.0 / 3.0, 0.1 + 0.2, 0.82820511, -1e-310}) {
        EXPECT_EQ(std::strtod(ui_detail::Arg(v).Text().c_str(), nullptr), v) << ui_detail::Arg(v).Text();
    }
    EXPECT_EQ(ui_detail::Arg(1).Text(), "1");
    EXPECT_EQ(ui_detail::Arg(AttrValue(1.0)).Text(), "1.0");
}

TEST(CallLogArg, CallbackDataIsItsAddressOrNull) {
    int data = 0;
    const std::string text = ui_detail::Arg(static_cast<const void*>(&data)).Text();
    ASSERT_EQ(text.rfind("0x", 0), 0u) << text;
    EXPECT_EQ(std::strtoull(text.c_str() + 2, nullptr, 16), reinterpret_cast<std::uintptr_t>(&data));
    EXPECT_EQ(ui_detail::Arg(static_cast<const void*>(nullptr)).Text(), "null");
    EXPECT_EQ(ui_detail::Arg(AttrValue(static_cast<void*>(&data))).Text(), text) << "not a callback's \"fn\"";
}

void NoMenuAction(int, int, void*, int) {}

class CallLogTest : public UiTest {};

TEST_F(CallLogTest, NewMenuItemRecordsItsCallbackData) {
    const int panel = NewPanel(0, "menus", 0, 0, 100, 100);
    const int bar = NewMenuBar(panel);
    const int menu = NewMenu(bar, "__File", -1);
    int data = 0;
    ui_testing::StartRecording();
    ASSERT_GT(NewMenuItem(bar, menu, "__Quit", -1, 0, &NoMenuAction, &data), 0);
    ASSERT_GT(NewMenuItem(bar, menu, "__About", -1, 0, nullptr, nullptr), 0);
    const auto calls = ui_testing::StopRecording();
    ASSERT_EQ(calls.size(), 2u);
    const std::string b = std::to_string(bar), m = std::to_string(menu);
    EXPECT_EQ(calls[0].args,
              (std::vector<std::string>{b, m, "\"__Quit\"", "-1", "0", "fn",
                                        ui_detail::Arg(static_cast<const void*>(&data)).Text()}));
    EXPECT_EQ(calls[1].args, (std::vector<std::string>{b, m, "\"__About\"", "-1", "0", "null", "null"}));
}

// The record takes a text while the call runs: the caller may reuse its buffer right after.
TEST_F(CallLogTest, RecordKeepsTheTextTheCallWasGiven) {
    char title[] = "first";
    ui_testing::StartRecording();
    ASSERT_GT(NewPanel(0, title, 0, 0, 100, 100), 0);
    std::strcpy(title, "later");
    const auto calls = ui_testing::StopRecording();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (std::vector<std::string>{"0", "\"first\"", "0", "0", "100", "100"}));
}

}  // namespace
