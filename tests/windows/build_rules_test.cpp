// Scaling of a window to the screen and the picture-loading rule.
#include "windows/build_rules.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"
#include "windows/main_panel.h"

namespace {

constexpr PanelGeometry kMainDesign{21, 5, 780, 860};
constexpr PanelGeometry kDetailDesign{223, 443, 344, 417};

struct ScalingCase {
    int percent;
    int screenWidth;
    int screenHeight;
    PanelGeometry expected;
    PanelGeometry design = kMainDesign;
};

class Scaling : public ::testing::TestWithParam<ScalingCase> {};

TEST_P(Scaling, WindowGeometryFollowsTheScreen) {
    const ScalingCase& c = GetParam();
    const PanelGeometry g = ScaledPanelGeometry(c.design, c.percent, c.screenHeight, c.screenWidth);
    EXPECT_EQ(g.top, c.expected.top);
    EXPECT_EQ(g.left, c.expected.left);
    EXPECT_EQ(g.height, c.expected.height);
    EXPECT_EQ(g.width, c.expected.width);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Scaling,
    ::testing::Values(
        // No adjustment keeps the design, whatever the screen.
        ScalingCase{-1, 1024, 768, {21, 5, 780, 860}}, ScalingCase{0, 3840, 2340, {21, 5, 780, 860}},
        // The design screen itself gives factors of exactly 1.
        ScalingCase{100, 1920, 1170, {21, 5, 780, 860}}, ScalingCase{37, 1920, 1170, {21, 5, 780, 860}},
        // 458.67 and 645.99... truncate toward zero.
        ScalingCase{100, 1024, 768, {13, 2, 512, 458}}, ScalingCase{50, 1024, 768, {17, 3, 645, 659}},
        ScalingCase{100, 3840, 2340, {42, 10, 1560, 1720}},
        // The colour detail window.
        ScalingCase{-1, 1280, 1024, {223, 443, 344, 417}, kDetailDesign},
        ScalingCase{100, 1920, 1170, {223, 443, 344, 417}, kDetailDesign},
        ScalingCase{100, 1920, 1080, {205, 443, 317, 417}, kDetailDesign},
        ScalingCase{100, 1280, 1024, {195, 295, 301, 278}, kDetailDesign},
        ScalingCase{50, 1280, 1024, {209, 369, 322, 347}, kDetailDesign},
        // 5/3 as a float32 lies just below it: 694, not 695.
        ScalingCase{100, 3200, 1170, {223, 738, 344, 694}, kDetailDesign}));

// An adjustment far outside any real one must not wrap round: sizes past the int range stay
// at its ends, so the panel call refuses them instead of taking a wrapped value.
TEST(ScalingLimits, ProductsBeyondTheIntRangeStopAtItsEnds) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    // Factor 1 + 1e7 on a screen twice the design: 21 and 5 still fit, 780 and 860 do not.
    const PanelGeometry up = ScaledPanelGeometry(kMainDesign, 1'000'000'000, 2340, 3840);
    EXPECT_EQ(up.top, 210000021);
    EXPECT_EQ(up.left, 50000005);
    EXPECT_EQ(up.height, kMax);
    EXPECT_EQ(up.width, kMax);
    const PanelGeometry down = ScaledPanelGeometry(kMainDesign, -1'000'000'000, 2340, 3840);
    EXPECT_EQ(down.height, kMin);
    EXPECT_EQ(down.width, kMin);
}

class BuildRules : public ::testing::Test {
  protected:
    void SetUp() override { ui_testing::ResetLayer(); }
    void TearDown() override { ui_testing::ResetLayer(); }
};

TEST_F(BuildRules, BuiltPanelTakesTheScaledGeometryAndAsksTheMonitorOnlyWhenAdjusting) {
    struct Case {
        int percent;
        int width, height;
        PanelGeometry expected;
        bool asksMonitor;
    };
    const Case cases[] = {{-1, 1024, 768, {21, 5, 780, 860}, false},
                          {0, 1024, 768, {21, 5, 780, 860}, false},
                          {100, 1024, 768, {13, 2, 512, 458}, true},
                          {50, 1024, 768, {17, 3, 645, 659}, true},
                          {100, 3840, 2340, {42, 10, 1560, 1720}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(c.percent);
        ui_testing::SetMonitorSize(c.width, c.height);
        ui_testing::StartRecording();
        const int panel = BuildPANEL(0);
        const Calls calls = ui_testing::StopRecording();
        ASSERT_GT(panel, 0);
        EXPECT_EQ(CountOf(calls, "GetMonitorFromPanel"), c.asksMonitor ? 1u : 0u);
        EXPECT_EQ(CountOf(calls, "GetMonitorAttribute"), c.asksMonitor ? 2u : 0u);
        int top = 0, left = 0, height = 0, width = 0;
        GetPanelAttribute(panel, 532, &top);
        GetPanelAttribute(panel, 531, &left);
        GetPanelAttribute(panel, 540, &height);
        GetPanelAttribute(panel, 533, &width);
        EXPECT_EQ(top, c.expected.top);
        EXPECT_EQ(left, c.expected.left);
        EXPECT_EQ(height, c.expected.height);
        EXPECT_EQ(width, c.expected.width);

        // 618 frames the adjustment: on just before it, off right after it.
        const std::size_t on = IndexOf(calls, "SetPanelAttribute", {Num(panel), "618", "1"});
        const std::size_t off = IndexOf(calls, "SetPanelAttribute", {Num(panel), "618", "0"});
        const std::size_t query = IndexOf(calls, "GetSystemAttribute", {"1500"});
        ASSERT_NE(on, std::string::npos);
        ASSERT_NE(off, std::string::npos);
        EXPECT_LT(on, query);
        EXPECT_LT(query, off);
    }
}

TEST_F(BuildRules, PictureTextWithoutImageLeavesNoBitmapAndIsNoFailure) {
    const int panel = NewPanel(0, "pictures", 0, 0, 100, 100);
    const int picture = NewCtrl(panel, 480, "", 0, 0);
    int bitmap = 0;
    ui_testing::StartRecording();
    EXPECT_EQ(LoadPicture(panel, picture, "not an image", bitmap), 0);
    const Calls calls = ui_testing::StopRecording();
    EXPECT_EQ(bitmap, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].operation, "GetUserBitmapFromText");
}

}  // namespace
