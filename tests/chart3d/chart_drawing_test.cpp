// The chart's plot, previews, commits, reset and copy: their calls and what the canvas shows.
#include <cmath>
#include <map>
#include <tuple>

#include "colour/cie_conversions.h"
#include "colour/ral_design.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/bitmap_store.h"
#include "platform/ui/text_image.h"
#include "tests/chart3d/chart_fixture.h"
#include "windows/chart3d_pictures.h"

namespace {

using Chart = ChartWindow;
using Key = std::tuple<int, int, int>;  // colour, column, row

// Each colour's dot at the start state, from the colour core and the top view; value L*.
std::multimap<Key, float> StartStateDots() {
    int count = 0;
    const RalDesignColor* table = GetRalDesignDataAddress(&count);
    std::multimap<Key, float> dots;
    for (int i = 0; i < count; ++i) {
        const RalDesignColor& c = table[i];
        dots.insert({{RGB__int(XYZ__RGB(Lab__XYZ({c.L, c.a, c.b}, whiteRef))),
                      static_cast<int>(static_cast<float>(2.5 * c.b + 256.0)),
                      static_cast<int>(static_cast<float>(2.5 * c.a + 256.0))},
                     c.L});
    }
    return dots;
}

TEST_F(Chart, PlotDrawsGroundAxesLabelsThenEveryDotFarthestFirst) {
    const auto calls = Record(PlotCHART3D);
    const std::vector<std::string> head{
        "GetPanelAttribute 530",
        "CanvasDrawBitmap 2 " + Num(backgroundBitmap) + " (0,0,-1,-1) (0,0,-1,-1)",
        "SetCtrlAttribute 2 1355 1",
        "SetCtrlAttribute 2 1350 " + Num(0xF04000),
        "CanvasDrawLine 2 (256,256) (256,531)",
        "CanvasDrawLine 2 (256,256) (531,256)",
        "CanvasDrawLine 2 (256,256) (256,256)",
        "SetCtrlAttribute 2 1350 " + Num(0xE02000),
        "SetCtrlAttribute 2 1351 " + Num(0x1000000),
        "CanvasDrawTextAtPoint 2 \"a*\" \"NIAppMetaFont\" (256,531) 9",
        "CanvasDrawTextAtPoint 2 \"b*\" \"NIAppMetaFont\" (531,256) 9",
        "CanvasDrawTextAtPoint 2 \"L*\" \"NIAppMetaFont\" (256,256) 9",
        "SetCtrlAttribute 2 1355 10"};
    ASSERT_EQ(calls.size(), head.size() + 2 * 1688 + 1);
    EXPECT_EQ(Slice(calls, 0, head.size()), head);
    EXPECT_EQ(calls.back(), "SetCtrlAttribute 2 1355 1");
    auto expected = StartStateDots();
    float previous = 0.0f;
    for (std::size_t i = head.size(); i + 1 < calls.size(); i += 2) {
        int colour = -1, x = 0, y = 0;
        std::sscanf(calls[i].c_str(), "SetCtrlAttribute 2 1350 %d", &colour);
        std::sscanf(calls[i + 1].c_str(), "CanvasDrawPoint 2 (%d,%d)", &x, &y);
        const auto found = expected.find({colour, x, y});
        ASSERT_NE(found, expected.end()) << calls[i] << " " << calls[i + 1];
        EXPECT_GE(found->second, previous);
        previous = found->second;
        expected.erase(found);
    }
    DiscardBitmap(backgroundBitmap);
    backgroundBitmap = 0;
    EXPECT_EQ(Record(PlotCHART3D).at(1), "CanvasClear 2 (0,0,-1,-1)");
    HidePanel(chart3dPanel);
    EXPECT_EQ(Record(PlotCHART3D), std::vector<std::string>{"GetPanelAttribute 530"});
}

TEST_F(Chart, CanvasShowsTheLightestGreyOnTopOverAxisAndGround) {
    PlotCHART3D();
    const ui_testing::PanelImage shot = ui_testing::GrabPanel(chart3dPanel);
    auto at = [&](int x, int y) { return static_cast<int>(shot.At(13 + x, 21 + y)); };
    // The nearest dot covering the centre; a dot 10 wide spans x - 5 .. x + 4.
    std::pair<float, int> top{0.0f, -1};
    for (const auto& [key, lightness] : StartStateDots()) {
        const auto [colour, x, y] = key;
        if (std::abs(x - 256 + 0.5) <= 5 && std::abs(y - 256 + 0.5) <= 5)
            top = std::max(top, {lightness, colour});
    }
    EXPECT_GT(top.first, 89.0f);
    EXPECT_EQ(at(256, 256), top.second);
    EXPECT_EQ(at(256, 460), 0xF04000);  // the a* axis, below every dot
    const QImage ground = *ui_detail::ImageFromText(kChartBackgroundBitmapText);
    EXPECT_EQ(at(40, 470), static_cast<int>(ground.pixel(40, 470) & 0xFFFFFF));
}

TEST_F(Chart, ValueChangePreviewsTwoBoxesAndCommitDrawsTheStoredOne) {
    EXPECT_TRUE(Record([] {
                    RotateCallback(chart3dPanel, 7, EVENT_LEFT_CLICK, nullptr, 0, 0);
                    RotateCallback(chart3dPanel, 9, EVENT_VAL_CHANGED, nullptr, 0, 0);
                    ResetCallback(chart3dPanel, 8, EVENT_VAL_CHANGED, nullptr, 0, 0);
                    Copy3DCallback(chart3dPanel, 6, EVENT_LEFT_CLICK, nullptr, 0, 0);
                }).empty());
    const auto preview = Record([] { RotateCallback(chart3dPanel, 7, EVENT_VAL_CHANGED, nullptr, 0, 0); });
    ASSERT_EQ(preview.size(), 22u);
    EXPECT_EQ(Slice(preview, 0, 3), (std::vector<std::string>{"GetCtrlVal 7", "CanvasClear 2 (0,0,-1,-1)",
                                                              "SetCtrlAttribute 2 1350 " + Num(0xFFEEBB)}));
    EXPECT_EQ(Slice(preview, 3, 9), TopViewBox(100));
    EXPECT_EQ(preview[12], "SetCtrlAttribute 2 1350 " + Num(0xFFDD00));
    EXPECT_EQ(Slice(preview, 13, 9), TopViewBox(250));
    EXPECT_EQ(Count(Record([] { RotateCallback(0, 0, EVENT_VAL_CHANGED, nullptr, 0, 0); }), "GetCtrlVal"),
              0u);

    const auto commit = Record([] { RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    EXPECT_EQ(Count(commit, "GetCtrlVal"), 1u);
    EXPECT_EQ(Slice(commit, commit.size() - 11, 2),
              (std::vector<std::string>{"GetCtrlVal 9", "SetCtrlAttribute 2 1350 " + Num(0xFFDD00)}));
    EXPECT_EQ(Slice(commit, commit.size() - 9, 9), TopViewBox(250));
    SetCtrlVal(chart3dPanel, 9, 0);
    EXPECT_EQ(Record([] { RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); }).back(), "GetCtrlVal 9");
}

TEST_F(Chart, TheHiddenCornerLosesItsOwnThreeEdges) {
    // The search keeps the truncated least depth: corner 0 at -115.99 (kept as -115), then
    // corner 4 at -115.69 lies below it and is taken, though corner 0 is farther.
    for (const auto& [control, degrees] : {std::pair{5, -89.0}, {3, -80.0}, {7, -90.0}}) {
        SetCtrlVal(chart3dPanel, control, degrees);
        RotateCallback(chart3dPanel, control, EVENT_VAL_CHANGED, nullptr, 0, 0);
    }
    EXPECT_EQ(hiddenCorner, 4);

    std::array<Point, 8> corners{};
    for (int k = 0; k < 8; ++k) corners[k] = MakePoint(k, 10 * k);
    for (int hidden = 0; hidden < 8; ++hidden) {
        const auto calls = Record([&] { DrawEdges(corners, hidden, 0x123456); });
        ASSERT_EQ(calls.size(), 10u);
        const std::string point = "(" + Num(hidden) + "," + Num(10 * hidden) + ")";
        for (const std::string& line : Slice(calls, 1, 9))
            EXPECT_EQ(line.find(point), std::string::npos) << line;
    }
}

TEST_F(Chart, SlidesSetScaleDotSizeAnglesAndTheProjectionInForce) {
    for (const auto& [scale, dot] :
         {std::pair{2.5, 10}, {1.0, 4}, {2.9, 11}, {3.0, 12}, {3.1, 12}, {6.0, 12}}) {
        SetCtrlVal(chart3dPanel, 10, scale);
        RotateCallback(chart3dPanel, 10, EVENT_VAL_CHANGED, nullptr, 0, 0);
        EXPECT_EQ(std::tie(chartScale, dotSize), std::make_tuple(static_cast<float>(scale), dot));
    }
    EXPECT_EQ(projection, ProjectZYX);
    SetCtrlVal(chart3dPanel, 3, 90.0);
    RotateCallback(chart3dPanel, 3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_EQ(cosPhi, static_cast<float>(std::cos(double{static_cast<float>(90.0f * 0.017453292519943295)})));
    EXPECT_LT(cosPhi, 0.0f);
    EXPECT_EQ(std::tie(sinPhi, projection), std::make_tuple(1.0f, Projection{ProjectXZY}));
    SetCtrlVal(chart3dPanel, 5, 40.0);
    RotateCallback(chart3dPanel, 5, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_EQ(projection, ProjectYXZ);
    const Point thetaLast = edgePoints[2];
    RotateCallback(chart3dPanel, 3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_NE(std::tie(thetaLast.x, thetaLast.y), std::tie(edgePoints[2].x, edgePoints[2].y));
    // A real drag: a preview per step, one full plot on release.
    const auto drag = Record([] { ui_testing::MoveSlide(chart3dPanel, 7, {10.0, 20.0, 30.0}); });
    EXPECT_EQ(std::make_pair(Count(drag, "CanvasClear"), Count(drag, "CanvasDrawPoint")),
              std::make_pair(3ul, 1688ul));
}

TEST_F(Chart, ResetTurnsToTheTopViewAtTheScaleInForce) {
    SetCtrlVal(chart3dPanel, 10, 4.0);
    RotateCallback(chart3dPanel, 10, EVENT_VAL_CHANGED, nullptr, 0, 0);
    ui_testing::MoveSlide(chart3dPanel, 3, {30.0});
    const auto calls = Record([] { ResetCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    EXPECT_EQ(Slice(calls, 0, 4), (std::vector<std::string>{"SetCtrlVal 7 0.0", "SetCtrlVal 5 0.0",
                                                            "SetCtrlVal 3 0.0", "GetCtrlVal 7"}));
    EXPECT_EQ(Count(calls, "SetCtrlAttribute 2 1355 12"), 1u);
    EXPECT_EQ(Slice(calls, calls.size() - 9, 9), TopViewBox(400));
    EXPECT_EQ(std::tie(cosPhi, cosTheta, cosRho, sinPhi, sinTheta, sinRho),
              std::make_tuple(1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f));
    float scale = 0.0f;
    GetCtrlVal(chart3dPanel, 10, &scale);
    EXPECT_EQ(std::tie(scale, projection), std::make_tuple(4.0f, Projection{ProjectZYX}));
}

TEST_F(Chart, CopyPutsTheCanvasOnTheClipboardAndSaysHowItWent) {
    RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    ui_testing::QueueMessageAnswer();
    const auto calls = Record([] { Copy3DCallback(chart3dPanel, 6, EVENT_COMMIT, nullptr, 0, 0); });
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], "GetCtrlBitmap 2 0");
    EXPECT_EQ(calls[2], "DiscardBitmap " + calls[1].substr(calls[1].find(' ') + 1));
    EXPECT_EQ(calls[3], "MessagePopup " + Quoted(title) + " " + Quoted("Copy to clipboard : OK"));
    int copied = 0, canvas = 0;
    ClipboardGetBitmap(&copied, nullptr);
    GetCtrlBitmap(chart3dPanel, 2, 0, &canvas);
    ASSERT_NE(copied, 0);
    EXPECT_EQ(*ui_detail::FindBitmap(copied), *ui_detail::FindBitmap(canvas));
    DiscardBitmap(copied);
    DiscardBitmap(canvas);

    // A refused image reads "failed"; called by the program itself, nothing is shown.
    ui_testing::TakeShownPopups();
    ui_testing::QueueMessageAnswer();
    ui_testing::FailNthCall(2, -3);
    Copy3DCallback(chart3dPanel, 6, EVENT_COMMIT, nullptr, 0, 0);
    const auto quiet = Record([] {
        Copy3DCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
        Copy3DCallback(chart3dPanel, 0, EVENT_COMMIT, nullptr, 0, 0);
        Copy3DCallback(0, 6, EVENT_COMMIT, nullptr, 0, 0);
    });
    const auto shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Copy to clipboard : failed");
    EXPECT_EQ(std::make_pair(Count(quiet, "ClipboardPutBitmap"), Count(quiet, "MessagePopup")),
              std::make_pair(3ul, 0ul));
}

}  // namespace
