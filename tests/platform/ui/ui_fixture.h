#pragma once

// A fresh layer for every test: the application object once, no panels, no scripted answers.
#include <gtest/gtest.h>

#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(InitCVIRTEEx(nullptr, nullptr, nullptr), 1) << "tests run with QT_QPA_PLATFORM=offscreen";
        ui_testing::ResetLayer();
    }
    void TearDown() override { ui_testing::ResetLayer(); }
};
