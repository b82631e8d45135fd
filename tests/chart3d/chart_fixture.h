#pragma once

// The chart window as the shell leaves it once shown: built, its ground copied, shown at
// 512 x 512 on a transparent canvas background, and the chart's state at its start.
#include <gtest/gtest.h>

#include <cstdio>

#include "chart3d/chart3d.h"
#include "chart3d/chart_state.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "tests/windows/call_log_helpers.h"
#include "windows/chart3d_panel.h"

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
        SetCtrlAttribute(chart3dPanel, CHART3D_CANVAS, 1291, 0x1000000);
    }
    void TearDown() override {
        if (backgroundBitmap != 0) DiscardBitmap(backgroundBitmap);
        backgroundBitmap = 0;
        ui_testing::ResetLayer();
    }
    // The calls of an action as "Operation arg arg ...", the chart panel's handle left out.
    template <class Action>
    static std::vector<std::string> Record(Action action) {
        ui_testing::StartRecording();
        action();
        std::vector<std::string> shown;
        for (const auto& call : ui_testing::StopRecording()) {
            std::string text = call.operation;
            for (std::size_t i = 0; i < call.args.size(); ++i)
                if (i > 0 || call.args[i] != Num(chart3dPanel)) text += " " + call.args[i];
            shown.push_back(text);
        }
        return shown;
    }
    static std::vector<std::string> Slice(const std::vector<std::string>& calls, std::size_t from,
                                          std::size_t n) {
        return {calls.begin() + static_cast<long>(from),
                calls.begin() + static_cast<long>(std::min(from + n, calls.size()))};
    }
    static std::size_t Count(const std::vector<std::string>& calls, const std::string& prefix) {
        return static_cast<std::size_t>(std::count_if(
            calls.begin(), calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
    }
};

// The box seen from above, `half` pixels round the centre, with corner 0's three edges left out.
inline std::vector<std::string> TopViewBox(int half) {
    const std::string lo = std::to_string(256 - half), hi = std::to_string(256 + half);
    const std::string c0 = "(" + lo + "," + lo + ")", c1 = "(" + lo + "," + hi + ")",
                      c2 = "(" + hi + "," + hi + ")", c3 = "(" + hi + "," + lo + ")",
                      line = "CanvasDrawLine 2 ";
    return {line + c1 + " " + c2, line + c2 + " " + c3, line + c0 + " " + c1,
            line + c1 + " " + c2, line + c2 + " " + c3, line + c3 + " " + c0,
            line + c1 + " " + c1, line + c2 + " " + c2, line + c3 + " " + c3};
}
