// The colour detail window: its build's calls in order, the stop at the first failing call,
// the scaling to the screen and what a person sees once a colour is written into it.
#include "windows/cielab_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"

namespace {

// The globals in creation order: the creating call's style, label, top and left, the constant
// name, then what is set after creation (attribute numbers, D for DefaultCtrl).
constexpr const char* kField =
    "501 1020 710 550 620 672 673 674 690 730 731 733 734 735 732 D 737 533 671 670 649 700";
constexpr const char* kPicture = "501 1020 550 620 672 673 674 1290 1292 540 533 671 670 649";
struct Control {
    int* global;
    const char* creation;
    const char* name;
    const char* steps;
};
const std::array<Control, 18> kControls{
    {{&CIELAB_COLORNUM, "131 \"\" 292 351", "COLORNUM",
      "501 1020 550 620 672 673 674 732 D 995 540 533 671 670 649"},
     {&CIELAB_NAME, "151 \"OCS\" 309 204", "NAME",
      "501 1020 550 620 640 642 644 647 672 673 674 676 680 690 732 D 760 533 671 670 649 700"},
     {&CIELAB_LOGO, "480 \"\" 272 7", "LOGO", kPicture},
     {&CIELAB_GRAPH, "441 \"\" 2 1", "GRAPH",
      "501 1020 620 672 673 674 1080 1081 1084 1085 1086 1090 1091 1124 1126 1149 1093 1149 1093 1149 "
      "1099 1149 1125 1149 1125 1149 1127 1149 1127 1115 1117 540 533 671 670 649 1149"},
     {&CIELAB_LSLIDE, "110 \"Lightness L*\" 265 159", "LSLIDE",
      "501 1020 710 550 620 672 673 674 690 730 731 733 734 732 D 737 972 973 974 980 985 540 533 671 "
      "670 970 971 649 700"},
     {&CIELAB_y, "100 \"y\" 70 269", "y", kField},
     {&CIELAB_x, "100 \"x\" 50 269", "x", kField},
     {&CIELAB_C, "100 \"C\" 250 348", "C", kField},
     {&CIELAB_L2, "100 \"L\" 230 348", "L2", kField},
     {&CIELAB_H, "100 \"H\" 210 348", "H", kField},
     {&CIELAB_b, "100 \"b*\" 170 348", "b", kField},
     {&CIELAB_a, "100 \"a*\" 150 348", "a", kField},
     {&CIELAB_L, "100 \"L*\" 130 348", "L", kField},
     {&CIELAB_Z, "100 \"Z\" 90 348", "Z", kField},
     {&CIELAB_Y, "100 \"Y\" 70 348", "Y", kField},
     {&CIELAB_X, "100 \"X\" 50 348", "X", kField},
     {&CIELAB_TEXTMSG, "160 \"\" 5 270", "TEXTMSG", "501 1020 620 680 682 690 732 D 540 533 861 700"},
     {&CIELAB_KELBRANT, "480 \"\" 8 229", "KELBRANT", kPicture}}};

using CielabPanel = WindowBuildTest<BuildCIELAB>;

TEST_F(CielabPanel, EachControlGetsItsAttributesInOrderWithTheDefaultRightAfter732) {
    const Calls calls = Build();
    ASSERT_GT(panel, 0);
    const std::string p = Num(panel);
    std::size_t at = IndexOf(calls, "NewCtrl");
    std::string selections, ends, scaling;
    for (const auto& [global, creation, name, expected] : kControls) {
        const auto& made = calls.at(at);
        ASSERT_TRUE(Matches(made, "NewCtrl", {p})) << at;
        EXPECT_EQ(made.args[1] + " " + made.args[2] + " " + made.args[3] + " " + made.args[4], creation);
        EXPECT_TRUE(Matches(calls.at(at + 1), "SetCtrlAttribute", {p, Num(*global), "501", Quoted(name)}));
        std::string steps;
        auto ends610 = [&](const ui_testing::RecordedCall& c) {
            return c.args.size() > 2 && c.args[2] == "610";
        };
        for (++at; calls[at].operation != "NewCtrl" && !ends610(calls[at]); ++at) {
            const auto& call = calls[at];
            if (call.operation == "SetAxisScalingMode")
                scaling += call.args[2] + call.args[3] + call.args[4] + call.args[5] + " ";
            if (call.operation != "DefaultCtrl" && call.operation != "SetCtrlAttribute") continue;
            EXPECT_EQ(call.args.at(1), Num(*global));
            steps += (steps.empty() ? "" : " ") + (call.operation == "DefaultCtrl" ? "D" : call.args.at(2));
            if (call.operation == "DefaultCtrl") continue;
            if (call.args[2] == "1149") selections += call.args[3];
            if (expected == kField && (call.args[2] == "730" || call.args[2] == "731"))
                ends += call.args[3] + " ";
        }
        EXPECT_EQ(steps, expected) << "control " << *global;
    }
    EXPECT_EQ(selections, "12112121");
    EXPECT_EQ(scaling, "00-100.0100.0 200.0100.0 210.0100.0 10-100.0100.0 ");
    // Only a* and b* (7th and 8th created) reach below 0; no field has an upper end.
    std::string expectedEnds;
    for (int f = 1; f <= 11; ++f) expectedEnds += f == 6 || f == 7 ? "inf -inf " : "inf 0.0 ";
    EXPECT_EQ(ends, expectedEnds);

    // Front-to-back places, the two tab positions, then the scaling frame with no adjustment.
    const std::array<int*, 18> front{
        &CIELAB_NAME, &CIELAB_KELBRANT, &CIELAB_C,      &CIELAB_L2,       &CIELAB_H,    &CIELAB_b,
        &CIELAB_a,    &CIELAB_L,        &CIELAB_y,      &CIELAB_x,        &CIELAB_Z,    &CIELAB_Y,
        &CIELAB_X,    &CIELAB_TEXTMSG,  &CIELAB_LSLIDE, &CIELAB_COLORNUM, &CIELAB_LOGO, &CIELAB_GRAPH};
    ASSERT_EQ(at, calls.size() - 24);
    for (int i = 0; i < 18; ++i)
        EXPECT_TRUE(Matches(calls[at + i], "SetCtrlAttribute", {p, Num(*front[i]), "610", Num(i)})) << i;
    const std::string ctrl = "SetCtrlAttribute", pan = "SetPanelAttribute";
    const std::vector<std::pair<std::string, std::vector<std::string>>> tail{
        {ctrl, {p, Num(CIELAB_COLORNUM), "612", "0"}},
        {ctrl, {p, Num(CIELAB_NAME), "612", "1"}},
        {pan, {p, "617", "0"}},
        {pan, {p, "618", "1"}},
        {"GetSystemAttribute", {"1500"}},
        {pan, {p, "618", "0"}}};
    for (std::size_t i = 0; i < tail.size(); ++i)
        EXPECT_TRUE(Matches(calls[at + 18 + i], tail[i].first, tail[i].second)) << i;
}

TEST_F(CielabPanel, PanelAttributesDependOnTheParent) {
    const int parent = NewPanel(0, "parent", 0, 0, 600, 600);
    for (int hParent : {0, parent}) {
        const Calls calls = Build(hParent);
        ASSERT_GT(panel, 0);
        EXPECT_TRUE(Matches(calls[0], "NewPanel",
                            {Num(hParent), Quoted("Kelbrant Ostrel"), "223", "443", "344", "417"}));
        std::string set;
        for (std::size_t i = 1; calls[i].operation == "SetPanelAttribute"; ++i) set += calls[i].args[1] + " ";
        EXPECT_EQ(set, hParent == 0 ? "501 513 552 570 580 599 600 619 621 615 "
                                    : "501 513 550 552 570 576 577 578 580 599 600 619 621 ");
    }
}

// A failure at a spread of calls, each named by its operation and its count among that
// operation's calls in a full build: the code comes back, no later call is made but the release
// of a bitmap in hand, and the half-built panel stays.
TEST_F(CielabPanel, FailureReturnsTheCodeAndStopsLeavingTheHalfBuiltPanel) {
    constexpr int kInjected = -9;
    const Calls full = Build();
    const std::pair<const char*, int> points[] = {{"NewPanel", 1},
                                                  {"SetPanelAttribute", 10},
                                                  {"NewCtrl", 1},
                                                  {"DefaultCtrl", 2},
                                                  {"GetUserBitmapFromText", 1},
                                                  {"SetCtrlBitmap", 1},
                                                  {"DiscardBitmap", 1},
                                                  {"NewCtrl", 4},
                                                  {"SetAxisScalingMode", 3},
                                                  {"SetCtrlAttribute", 150},
                                                  {"SetCtrlBitmap", 2},
                                                  {"NewCtrl", 18},
                                                  {"SetCtrlAttribute", 390},
                                                  {"GetSystemAttribute", 1},
                                                  {"SetPanelAttribute", 13}};
    for (const auto& [operation, occurrence] : points) {
        SCOPED_TRACE(std::string(operation) + " " + std::to_string(occurrence));
        std::size_t index = 0;
        for (int seen = 0; index < full.size(); ++index)
            if (full[index].operation == operation && ++seen == occurrence) break;
        ASSERT_LT(index, full.size());
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(0);
        ui_testing::StartRecording();
        ui_testing::FailNthCall(static_cast<int>(index) + 1, kInjected);
        EXPECT_EQ(BuildCIELAB(0), kInjected);
        const Calls calls = ui_testing::StopRecording();
        const bool holdsBitmap = std::string(operation).find("Bitmap") != std::string::npos &&
                                 operation != std::string("GetUserBitmapFromText");
        ASSERT_EQ(calls.size(), index + 1 + (holdsBitmap ? 1 : 0));
        for (std::size_t i = 0; i <= index; ++i) ASSERT_EQ(calls[i].operation, full[i].operation) << i;
        if (holdsBitmap) {
            EXPECT_TRUE(Matches(calls.back(), "DiscardBitmap", {calls[index].args.back()}));
        }
        if (operation == std::string("NewCtrl")) {
            EXPECT_EQ(*kControls[occurrence - 1].global, kInjected);
        }
        if (index == 0) continue;
        std::string name;
        EXPECT_EQ(GetPanelAttribute(std::stoi(calls[1].args[0]), 501, &name), 0);
        EXPECT_EQ(name, "CIELAB");
    }
}

int Channel(unsigned c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}
template <typename Test>
int CountInBox(const ui_testing::PanelImage& shot, int top, int left, int height, int width, Test test) {
    int n = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) n += test(shot.At(x, y)) ? 1 : 0;
    return n;
}

TEST_F(CielabPanel, StartsAtItsDefaultsAndShowsAColourAsTheShellWritesIt) {
    ASSERT_GT(panel = BuildCIELAB(0), 0);
    double lightness = 0.0;
    int swatch = 0;
    std::string code = "x", caption;
    GetCtrlVal(panel, CIELAB_LSLIDE, &lightness);
    GetCtrlVal(panel, CIELAB_COLORNUM, &swatch);
    GetCtrlVal(panel, CIELAB_NAME, &code);
    GetCtrlVal(panel, CIELAB_TEXTMSG, &caption);
    EXPECT_EQ(std::tuple(lightness, swatch, code, caption),
              std::tuple(30.0, 0xFFFFFF, std::string(),
                         std::string("Illuminant : D65\nObserver : 10\u00b0 (1964)")));
    // Every value field starts at 0 with three decimals, on its group's colour: xy, HLC, L*a*b*, XYZ.
    for (std::size_t i = 5; i < 16; ++i) {
        double value = -1.0;
        int decimals = 0, ground = 0;
        GetCtrlVal(panel, *kControls[i].global, &value);
        GetCtrlAttribute(panel, *kControls[i].global, 735, &decimals);
        GetCtrlAttribute(panel, *kControls[i].global, ATTR_TEXT_BGCOLOR, &ground);
        EXPECT_EQ(std::tuple(value, decimals, ground),
                  std::tuple(0.0, 3, std::array{0xFFE6FF, 0xFFF4D2, 0xECECFF, 0xEAFFEA}[(i - 4) / 3]))
            << kControls[i].name;
    }
    // The slide spans L* 0 to 100 in steps of 1; the code field takes 31 characters.
    for (const auto& [attribute, value] : {std::pair{730, 100.0}, {731, 0.0}, {733, 1.0}})
        EXPECT_TRUE(Holds(panel, CIELAB_LSLIDE, attribute, value));
    EXPECT_TRUE(Holds(panel, CIELAB_NAME, ATTR_MAX_ENTRY_LENGTH, 31));
    EXPECT_TRUE(Holds(panel, CIELAB_NAME, ATTR_TEXT_BGCOLOR, 0xFFFFEC));

    // The colour 010 90 05 as the shell writes it, with a swatch colour far from the window's own.
    constexpr unsigned kSwatch = 0xC0503A;
    const std::pair<int*, double> values[] = {
        {&CIELAB_H, 10.0},   {&CIELAB_L2, 90.0}, {&CIELAB_C, 5.0},    {&CIELAB_L, 90.0},
        {&CIELAB_a, 4.924},  {&CIELAB_b, 0.868}, {&CIELAB_X, 74.708}, {&CIELAB_Y, 76.303},
        {&CIELAB_Z, 80.735}, {&CIELAB_x, 0.322}, {&CIELAB_y, 0.329},  {&CIELAB_LSLIDE, 90.0}};
    for (const auto& [control, value] : values) ASSERT_EQ(SetCtrlVal(panel, *control, value), 0);
    ASSERT_EQ(SetCtrlVal(panel, CIELAB_NAME, "010 90 05"), 0);
    ASSERT_EQ(SetCtrlVal(panel, CIELAB_COLORNUM, static_cast<int>(kSwatch)), 0);
    ASSERT_GT(PlotPoint(panel, CIELAB_GRAPH, 4.924, 0.868, 12, kSwatch), 0);
    for (int axis : {0, 1}) ASSERT_EQ(SetAxisScalingMode(panel, CIELAB_GRAPH, axis, 0, -10.0, 10.0), 0);

    const ui_testing::PanelImage shot = ui_testing::GrabPanel(panel);
    ui_testing::SavePanelPng(panel, ::testing::TempDir() + "cielab_window.png");
    ASSERT_EQ(std::pair(shot.width, shot.height), std::pair(417, 344));
    auto swatchColour = [&](unsigned c) {
        return std::abs(Channel(c, 16) - 0xC0) + std::abs(Channel(c, 8) - 0x50) +
                   std::abs(Channel(c, 0) - 0x3A) <
               12;
    };
    // The swatch (43 x 39 at 292, 351) inside its frame; the point right of and above the
    // graph's centre.
    EXPECT_EQ(CountInBox(shot, 298, 357, 27, 31, swatchColour), 27 * 31);
    const int inGraph = CountInBox(shot, 2, 1, 256, 267, swatchColour);
    EXPECT_GT(inGraph, 20);
    EXPECT_EQ(CountInBox(shot, 2, 134, 128, 134, swatchColour), inGraph);
    // Dark digits on the pale green of X and the pale blue of a*; the code in blue.
    auto dark = [](unsigned c) { return Channel(c, 8) < 0x70; };
    EXPECT_GT(CountInBox(shot, 50, 348, 15, 52, dark), 15);
    EXPECT_GT(CountInBox(shot, 150, 348, 15, 52, dark), 15);
    EXPECT_GT(
        CountInBox(shot, 309, 204, 15, 98, [](unsigned c) { return Channel(c, 0) > Channel(c, 16) + 100; }),
        15);
    // The caption whole: its stand-in font runs wider than the box was made for, so the text is
    // drawn smaller rather than cut at the box's edges. The maker's mark over the graph.
    auto violet = [](unsigned c) { return c != 0xFFFFFF && Channel(c, 0) > 0xE0 && Channel(c, 16) > 0xA0; };
    EXPECT_GT(CountInBox(shot, 5, 270, 32, 127, violet), 40);
    EXPECT_EQ(CountInBox(shot, 5, 270, 32, 1, violet) + CountInBox(shot, 5, 396, 32, 1, violet), 0);
    EXPECT_GT(CountInBox(shot, 8, 229, 30, 30, dark), 20);
}

}  // namespace
