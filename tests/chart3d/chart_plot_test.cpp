// The full plot: what it calls in which order, and what the canvas shows afterwards.
#include <map>
#include <optional>
#include <tuple>

#include "chart3d/chart3d.h"
#include "colour/cie_conversions.h"
#include "colour/ral_design.h"
#include "colour/rgb_encoding.h"
#include "platform/ui/text_image.h"
#include "tests/chart3d/chart_fixture.h"
#include "ui/chart3d_pictures.h"

namespace {

struct Dot {
    int colour, x, y;
    float lightness;
};

// Every colour at the start state, worked out from the colour core and the top view's map.
std::vector<Dot> StartStateDots() {
    int count = 0;
    const RalDesignColor* table = GetRalDesignDataAddress(&count);
    std::vector<Dot> dots;
    for (int i = 0; i < count; ++i) {
        const RalDesignColor& c = table[i];
        const int colour = RGB__int(XYZ__RGB(Lab__XYZ({c.L, c.a, c.b}, whiteRef)));
        dots.push_back({colour, static_cast<int>(static_cast<float>(2.5 * c.b + 256.0)),
                        static_cast<int>(static_cast<float>(2.5 * c.a + 256.0)), c.L});
    }
    return dots;
}

using ChartPlot = ChartWindow;

TEST_F(ChartPlot, HiddenWindowOnlyAsksWhetherItIsShown) {
    SetCtrlAttribute(chart3dPanel, 2, 1355, 7);
    HidePanel(chart3dPanel);
    const Calls calls = Record(PlotCHART3D);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(Matches(calls[0], "GetPanelAttribute", {Num(chart3dPanel), "530"}));
    int width = 0;
    GetCtrlAttribute(chart3dPanel, 2, 1355, &width);
    EXPECT_EQ(width, 7);
}

TEST_F(ChartPlot, GroundAxesLabelsThenDotsFarthestFirst) {
    const std::string p = Num(chart3dPanel);
    const Calls calls = Record(PlotCHART3D);
    const std::vector<std::pair<std::string, std::vector<std::string>>> head{
        {"GetPanelAttribute", {p, "530"}},
        {"CanvasDrawBitmap", {p, "2", Num(backgroundBitmap), "(0,0,-1,-1)", "(0,0,-1,-1)"}},
        {"SetCtrlAttribute", {p, "2", "1355", "1"}},
        {"SetCtrlAttribute", {p, "2", "1350", Num(0xF04000)}},
        {"CanvasDrawLine", {p, "2", "(256,256)", "(256,531)"}},
        {"CanvasDrawLine", {p, "2", "(256,256)", "(531,256)"}},
        {"CanvasDrawLine", {p, "2", "(256,256)", "(256,256)"}},
        {"SetCtrlAttribute", {p, "2", "1350", Num(0xE02000)}},
        {"SetCtrlAttribute", {p, "2", "1351", Num(0x1000000)}},
        {"CanvasDrawTextAtPoint", {p, "2", "\"a*\"", "\"NIAppMetaFont\"", "(256,531)", "9"}},
        {"CanvasDrawTextAtPoint", {p, "2", "\"b*\"", "\"NIAppMetaFont\"", "(531,256)", "9"}},
        {"CanvasDrawTextAtPoint", {p, "2", "\"L*\"", "\"NIAppMetaFont\"", "(256,256)", "9"}},
        {"SetCtrlAttribute", {p, "2", "1355", "10"}}};
    ASSERT_EQ(calls.size(), head.size() + 2 * 1688 + 1);
    for (std::size_t i = 0; i < head.size(); ++i)
        EXPECT_TRUE(Matches(calls[i], head[i].first, head[i].second)) << i;
    EXPECT_TRUE(Matches(calls.back(), "SetCtrlAttribute", {p, "2", "1355", "1"}));

    // Each dot sets its own colour; together they are the table's colours, in ascending L*.
    std::multimap<std::tuple<int, int, int>, float> expected;
    for (const Dot& d : StartStateDots()) expected.insert({{d.colour, d.x, d.y}, d.lightness});
    float previous = 0.0f;
    for (std::size_t i = head.size(); i + 1 < calls.size(); i += 2) {
        ASSERT_TRUE(Matches(calls[i], "SetCtrlAttribute", {p, "2", "1350"}));
        ASSERT_EQ(calls[i + 1].operation, "CanvasDrawPoint");
        int x = 0, y = 0;
        std::sscanf(calls[i + 1].args[2].c_str(), "(%d,%d)", &x, &y);
        const auto found = expected.find({std::stoi(calls[i].args[3]), x, y});
        ASSERT_NE(found, expected.end()) << i;
        EXPECT_GE(found->second, previous) << i;
        previous = found->second;
        expected.erase(found);
    }
    EXPECT_TRUE(expected.empty());

    DiscardBitmap(backgroundBitmap);
    backgroundBitmap = 0;
    const Calls cleared = Record(PlotCHART3D);
    EXPECT_TRUE(Matches(cleared.at(1), "CanvasClear", {p, "2", "(0,0,-1,-1)"}));
}

TEST_F(ChartPlot, CanvasShowsTheLightestGreyOnTopOverAxisAndGround) {
    PlotCHART3D();
    const ui_testing::PanelImage shot = ui_testing::GrabPanel(chart3dPanel);
    auto at = [&](int x, int y) { return static_cast<int>(shot.At(13 + x, 21 + y)); };

    // The nearest dot covering the centre: a dot of width 10 spans x - 5 .. x + 4.
    std::optional<Dot> top;
    for (const Dot& d : StartStateDots()) {
        const bool covers = d.x - 5 <= 256 && 256 <= d.x + 4 && d.y - 5 <= 256 && 256 <= d.y + 4;
        if (covers && (!top || d.lightness > top->lightness)) top = d;
    }
    ASSERT_TRUE(top);
    EXPECT_EQ(at(256, 256), top->colour);
    EXPECT_GT(top->lightness, 89.0f);
    // The a* axis runs down from the centre beyond every dot; the ground shows elsewhere.
    EXPECT_EQ(at(256, 460), 0xF04000);
    const QImage ground = *ui_detail::ImageFromText(kChartBackgroundBitmapText);
    EXPECT_EQ(at(40, 470), static_cast<int>(ground.pixel(40, 470) & 0xFFFFFF));
}

}  // namespace
