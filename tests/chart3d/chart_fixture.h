#pragma once

// The chart window as the shell leaves it once shown: built, its ground copied, shown at
// 512 x 512 with a transparent canvas background, and the chart's state at its start.
#include <gtest/gtest.h>

#include "app/shell_state.h"
#include "chart3d/chart_state.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/ui/call_log_helpers.h"
#include "ui/chart3d_panel.h"

class ChartWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ui_testing::ResetLayer();
        ui_testing::SetResolutionAdjustment(0);
        SetRgbSpace(10);
        whiteRef = GetWhiteRef(4, 1);
        std::snprintf(title, sizeof title, "Ostrel v1.00 Jun 03 2006");
        cosRho = cosTheta = cosPhi = 1.0f;
        sinRho = sinTheta = sinPhi = 0.0f;
        projection = ProjectZYX;
        chartScale = 2.5f;
        dotSize = 10;
        edgePoints = {};
        hiddenCorner = 0;
        chart3dPanel = BuildCHART3D(0);
        ASSERT_GT(chart3dPanel, 0);
        GetCtrlBitmap(chart3dPanel, CHART3D_CANVAS, 0, &backgroundBitmap);
        DisplayPanel(chart3dPanel);
        SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 533, 512);
        SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 540, 512);
        SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 1291, 0x1000000);
    }
    void TearDown() override {
        if (backgroundBitmap != 0) DiscardBitmap(backgroundBitmap);
        backgroundBitmap = 0;
        ui_testing::ResetLayer();
    }
    // The calls of one action.
    template <class Action>
    static Calls Record(Action action) {
        ui_testing::StartRecording();
        action();
        return ui_testing::StopRecording();
    }
    static std::string P(Point p) { return "(" + Num(p.x) + "," + Num(p.y) + ")"; }
};
