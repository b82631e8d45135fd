// The slides, the Edges box, reset and copy: the state they set and what they draw.
#include <cmath>
#include <tuple>

#include "chart3d/chart3d.h"
#include "platform/ui/bitmap_store.h"
#include "tests/chart3d/chart_fixture.h"

namespace {

using ChartControls = ChartWindow;

std::vector<std::string> Lines(const Calls& calls, std::size_t from, std::size_t count) {
    std::vector<std::string> lines;
    for (std::size_t i = from; i < from + count && i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].operation, "CanvasDrawLine") << i;
        lines.push_back(calls[i].args.at(2) + "-" + calls[i].args.at(3));
    }
    return lines;
}

// The box seen from above at `half` pixels from the centre, without corner 0's three edges.
std::vector<std::string> TopViewBox(int half) {
    const std::string lo = Num(256 - half), hi = Num(256 + half);
    const std::string c1 = "(" + lo + "," + hi + ")", c2 = "(" + hi + "," + hi + ")",
                      c3 = "(" + hi + "," + lo + ")", c0 = "(" + lo + "," + lo + ")";
    return {c1 + "-" + c2, c2 + "-" + c3, c0 + "-" + c1, c1 + "-" + c2, c2 + "-" + c3,
            c3 + "-" + c0, c1 + "-" + c1, c2 + "-" + c2, c3 + "-" + c3};
}

TEST_F(ChartControls, OtherEventsAndTheEdgesBoxChangeDoNothing) {
    const Calls calls = Record([] {
        for (CtrlCallbackPtr callback : {RotateCallback, ResetCallback, Copy3DCallback})
            callback(chart3dPanel, 7, EVENT_LEFT_CLICK, nullptr, 0, 0);
        RotateCallback(chart3dPanel, 9, EVENT_VAL_CHANGED, nullptr, 0, 0);
        ResetCallback(chart3dPanel, 8, EVENT_VAL_CHANGED, nullptr, 0, 0);
    });
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(projection, ProjectZYX);
}

TEST_F(ChartControls, ValueChangeClearsAndDrawsBothBoxesWithoutTheFarCorner) {
    const std::string p = Num(chart3dPanel);
    const Calls calls = Record([] { RotateCallback(chart3dPanel, 7, EVENT_VAL_CHANGED, nullptr, 0, 0); });
    ASSERT_EQ(calls.size(), 22u);
    EXPECT_TRUE(Matches(calls[0], "GetCtrlVal", {p, "7"}));
    EXPECT_TRUE(Matches(calls[1], "CanvasClear", {p, "2", "(0,0,-1,-1)"}));
    EXPECT_TRUE(Matches(calls[2], "SetCtrlAttribute", {p, "2", "1350", Num(0xFFEEBB)}));
    EXPECT_EQ(Lines(calls, 3, 9), TopViewBox(100));
    EXPECT_TRUE(Matches(calls[12], "SetCtrlAttribute", {p, "2", "1350", Num(0xFFDD00)}));
    EXPECT_EQ(Lines(calls, 13, 9), TopViewBox(250));
    EXPECT_EQ(hiddenCorner, 0);

    // Control 0 reads nothing and changes nothing, but still previews.
    const Calls none = Record([] { RotateCallback(0, 0, EVENT_VAL_CHANGED, nullptr, 0, 0); });
    EXPECT_EQ(none.size(), 21u);
    EXPECT_EQ(CountOf(none, "GetCtrlVal"), 0u);
}

TEST_F(ChartControls, EveryHiddenCornerLosesItsOwnThreeEdges) {
    std::array<Point, 8> corners{};
    for (int k = 0; k < 8; ++k) corners[k] = MakePoint(k, 10 * k);
    for (int hidden = 0; hidden < 8; ++hidden) {
        SCOPED_TRACE(hidden);
        const Calls calls = Record([&] { DrawEdges(corners, hidden, 0x123456); });
        ASSERT_EQ(calls.size(), 10u);
        EXPECT_TRUE(Matches(calls[0], "SetCtrlAttribute", {Num(chart3dPanel), "2", "1350", Num(0x123456)}));
        for (const std::string& line : Lines(calls, 1, 9))
            EXPECT_EQ(line.find(P(corners[hidden])), std::string::npos) << line;
    }
}

TEST_F(ChartControls, ScaleSlideSetsScaleAndDotSize) {
    const std::pair<double, int> cases[] = {{2.5, 10}, {1.0, 4}, {2.9, 11}, {3.0, 12}, {3.1, 12}, {6.0, 12}};
    for (const auto& [scale, dot] : cases) {
        SetCtrlVal(chart3dPanel, 10, scale);
        RotateCallback(chart3dPanel, 10, EVENT_VAL_CHANGED, nullptr, 0, 0);
        EXPECT_EQ(chartScale, static_cast<float>(scale));
        EXPECT_EQ(dotSize, dot) << scale;
    }
    EXPECT_EQ(projection, ProjectZYX);
}

TEST_F(ChartControls, AngleSlidesStoreFloatCosinesAndChooseTheirProjection) {
    SetCtrlVal(chart3dPanel, 3, 90.0);
    RotateCallback(chart3dPanel, 3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    const float radians = static_cast<float>(90.0f * 0.017453292519943295);
    EXPECT_EQ(cosPhi, static_cast<float>(std::cos(double{radians})));
    EXPECT_LT(cosPhi, 0.0f);
    EXPECT_EQ(sinPhi, 1.0f);
    EXPECT_EQ(projection, ProjectXZY);
    const auto phiLast = edgePoints;

    SetCtrlVal(chart3dPanel, 5, 40.0);
    RotateCallback(chart3dPanel, 5, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_EQ(projection, ProjectYXZ);
    const auto thetaLast = edgePoints;
    RotateCallback(chart3dPanel, 3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    EXPECT_NE(P(thetaLast[2]), P(edgePoints[2])) << "same angles, other slide moved last";
    EXPECT_NE(P(phiLast[2]), P(edgePoints[2]));
}

TEST_F(ChartControls, CommitPlotsThenDrawsTheStoredBoxWhenEdgesIsOn) {
    RotateCallback(chart3dPanel, 7, EVENT_VAL_CHANGED, nullptr, 0, 0);
    const Calls on = Record([] { RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    const std::size_t read = IndexOf(on, "GetCtrlVal");
    ASSERT_EQ(CountOf(on, "CanvasDrawPoint"), 1688u);
    ASSERT_EQ(on.size(), read + 11);
    EXPECT_TRUE(Matches(on[read], "GetCtrlVal", {Num(chart3dPanel), "9"}));
    EXPECT_EQ(Lines(on, read + 2, 9), TopViewBox(250));

    SetCtrlVal(chart3dPanel, 9, 0);
    const Calls off = Record([] { RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    EXPECT_EQ(off.back().operation, "GetCtrlVal");
}

TEST_F(ChartControls, DraggingPreviewsEachStepAndPlotsOnRelease) {
    const Calls calls = Record([] { ui_testing::MoveSlide(chart3dPanel, 7, {10.0, 20.0, 30.0}); });
    EXPECT_EQ(CountOf(calls, "CanvasClear"), 3u);
    EXPECT_EQ(CountOf(calls, "CanvasDrawPoint"), 1688u);
    EXPECT_EQ(sinRho, static_cast<float>(std::sin(double{static_cast<float>(30.0f * 0.017453292519943295)})));
}

TEST_F(ChartControls, ResetTurnsToTheTopViewAtTheScaleInForce) {
    SetCtrlVal(chart3dPanel, 10, 4.0);
    RotateCallback(chart3dPanel, 10, EVENT_VAL_CHANGED, nullptr, 0, 0);
    SetCtrlVal(chart3dPanel, 3, 30.0);
    RotateCallback(chart3dPanel, 3, EVENT_VAL_CHANGED, nullptr, 0, 0);
    const std::string p = Num(chart3dPanel);
    const Calls calls = Record([] { ResetCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    EXPECT_TRUE(Matches(calls.at(0), "SetCtrlVal", {p, "7", "0.0"}));
    EXPECT_TRUE(Matches(calls.at(1), "SetCtrlVal", {p, "5", "0.0"}));
    EXPECT_TRUE(Matches(calls.at(2), "SetCtrlVal", {p, "3", "0.0"}));
    EXPECT_TRUE(Matches(calls.at(3), "GetCtrlVal", {p, "7"}));
    EXPECT_NE(IndexOf(calls, "SetCtrlAttribute", {p, "2", "1355", "12"}), std::string::npos);
    EXPECT_EQ(Lines(calls, calls.size() - 9, 9), TopViewBox(400));
    EXPECT_EQ(std::tie(cosPhi, cosTheta, cosRho), std::make_tuple(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(std::tie(sinPhi, sinTheta, sinRho), std::make_tuple(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(projection, ProjectZYX);
    float scale = 0.0f;
    GetCtrlVal(chart3dPanel, 10, &scale);
    EXPECT_EQ(scale, 4.0f);
}

TEST_F(ChartControls, CopyPutsTheCanvasOnTheClipboardAndSaysHowItWent) {
    RotateCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0);
    const std::string p = Num(chart3dPanel);
    ui_testing::QueueMessageAnswer();
    const Calls calls = Record([] { Copy3DCallback(chart3dPanel, 6, EVENT_COMMIT, nullptr, 0, 0); });
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_TRUE(Matches(calls[0], "GetCtrlBitmap", {p, "2", "0"}));
    EXPECT_EQ(calls[1].operation, "ClipboardPutBitmap");
    EXPECT_TRUE(Matches(calls[2], "DiscardBitmap", {calls[1].args[0]}));
    EXPECT_TRUE(Matches(calls[3], "MessagePopup", {Quoted(title), Quoted("Copy to clipboard : OK")}));

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
    const Calls quiet = Record([] { Copy3DCallback(0, 0, EVENT_COMMIT, nullptr, 0, 0); });
    const auto shown = ui_testing::TakeShownPopups();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Copy to clipboard : failed");
    EXPECT_EQ(CountOf(quiet, "ClipboardPutBitmap"), 1u);
    EXPECT_EQ(CountOf(quiet, "MessagePopup"), 0u);
}

}  // namespace
