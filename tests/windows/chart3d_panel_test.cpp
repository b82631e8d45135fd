// The 3D chart window's build: its calls, the identifiers the chart relies on, the values it
// starts with, its canvas picture and the stop at the first failing call.
#include "windows/chart3d_panel.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/ui/text_image.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"
#include "windows/chart3d_pictures.h"

namespace {

std::array<int*, 10> ControlGlobals() {
    return {&CHART3D_CANVAS,     &CHART3D_PHISLIDE, &CHART3D_LOGO,        &CHART3D_THETASLIDE,
            &CHART3D_COPYBUTTON, &CHART3D_RHOSLIDE, &CHART3D_RESETBUTTON, &CHART3D_EDGESCHECKBOX,
            &CHART3D_SCALESLIDE, &CHART3D_CHARTNAME};
}

// A build on a fresh layer, inside a parent panel when `child`; failAt > 0 makes that call of
// the build fail with -9.
Calls Build(int& panel, int failAt = 0, bool child = false) {
    ui_testing::ResetLayer();
    ui_testing::SetResolutionAdjustment(0);
    for (int* global : ControlGlobals()) *global = 0;
    const int parent = child ? NewPanel(0, "parent", 0, 0, 700, 700) : 0;
    if (failAt > 0) ui_testing::FailNthCall(failAt, -9);
    ui_testing::StartRecording();
    panel = BuildCHART3D(parent);
    return ui_testing::StopRecording();
}

// The panel attributes set right after NewPanel, by number.
std::string PanelAttributes(const Calls& calls) {
    std::string set;
    for (std::size_t i = 1; calls[i].operation == "SetPanelAttribute"; ++i) set += calls[i].args[1] + " ";
    return set;
}

TEST(Chart3dPanel, TenControlsInTheirFixedOrderWithTheirStartingValues) {
    int panel = 0;
    const Calls calls = Build(panel);
    ASSERT_GT(panel, 0);
    // The captions, the ranges, steps and digits the slides offer, and the look of the chart's name.
    const struct {
        int* control;
        int attribute;
        AttrValue value;
    } values[] = {{&CHART3D_PHISLIDE, 641, "Phi (/a*)"},
                  {&CHART3D_THETASLIDE, 641, "Theta (/b*)"},
                  {&CHART3D_RHOSLIDE, 641, "Rho (/L*)"},
                  {&CHART3D_SCALESLIDE, 641, "Scale x"},
                  {&CHART3D_RESETBUTTON, 641, "reset"},
                  {&CHART3D_COPYBUTTON, 641, "Copy"},
                  {&CHART3D_EDGESCHECKBOX, 641, "Edges"},
                  {&CHART3D_PHISLIDE, 730, 90.0},
                  {&CHART3D_PHISLIDE, 731, -90.0},
                  {&CHART3D_PHISLIDE, 733, 1.0},
                  {&CHART3D_PHISLIDE, 735, 0},
                  {&CHART3D_THETASLIDE, 730, 90.0},
                  {&CHART3D_THETASLIDE, 731, -90.0},
                  {&CHART3D_RHOSLIDE, 730, 90.0},
                  {&CHART3D_RHOSLIDE, 731, -90.0},
                  {&CHART3D_RHOSLIDE, 735, 0},
                  {&CHART3D_SCALESLIDE, 730, 6.0},
                  {&CHART3D_SCALESLIDE, 731, 1.0},
                  {&CHART3D_SCALESLIDE, 733, 0.1},
                  {&CHART3D_SCALESLIDE, 735, 1},
                  {&CHART3D_CHARTNAME, 680, 0x0000B9},
                  {&CHART3D_CHARTNAME, 682, "Arial Black"},
                  {&CHART3D_CHARTNAME, 686, 16},
                  {&CHART3D_CANVAS, 1291, 0xF2F2FF}};
    for (const auto& v : values) EXPECT_TRUE(Holds(panel, *v.control, v.attribute, v.value));
    EXPECT_TRUE(Matches(calls[0], "NewPanel", {"0", Quoted("Kelbrant Ostrel"), "198", "76", "619", "537"}));
    EXPECT_EQ(PanelAttributes(calls), "501 513 552 570 580 600 619 621 615 ");
    EXPECT_TRUE(Matches(calls.back(), "SetPanelAttribute", {Num(panel), "618", "0"}));
    const std::array<const char*, 10> styles{"500", "114", "480", "114", "205",
                                             "114", "205", "226", "113", "160"};
    std::size_t made = 0;
    for (int i = 0; i < 10; ++i) {
        made = IndexOf(calls, "NewCtrl", {}, made) + 1;
        EXPECT_EQ(calls[made - 1].args[1], styles[i]);
        EXPECT_EQ(*ControlGlobals()[i], i + 2);
    }
    const std::size_t drawn = IndexOf(calls, "CanvasDrawBitmap");
    EXPECT_TRUE(Matches(calls[drawn - 2], "SetCtrlAttribute", {Num(panel), "2", "649", "1"}));
    EXPECT_EQ(IndexOf(calls, "SetCtrlAttribute", {Num(panel), "5", "735"}), std::string::npos);

    float phi = 1.0f, theta = 1.0f, rho = 1.0f, scale = 0.0f;
    int edges = 0, front = -1, back = -1;
    GetCtrlVal(panel, 3, &phi);
    GetCtrlVal(panel, 5, &theta);
    GetCtrlVal(panel, 7, &rho);
    GetCtrlVal(panel, 10, &scale);
    GetCtrlVal(panel, 9, &edges);
    GetCtrlAttribute(panel, CHART3D_CHARTNAME, 610, &front);
    GetCtrlAttribute(panel, CHART3D_CANVAS, 610, &back);
    EXPECT_EQ(std::tie(phi, theta, rho, scale), std::make_tuple(0.0f, 0.0f, 0.0f, 2.5f));
    EXPECT_EQ(std::tie(edges, front, back), std::make_tuple(1, 0, 9));
    // The hidden window's canvas already holds its ground.
    const ui_testing::PanelImage shot = ui_testing::GrabPanel(panel);
    const QImage ground = *ui_detail::ImageFromText(kChartBackgroundBitmapText);
    EXPECT_EQ(shot.At(13 + 300, 21 + 400), ground.pixel(300, 400) & 0xFFFFFF);

    const Calls inParent = Build(panel, 0, true);
    ASSERT_GT(panel, 0);
    EXPECT_EQ(PanelAttributes(inParent), "501 513 550 552 570 576 580 600 619 621 ");
    for (std::size_t i : {3, 6}) EXPECT_EQ(inParent[i].args[2], Num(0xECE9D8));
}

// Every call can fail: the build stops there with its code, controls not reached keep 0, and
// a picture made but not placed is freed.
TEST(Chart3dPanel, FirstFailingCallEndsTheBuildWithItsCode) {
    int panel = 0;
    const std::size_t total = Build(panel).size();
    for (std::size_t n = 1; n <= total; ++n) {
        SCOPED_TRACE(n);
        const Calls calls = Build(panel, static_cast<int>(n));
        ASSERT_EQ(panel, -9);
        const std::string failed = calls[n - 1].operation;
        for (std::size_t i = CountOf(calls, "NewCtrl"); i < 10; ++i) EXPECT_EQ(*ControlGlobals()[i], 0);
        const bool holdsPicture =
            failed == "CanvasDrawBitmap" || failed == "SetCtrlBitmap" || failed == "DiscardBitmap";
        ASSERT_EQ(calls.size(), holdsPicture ? n + 1 : n);
        if (holdsPicture) {
            EXPECT_EQ(calls.back().operation, "DiscardBitmap");
        }
    }
    ui_testing::ResetLayer();
}

}  // namespace
