// The 3D chart window's build: its calls, the identifiers the chart relies on, the values it
// starts with, its canvas picture and the stop at the first failing call.
#include "ui/chart3d_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "platform/ui/text_image.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/ui/call_log_helpers.h"
#include "ui/chart3d_pictures.h"

namespace {

std::array<int*, 10> ControlGlobals() {
    return {&CHART3D_CANVAS,     &CHART3D_PHISLIDE, &CHART3D_LOGO,        &CHART3D_THETASLIDE,
            &CHART3D_COPYBUTTON, &CHART3D_RHOSLIDE, &CHART3D_RESETBUTTON, &CHART3D_EDGESCHECKBOX,
            &CHART3D_SCALESLIDE, &CHART3D_CHARTNAME};
}

class Chart3dPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(0);
        for (int* global : ControlGlobals()) *global = 0;
    }
    void TearDown() override { ui_testing::ResetLayer(); }
    Calls Build(int parent = 0) {
        ui_testing::StartRecording();
        panel = BuildCHART3D(parent);
        return ui_testing::StopRecording();
    }
    int panel = 0;
};

TEST_F(Chart3dPanel, TenControlsInTheirFixedOrderWithTheirStartingValues) {
    const Calls calls = Build();
    ASSERT_GT(panel, 0);
    const std::map<std::string, std::size_t> expected{{"NewPanel", 1},         {"SetPanelAttribute", 12},
                                                      {"NewCtrl", 10},         {"SetCtrlAttribute", 230},
                                                      {"DefaultCtrl", 8},      {"GetUserBitmapFromText", 2},
                                                      {"CanvasDrawBitmap", 1}, {"SetCtrlBitmap", 1},
                                                      {"DiscardBitmap", 2},    {"GetSystemAttribute", 1}};
    std::size_t total = 0;
    for (const auto& [operation, count] : expected) {
        EXPECT_EQ(CountOf(calls, operation), count) << operation;
        total += count;
    }
    EXPECT_EQ(calls.size(), total);
    EXPECT_TRUE(Matches(calls[0], "NewPanel", {"0", Quoted("Kelbrant Ostrel"), "198", "76", "619", "537"}));
    EXPECT_TRUE(Matches(calls[9], "SetPanelAttribute", {Num(panel), "615", "1"}));
    EXPECT_TRUE(Matches(calls.back(), "SetPanelAttribute", {Num(panel), "618", "0"}));

    const std::array<const char*, 10> styles{"500", "114", "480", "114", "205",
                                             "114", "205", "226", "113", "160"};
    std::size_t from = 0;
    for (int i = 0; i < 10; ++i) {
        from = IndexOf(calls, "NewCtrl", {}, from) + 1;
        EXPECT_EQ(calls[from - 1].args[1], styles[i]);
        EXPECT_EQ(*ControlGlobals()[i], i + 2);
    }
    // The canvas's picture goes into its drawing right after its last attribute.
    const std::size_t drawn = IndexOf(calls, "CanvasDrawBitmap");
    EXPECT_TRUE(Matches(calls[drawn - 2], "SetCtrlAttribute", {Num(panel), "2", "649", "1"}));
    EXPECT_TRUE(Matches(calls[drawn], "CanvasDrawBitmap",
                        {Num(panel), "2", calls[drawn + 1].args[0], "(0,0,-1,-1)", "(0,0,-1,-1)"}));

    float angle = 1.0f, scale = 0.0f;
    int edges = 0, front = -1, back = -1;
    for (int slide : {3, 5, 7}) {
        GetCtrlVal(panel, slide, &angle);
        EXPECT_EQ(angle, 0.0f);
    }
    GetCtrlVal(panel, 10, &scale);
    GetCtrlVal(panel, 9, &edges);
    EXPECT_EQ(scale, 2.5f);
    EXPECT_EQ(edges, 1);
    GetCtrlAttribute(panel, CHART3D_CHARTNAME, 610, &front);
    GetCtrlAttribute(panel, CHART3D_CANVAS, 610, &back);
    EXPECT_EQ(front, 0);
    EXPECT_EQ(back, 9);
    EXPECT_EQ(IndexOf(calls, "SetCtrlAttribute", {Num(panel), "5", "735"}), std::string::npos);

    int canvas = 0;
    GetCtrlBitmap(panel, CHART3D_CANVAS, 0, &canvas);
    const ui_testing::PanelImage shot = ui_testing::GrabPanel(panel);
    const QImage ground = *ui_detail::ImageFromText(kChartBackgroundBitmapText);
    EXPECT_EQ(shot.At(13 + 300, 21 + 400), ground.pixel(300, 400) & 0xFFFFFF);
    DiscardBitmap(canvas);
}

TEST_F(Chart3dPanel, ChildWindowGetsFrameColoursAndScalingFollowsTheScreen) {
    const int parent = NewPanel(0, "parent", 0, 0, 100, 100);
    const Calls calls = Build(parent);
    const std::string p = Num(panel);
    EXPECT_NE(IndexOf(calls, "SetPanelAttribute", {p, "550", Num(0xECE9D8)}), std::string::npos);
    EXPECT_NE(IndexOf(calls, "SetPanelAttribute", {p, "576", Num(0xECE9D8)}), std::string::npos);
    EXPECT_EQ(IndexOf(calls, "SetPanelAttribute", {p, "615"}), std::string::npos);

    ui_testing::SetResolutionAdjustment(100);
    ui_testing::SetMonitorSize(1280, 1024);
    const Calls scaled = Build();
    const std::size_t h = IndexOf(scaled, "SetPanelAttribute", {Num(panel), "540"});
    ASSERT_NE(h, std::string::npos);
    EXPECT_TRUE(Matches(scaled[h + 1], "SetPanelAttribute", {Num(panel), "533", "358"}));
    EXPECT_TRUE(Matches(scaled[h + 2], "SetPanelAttribute", {Num(panel), "532", "173"}));
    EXPECT_TRUE(Matches(scaled[h + 3], "SetPanelAttribute", {Num(panel), "531", "50"}));
    EXPECT_EQ(scaled[h].args[2], "541");
}

// Every call can fail: the build stops there with its code, controls not reached keep 0 and
// a picture made but not placed is freed.
TEST_F(Chart3dPanel, FirstFailingCallEndsTheBuildWithItsCode) {
    const std::size_t total = Build().size();
    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE(n);
        ui_testing::ResetLayer();
        for (int* global : ControlGlobals()) *global = 0;
        ui_testing::FailNthCall(static_cast<int>(n), -9);
        const Calls calls = Build();
        ASSERT_EQ(panel, -9);
        const std::string failed = calls[n - 1].operation;
        const int made = static_cast<int>(CountOf(calls, "NewCtrl"));
        for (int i = made; i < 10; ++i) EXPECT_EQ(*ControlGlobals()[i], 0);
        if (failed == "CanvasDrawBitmap" || failed == "SetCtrlBitmap" || failed == "DiscardBitmap") {
            ASSERT_EQ(calls.size(), n + 1);
            EXPECT_EQ(calls.back().operation, "DiscardBitmap");
        } else {
            EXPECT_EQ(calls.size(), n);
        }
    }
}

}  // namespace
