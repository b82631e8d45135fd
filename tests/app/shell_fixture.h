#pragma once

// The viewer started in-process, its settings file in a directory of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/startup.h"
#include "colour/rgb_spaces.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "platform/utility/utility_testing.h"
#include "shell_state/shell_state.h"

class Shell : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(InitCVIRTEEx(nullptr, nullptr, nullptr), 1);
        ui_testing::ResetLayer();
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = std::filesystem::temp_directory_path() / ("ostrel-" + std::to_string(::getpid()) + "-" + name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        utility_testing::SetProjectDir(dir.string());
        SetRgbSpace(kRgbSpaceSRGB);
        colorSpace = 10;
        tableBgColor = 0xFFFFFF, tableTextColor = 0x808080, tableGridColor = 0xF0F0F0;
        selectedHue = selectedLightness = selectedChroma = 0;
    }
    void TearDown() override {
        ui_testing::ResetLayer();
        utility_testing::SetProjectDir("");
        SetRgbSpace(kRgbSpaceSRGB);
        std::filesystem::remove_all(dir);
    }
    void WriteSettings(const std::string& text) {
        std::ofstream(dir / "Ostrel.ini", std::ios::binary) << text;
    }
    std::string ReadSettings() const {
        std::ifstream in(dir / "Ostrel.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Start() {
        char name[] = "/opt/ostrel/Ostrel";
        char* argv[] = {name, nullptr};
        ASSERT_EQ(StartUp(argv), 0);
    }
    std::filesystem::path dir;
};
