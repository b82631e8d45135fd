// The program's directory, path joins and splits, file deletion.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/utility/utility.h"

namespace {

namespace fs = std::filesystem;

TEST(GetProjectDir, IsTheDirectoryOfTheRunningExecutable) {
    char dir[kMaxPathnameLen] = "stale";
    ASSERT_EQ(GetProjectDir(dir), 0);
    // The tests are built into the same directory as every program of the build.
    EXPECT_TRUE(fs::exists(fs::path(dir) / "test_platform_utility")) << dir;
    EXPECT_NE(dir[std::strlen(dir) - 1], '/');
}

TEST(MakePathname, Joins) {
    struct Row {
        const char* directory;
        const char* name;
        const char* path;
    };
    const Row rows[] = {
        {"/opt/ostrel", "Ostrel.ini", "/opt/ostrel/Ostrel.ini"},
        {"/opt/ostrel/", "Ostrel.ini", "/opt/ostrel/Ostrel.ini"},  // no doubled separator
        {"/", "HELP", "/HELP"},
        {"", "Ostrel.ini", "Ostrel.ini"},
        {"/opt/ostrel", "", "/opt/ostrel/"},
    };
    for (const auto& row : rows) {
        char path[kMaxPathnameLen];
        EXPECT_EQ(MakePathname(row.directory, row.name, path), 0);
        EXPECT_STREQ(path, row.path) << row.directory << " + " << row.name;
    }
}

TEST(MakePathname, OneBufferAsDirectoryAndResult) {
    char dir[kMaxPathnameLen] = "/opt/ostrel";
    ASSERT_EQ(MakePathname(dir, "HELP", dir), 0);
    ASSERT_EQ(MakePathname(dir, "Ostrel.hlp", dir), 0);
    EXPECT_STREQ(dir, "/opt/ostrel/HELP/Ostrel.hlp");
}

TEST(MakePathname, APathTooLongIsRefusedAndLeavesNoTruncatedPath) {
    const std::string dir(kMaxPathnameLen - 10, 'd');
    char path[kMaxPathnameLen] = "x";
    EXPECT_EQ(MakePathname(dir.c_str(), "12345678", path), 0);  // fits exactly with its terminator
    EXPECT_EQ(std::strlen(path), kMaxPathnameLen - 1u);
    EXPECT_LT(MakePathname(dir.c_str(), "123456789", path), 0);  // one too many
    EXPECT_STREQ(path, "");
    EXPECT_LT(MakePathname(nullptr, "a", path), 0);
}

TEST(SplitPath, Parts) {
    struct Row {
        const char* path;
        const char* directory;
        const char* name;
    };
    const Row rows[] = {
        {"/usr/local/bin/Ostrel", "/usr/local/bin/", "Ostrel"},
        {"/home/me/report.v2.doc", "/home/me/", "report.v2.doc"},
        {"Ostrel", "", "Ostrel"},
        {"/home/me/", "/home/me/", ""},
        {"./Ostrel_dbg.exe", "./", "Ostrel_dbg.exe"},
    };
    for (const auto& row : rows) {
        char drive[kMaxDrivenameLen] = "x";
        char dir[kMaxPathnameLen];
        char name[kMaxFilenameLen];
        EXPECT_EQ(SplitPath(row.path, drive, dir, name), 0) << row.path;
        EXPECT_STREQ(drive, "");
        EXPECT_STREQ(dir, row.directory) << row.path;
        EXPECT_STREQ(name, row.name) << row.path;
    }
}

TEST(SplitPath, OnlyTheNameAsked) {
    char name[kMaxFilenameLen];
    ASSERT_EQ(SplitPath("/a/b/c.txt", nullptr, nullptr, name), 0);
    EXPECT_STREQ(name, "c.txt");
}

TEST(SplitPath, ANameTooLongForItsBufferIsRefused) {
    const std::string longest = "/d/" + std::string(255, 'n');  // the longest file name there is
    char name[kMaxFilenameLen];
    EXPECT_EQ(SplitPath(longest.c_str(), nullptr, nullptr, name), 0);
    EXPECT_EQ(std::strlen(name), 255u);
    const std::string tooLong = "/d/" + std::string(256, 'n');
    EXPECT_LT(SplitPath(tooLong.c_str(), nullptr, nullptr, name), 0);
    EXPECT_STREQ(name, "");
}

class DeleteFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("ostrel_delete_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(DeleteFileTest, DeletesAFileAndNothingElse) {
    const fs::path file = dir_ / "snapshot.bmp";
    std::ofstream(file) << "x";
    EXPECT_EQ(CVI_DeleteFile(file.c_str()), 0);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_LT(CVI_DeleteFile(file.c_str()), 0) << "already gone";
    EXPECT_LT(CVI_DeleteFile(dir_.c_str()), 0) << "a directory is not deleted";
    EXPECT_TRUE(fs::exists(dir_));
    EXPECT_LT(CVI_DeleteFile(""), 0);
    EXPECT_LT(CVI_DeleteFile(nullptr), 0);
}

}  // namespace
