// Graph: axis scaling, the selected y axis, point plots and their removal.
#include <cmath>

#include "drawing_fixture.h"
#include "platform/ui/graph_widget.h"
#include "platform/ui/registry.h"

namespace {

using drawing_test::Packed;

constexpr int kPointColour = 0xC03020;

class GraphTest : public drawing_test::DrawingTest {
  protected:
    void SetUp() override {
        DrawingTest::SetUp();
        graph_ = Make(CTRL_GRAPH, 2, 1, 256, 267);
    }
    ui_detail::GraphWidget* Widget() {
        return dynamic_cast<ui_detail::GraphWidget*>(ui_detail::ControlWidget(panel_, graph_));
    }
    QImage Shown() {
        int bitmap = 0;
        EXPECT_EQ(GetCtrlBitmap(panel_, graph_, 0, &bitmap), 0);
        return Take(bitmap);
    }
    void ExpectRange(int axis, int mode, double min, double max) {
        int m = -1;
        double lo = 0, hi = 0;
        ASSERT_EQ(GetAxisScalingMode(panel_, graph_, axis, &m, &lo, &hi), 0);
        EXPECT_EQ(m, mode) << "axis " << axis;
        EXPECT_EQ(lo, min) << "axis " << axis;
        EXPECT_EQ(hi, max) << "axis " << axis;
    }
    int graph_ = 0;
};

TEST_F(GraphTest, AxisSettingsOfTheDetailWindow) {
    // The colour detail window's graph, in the order its builder sets it.
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1086, "a*"), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1149, 1), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1093, "b*"), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1149, 2), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1093, ""), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1149, 1), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1125, 1.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1149, 2), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1125, 2.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -100.0, 100.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_RIGHT_YAXIS, VAL_MANUAL, 0.0, 100.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_RIGHT_YAXIS, VAL_AUTOSCALE, 0.0, 100.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -100.0, 100.0), 0);
    ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1149, 1), 0);

    const auto& model = Widget()->Model();
    EXPECT_EQ(model.axes[0].name, "a*");
    EXPECT_EQ(model.axes[1].name, "b*") << "y-axis names follow the axis selected when they are set";
    EXPECT_EQ(model.axes[2].name, "");
    EXPECT_EQ(model.axes[1].gain, 1.0);
    EXPECT_EQ(model.axes[2].gain, 2.0);
    EXPECT_EQ(model.activeYAxis, 1);
    EXPECT_TRUE(model.plots.empty());
    ExpectRange(VAL_XAXIS, VAL_MANUAL, -100.0, 100.0);
    ExpectRange(VAL_LEFT_YAXIS, VAL_MANUAL, -100.0, 100.0);
    int mode = -1;
    ASSERT_EQ(GetAxisScalingMode(panel_, graph_, VAL_RIGHT_YAXIS, &mode, nullptr, nullptr), 0);
    EXPECT_EQ(mode, VAL_AUTOSCALE);
}

TEST_F(GraphTest, APointLandsAtItsValuesInItsColour) {
    // The detail window's colour "010 90 05": a* 4.924, b* 0.868 on axes of -10..10.
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    const int plot = PlotPoint(panel_, graph_, 4.924, 0.868, VAL_SOLID_CIRCLE, kPointColour);
    ASSERT_GT(plot, 0);
    const QRectF area = Widget()->PlotArea();
    ASSERT_GT(area.width(), 150);
    ASSERT_GT(area.height(), 150);
    // Where the point must be, from the plot area alone.
    const double x = area.left() + (4.924 + 10.0) / 20.0 * area.width();
    const double y = area.bottom() - (0.868 + 10.0) / 20.0 * area.height();
    const QImage shown = Shown();
    EXPECT_EQ(Packed(shown, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))),
              kPointColour);
    // The marker is small: nothing of it at the plot area's centre (0, 0), 5 units away.
    EXPECT_NE(Packed(shown, static_cast<int>(area.center().x()), static_cast<int>(area.center().y())),
              kPointColour);
}

TEST_F(GraphTest, RescalingMovesThePoint) {
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -100.0, 100.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -100.0, 100.0), 0);
    ASSERT_GT(PlotPoint(panel_, graph_, 50.0, 50.0, VAL_SOLID_CIRCLE, kPointColour), 0);
    const QRectF area = Widget()->PlotArea();
    const QPoint threeQuarters(static_cast<int>(std::lround(area.left() + 0.75 * area.width())),
                               static_cast<int>(std::lround(area.bottom() - 0.75 * area.height())));
    EXPECT_EQ(Packed(Shown(), threeQuarters.x(), threeQuarters.y()), kPointColour);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -60.0, 60.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -60.0, 60.0), 0);
    const QImage shown = Shown();
    EXPECT_NE(Packed(shown, threeQuarters.x(), threeQuarters.y()), kPointColour);
    const double fx = (50.0 + 60.0) / 120.0;
    EXPECT_EQ(Packed(shown, static_cast<int>(std::lround(area.left() + fx * area.width())),
                     static_cast<int>(std::lround(area.bottom() - fx * area.height()))),
              kPointColour);
}

TEST_F(GraphTest, PointsOutsideTheAxesAreNotDrawn) {
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    ASSERT_GT(PlotPoint(panel_, graph_, 30.0, 30.0, VAL_SOLID_CIRCLE, kPointColour), 0);
    const QImage shown = Shown();
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) ASSERT_NE(Packed(shown, x, y), kPointColour) << x << "," << y;
}

TEST_F(GraphTest, DeletingAPlotRemovesThatPointOnly) {
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_LEFT_YAXIS, VAL_MANUAL, -10.0, 10.0), 0);
    const int first = PlotPoint(panel_, graph_, -5.0, -5.0, VAL_SOLID_CIRCLE, 0x00A000);
    const int second = PlotPoint(panel_, graph_, 5.0, 5.0, VAL_SOLID_CIRCLE, kPointColour);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    ASSERT_NE(first, second);
    ASSERT_EQ(DeleteGraphPlot(panel_, graph_, first, VAL_IMMEDIATE_DRAW), 0);
    const QPointF gone = Widget()->PixelOf(-5.0, -5.0);
    const QPointF kept = Widget()->PixelOf(5.0, 5.0);
    const QImage shown = Shown();
    EXPECT_NE(Packed(shown, static_cast<int>(gone.x()), static_cast<int>(gone.y())), 0x00A000);
    EXPECT_EQ(Packed(shown, static_cast<int>(kept.x()), static_cast<int>(kept.y())), kPointColour);
    EXPECT_EQ(Widget()->Model().plots.size(), 1u);
    EXPECT_EQ(DeleteGraphPlot(panel_, graph_, first, VAL_IMMEDIATE_DRAW), ui_detail::kErrNoSuchPlot);
}

TEST_F(GraphTest, AutomaticScalingFollowsThePlots) {
    ASSERT_EQ(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_AUTOSCALE, 0.0, 0.0), 0);
    ASSERT_GT(PlotPoint(panel_, graph_, -3.0, 1.0, VAL_SOLID_CIRCLE, kPointColour), 0);
    ASSERT_GT(PlotPoint(panel_, graph_, 7.0, 2.0, VAL_SOLID_CIRCLE, kPointColour), 0);
    ExpectRange(VAL_XAXIS, VAL_AUTOSCALE, -3.0, 7.0);
    ExpectRange(VAL_LEFT_YAXIS, VAL_AUTOSCALE, 1.0, 2.0);
}

TEST_F(GraphTest, RefusedCalls) {
    const int canvas = Make(CTRL_CANVAS, 100, 300, 10, 10);
    EXPECT_LT(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, 10.0, 10.0), 0) << "empty range";
    EXPECT_LT(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, VAL_MANUAL, 10.0, -10.0), 0);
    EXPECT_LT(SetAxisScalingMode(panel_, graph_, 3, VAL_MANUAL, -1.0, 1.0), 0);
    EXPECT_LT(SetAxisScalingMode(panel_, graph_, VAL_XAXIS, 2, -1.0, 1.0), 0);
    EXPECT_LT(SetAxisScalingMode(panel_, canvas, VAL_XAXIS, VAL_MANUAL, -1.0, 1.0), 0);
    EXPECT_EQ(PlotPoint(panel_ + 1000, graph_, 0.0, 0.0, 12, 0), UIE_BAD_PANEL);
    EXPECT_EQ(PlotPoint(panel_, graph_ + 1000, 0.0, 0.0, 12, 0), UIE_BAD_CONTROL);
    EXPECT_LT(PlotPoint(panel_, canvas, 0.0, 0.0, 12, 0), 0);
    EXPECT_LT(PlotPoint(panel_, graph_, std::nan(""), 0.0, 12, 0), 0);
    EXPECT_LT(DeleteGraphPlot(panel_, graph_, 0, 1), 0);
    EXPECT_TRUE(Widget()->Model().plots.empty());
    ExpectRange(VAL_XAXIS, VAL_AUTOSCALE, 0.0, 10.0);
}

TEST_F(GraphTest, YAxisAttributesReadBackForTheSelectedAxis) {
    const struct {
        int axis;
        const char* name;
        double gain;
        double offset;
    } set[] = {{1, "b*", 1.5, -2.0}, {2, "right", 0.25, 7.0}};
    for (const auto& s : set) {
        ASSERT_EQ(SetCtrlAttribute(panel_, graph_, ATTR_ACTIVE_YAXIS, s.axis), 0);
        ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1093, s.name), 0);
        ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1125, s.gain), 0);
        ASSERT_EQ(SetCtrlAttribute(panel_, graph_, 1127, s.offset), 0);
    }
    // Read back in the other order, so the last values set cannot pass for the left axis's.
    for (const auto& s : {set[0], set[1], set[0]}) {
        ASSERT_EQ(SetCtrlAttribute(panel_, graph_, ATTR_ACTIVE_YAXIS, s.axis), 0);
        std::string name;
        double gain = 0, offset = 0;
        ASSERT_EQ(GetCtrlAttribute(panel_, graph_, 1093, &name), 0);
        ASSERT_EQ(GetCtrlAttribute(panel_, graph_, 1125, &gain), 0);
        ASSERT_EQ(GetCtrlAttribute(panel_, graph_, 1127, &offset), 0);
        EXPECT_EQ(name, s.name) << "axis " << s.axis;
        EXPECT_EQ(gain, s.gain) << "axis " << s.axis;
        EXPECT_EQ(offset, s.offset) << "axis " << s.axis;
    }
    // Only the two y axes can be selected; a refused choice keeps the selection.
    for (int wrong : {0, 3, -1})
        EXPECT_EQ(SetCtrlAttribute(panel_, graph_, ATTR_ACTIVE_YAXIS, wrong), UIE_OUT_OF_RANGE);
    int axis = 0;
    ASSERT_EQ(GetCtrlAttribute(panel_, graph_, ATTR_ACTIVE_YAXIS, &axis), 0);
    EXPECT_EQ(axis, 1);
}

}  // namespace
