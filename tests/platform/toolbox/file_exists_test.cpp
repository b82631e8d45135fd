// FileExists: files, sizes, directories and absent paths.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/toolbox/toolbox.h"

namespace {

namespace fs = std::filesystem;

TEST(FileExists, Cases) {
    const fs::path dir = fs::temp_directory_path() / ("ostrel_exists_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "Ostrel.ini") << "COLORSPACE = 10\nHUEINDEX = 0\n";
    std::ofstream(dir / "empty.ini").flush();
    struct Row {
        std::string path;
        int result;
        int size;
    };
    const Row rows[] = {
        {(dir / "Ostrel.ini").string(), 1, 29},
        {(dir / "empty.ini").string(), 1, 0},
        {(dir / "absent.ini").string(), 0, -1},
        {dir.string(), 0, -1},  // a directory is no file
        {"", 0, -1},
    };
    for (const auto& row : rows) {
        int size = 12345;
        EXPECT_EQ(FileExists(row.path.c_str(), &size), row.result) << row.path;
        EXPECT_EQ(size, row.size) << row.path;
        EXPECT_EQ(FileExists(row.path.c_str(), nullptr), row.result) << row.path;
    }
    EXPECT_EQ(FileExists(nullptr, nullptr), 0);
    fs::remove_all(dir);
}

}  // namespace
