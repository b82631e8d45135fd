// The main window built for a small screen: a smaller copy of the design whose texts still
// fit their controls, and whose controls read back the sizes they show.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <cmath>
#include <string>

#include "platform/ui/fonts.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "windows/main_panel.h"

namespace {

constexpr int kDesignWidth = 860;  // the window as laid out, before any adjustment
constexpr int kDefaultTextSize = 13;
// Sizes are stored whole after each of the two resize steps (height, then width).
constexpr int kStepRounding = 1;

class ScaledMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(InitCVIRTEEx(nullptr, nullptr, nullptr), 1);
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(100);
        ui_testing::SetMonitorSize(1024, 768);
        panel = BuildPANEL(0);
        ASSERT_GT(panel, 0);
        int width = 0;
        ASSERT_EQ(GetPanelAttribute(panel, ATTR_WIDTH, &width), 0);
        ASSERT_LT(width, kDesignWidth) << "the window is scaled down at all";
        factor = static_cast<double>(width) / kDesignWidth;  // the smaller of the two on this screen
    }
    void TearDown() override { ui_testing::ResetLayer(); }

    int Int(int control, int attribute) {
        int value = -1;
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), 0);
        return value;
    }
    std::string Text(int control, int attribute) {
        std::string value;
        EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), 0);
        return value;
    }
    // How wide the text's ink is in the font the control reads back.
    int DrawnWidth(int control, int fontAttr, int sizeAttr, int boldAttr, const std::string& text) {
        const QFont font = ui_detail::MapFont({Text(control, fontAttr), Int(control, sizeAttr),
                                               Int(control, boldAttr) != 0, false, false, false});
        return QFontMetrics(font).tightBoundingRect(QString::fromStdString(text)).width();
    }

    int panel = 0;
    double factor = 1.0;
};

TEST_F(ScaledMainWindow, KeyTextsFitTheirControls) {
    const struct {
        const char* name;
        int* control;
        bool label;  // drawn in the label font (a button's caption) or the text font
        const char* text;
        int margins;  // room the control's drawing keeps beside its text
    } rows[] = {
        {"copy button", &PANEL_COPYBUTTON, true, "Copy", 2},  // its frame (the caption may cover the bevel)
        {"hue, first line", &PANEL_HUE, false, "HUE", 0},
        {"hue, second line", &PANEL_HUE, false, "000", 0},
        {"chroma", &PANEL_CHROMA, false, "c  h  r  o  m  a", 0},
        {"ring", &PANEL_RGBRING, false, "Adobe space", 8},  // plus its arrow button
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int c = *row.control;
        int room = Int(c, ATTR_WIDTH) - row.margins;
        if (c == PANEL_RGBRING) room -= Int(c, ATTR_HEIGHT);  // the square arrow button
        const int drawn =
            row.label ? DrawnWidth(c, ATTR_LABEL_FONT, ATTR_LABEL_POINT_SIZE, ATTR_LABEL_BOLD, row.text)
                      : DrawnWidth(c, ATTR_TEXT_FONT, ATTR_TEXT_POINT_SIZE, ATTR_TEXT_BOLD, row.text);
        EXPECT_LE(drawn, room);
    }
}

TEST_F(ScaledMainWindow, TextSizesReadBackScaled) {
    auto scaled = [&](int design) { return static_cast<int>(std::lround(design * factor)); };
    EXPECT_NEAR(Int(PANEL_COPYBUTTON, ATTR_LABEL_POINT_SIZE), scaled(kDefaultTextSize), kStepRounding);
    EXPECT_NEAR(Int(PANEL_HUE, ATTR_TEXT_POINT_SIZE), scaled(18), kStepRounding);
    EXPECT_NEAR(Int(PANEL_CHROMA, ATTR_TEXT_POINT_SIZE), scaled(19), kStepRounding);
    EXPECT_NEAR(Int(PANEL_HOMEBUTTON, ATTR_LABEL_POINT_SIZE), scaled(14), kStepRounding);
}

}  // namespace
