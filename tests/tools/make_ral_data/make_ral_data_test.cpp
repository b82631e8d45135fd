#include "tools/make_ral_data/make_ral_data.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ReadAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        text.append(buffer, n);
    }
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

struct Outcome {
    RalListStatus status;
    std::vector<std::string> rows;
    std::vector<std::string> progress;
    std::string errors;
};

class MakeRalDataTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "make_ral_data_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Input() const { return dir_ / "ral_design_list.txt"; }
    fs::path Output() const { return dir_ / "ral_design_list.h"; }

    void WriteInput(const std::string& text) const { std::ofstream(Input(), std::ios::binary) << text; }

    Outcome Run(const std::string& input) const {
        WriteInput(input);
        return RunOnFiles();
    }

    Outcome RunOnFiles() const {
        std::FILE* progress = std::tmpfile();
        std::FILE* errors = std::tmpfile();
        Outcome o;
        o.status = MakeRalDataFiles(Input().c_str(), Output().c_str(), progress, errors);
        o.progress = Lines(ReadAll(progress));
        o.errors = ReadAll(errors);
        std::fclose(progress);
        std::fclose(errors);
        if (fs::exists(Output())) {
            o.rows = Lines(ReadAll(Output()));
        }
        return o;
    }

    fs::path dir_;
};

TEST_F(MakeRalDataTest, RowsAndProgressLinesHaveTheirExactForm) {
    const Outcome o = Run("010 90 05\t010 80 10\t270 90 05\t\n");
    ASSERT_EQ(o.status, RalListStatus::ok);
    const std::vector<std::string> rows = {
        "{ \"010 90 05\", 90.000,  4.924,  0.868 } ,",
        "{ \"010 80 10\", 80.000,  9.848,  1.736 } ,",
        "{ \"270 90 05\", 90.000, -0.000, -5.000 } ,",
    };
    EXPECT_EQ(o.rows, rows);
    const std::vector<std::string> progress = {
        "1 ( 10/90 5) 010 90 05",
        "2 ( 10/8010) 010 80 10",
        "3 (270/90 5) 270 90 05",
    };
    EXPECT_EQ(o.progress, progress);
    EXPECT_EQ(o.errors, "");
    // Nothing before or after the rows.
    EXPECT_EQ(ReadAll(Output()), rows[0] + "\n" + rows[1] + "\n" + rows[2] + "\n");
}

TEST_F(MakeRalDataTest, LinesThatProduceNothing) {
    const struct {
        const char* name;
        const char* input;
    } cases[] = {
        {"comment", "# 010 90 05\t010 80 10\n"},
        {"empty line", "\n"},
        {"blanks before a comment mark", "   # 010 90 05\n"},
        {"letter first", "page\t010 90 05\n"},
        {"only a carriage return", "\r\n"},
        {"only blanks and tabs", "  \t \t\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = Run(c.input);
        EXPECT_EQ(o.status, RalListStatus::ok) << c.name;
        EXPECT_TRUE(o.rows.empty()) << c.name;
        EXPECT_TRUE(o.progress.empty()) << c.name;
        EXPECT_EQ(o.errors, "") << c.name;
    }
}

TEST_F(MakeRalDataTest, PieceNotStartingWithADigitEndsTheLine) {
    const struct {
        const char* name;
        const char* input;
        std::vector<std::string> codes;
    } cases[] = {
        {"letter piece", "010 90 05\t010 80 10\tend\t010 80 15\n", {"010 90 05", "010 80 10"}},
        {"blank after a tab", "010 90 05\t 010 80 10\n", {"010 90 05"}},
        {"leading blanks and tabs skipped", " \t 010 90 05\t\t\t010 80 10\n", {"010 90 05", "010 80 10"}},
    };
    for (const auto& c : cases) {
        const Outcome o = Run(c.input);
        ASSERT_EQ(o.rows.size(), c.codes.size()) << c.name;
        for (std::size_t i = 0; i < c.codes.size(); ++i) {
            EXPECT_EQ(o.rows[i].substr(2, 11), "\"" + c.codes[i] + "\"") << c.name;
        }
    }
}

TEST_F(MakeRalDataTest, LineEndsNeverLandInsideACode) {
    const char* inputs[] = {
        "010 90 05\n",   "010 90 05\r\n", "010 90 05\t\n", "010 90 05\t\r\n",
        "010 90 05",      // no line end at all
        "010 90 05  \n",  // trailing blanks
    };
    for (const char* input : inputs) {
        const Outcome o = Run(input);
        ASSERT_EQ(o.rows.size(), 1u) << input;
        EXPECT_EQ(o.rows[0], "{ \"010 90 05\", 90.000,  4.924,  0.868 } ,");
        ASSERT_EQ(o.progress.size(), 1u);
        EXPECT_EQ(o.progress[0], "1 ( 10/90 5) 010 90 05");
    }
}

TEST_F(MakeRalDataTest, CountRunsOnAcrossLines) {
    const Outcome o = Run("# page\n010 90 05\n\n010 80 10\t010 80 15\n020 90 05\n");
    ASSERT_EQ(o.progress.size(), 4u);
    for (std::size_t i = 0; i < o.progress.size(); ++i) {
        EXPECT_EQ(o.progress[i].substr(0, 2), std::to_string(i + 1) + " ");
    }
}

TEST_F(MakeRalDataTest, MalformedPiecesAreSkippedAndReported) {
    const Outcome o =
        Run("010 90 05\n"
            "010 80\t010 80 10\n"           // line 2: two numbers only
            "010 70 10x\t010 70 15\n"       // line 3: trailing text
            "0100 60 10\t010 60 15\n"       // line 4: four-digit hue
            "010 50 10 extra\t010 50 15\n"  // line 5: does not fit the code field
            "010 40 10\n");
    EXPECT_EQ(o.status, RalListStatus::ok);
    const std::vector<std::string> codes = {"010 90 05", "010 80 10", "010 70 15",
                                            "010 60 15", "010 50 15", "010 40 10"};
    ASSERT_EQ(o.rows.size(), codes.size());
    ASSERT_EQ(o.progress.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(o.rows[i].substr(3, 9), codes[i]);
        EXPECT_EQ(o.progress[i].substr(0, 2), std::to_string(i + 1) + " ");  // skipped pieces are not counted
    }
    const std::vector<std::string> errors = Lines(o.errors);
    ASSERT_EQ(errors.size(), 4u) << o.errors;
    const char* expected[] = {":2: skipped \"010 80\"", ":3: skipped \"010 70 10x\"",
                              ":4: skipped \"0100 60 10\"", ":5: skipped \"010 50 10 extra\""};
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_NE(errors[i].find(expected[i]), std::string::npos) << errors[i];
        EXPECT_NE(errors[i].find(Input().string()), std::string::npos) << errors[i];
    }
}

TEST_F(MakeRalDataTest, LongLinesKeepEveryCodeWhole) {
    // 150 codes on one line, far past a 1024-character buffer.
    std::string line;
    std::vector<std::string> codes;
    for (int h = 10; codes.size() < 150; h += 10) {
        for (int c = 5; c <= 25 && codes.size() < 150; c += 5) {
            char code[32];
            std::snprintf(code, sizeof code, "%03d 50 %02d", h % 370, c);
            codes.push_back(code);
            line += code;
            line += '\t';
        }
    }
    line += "\n";
    ASSERT_GT(line.size(), 1024u);
    const Outcome o = Run(line);
    ASSERT_EQ(o.rows.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(o.rows[i].substr(3, 9), codes[i]);
    }
    EXPECT_EQ(o.errors, "");
}

TEST_F(MakeRalDataTest, GreyOfTheCodeList) {
    const Outcome o = [&] {
        fs::copy_file(fs::path(OSTREL_SOURCE_DIR) / "data" / "ral_design_list.txt", Input());
        return RunOnFiles();
    }();
    ASSERT_EQ(o.progress.size(), 1688u);
    EXPECT_EQ(o.progress[0], "1 ( 10/90 5) 010 90 05");
    EXPECT_EQ(o.progress[1], "2 ( 10/8010) 010 80 10");
    EXPECT_EQ(o.progress[1672], "1673 (  0/15 0) 000 15 00");
    EXPECT_EQ(o.rows[1672], "{ \"000 15 00\", 15.000,  0.000,  0.000 } ,");
    EXPECT_EQ(o.errors, "");
}

TEST_F(MakeRalDataTest, FilesThatCannotBeOpened) {
    // No input: no output file, no console line.
    Outcome o = RunOnFiles();
    EXPECT_EQ(o.status, RalListStatus::inputNotOpened);
    EXPECT_FALSE(fs::exists(Output()));
    EXPECT_TRUE(o.progress.empty());
    EXPECT_EQ(o.errors, "");

    // The output path is a folder.
    WriteInput("010 90 05\n");
    fs::create_directory(Output());
    o = RunOnFiles();
    EXPECT_EQ(o.status, RalListStatus::outputNotOpened);
    EXPECT_TRUE(o.progress.empty());
    EXPECT_EQ(o.errors, "");
}

TEST_F(MakeRalDataTest, ReplacesAnExistingOutput) {
    std::ofstream(Output()) << "old contents\nmore\n";
    const Outcome o = Run("010 90 05\n");
    ASSERT_EQ(o.rows.size(), 1u);
    EXPECT_EQ(o.rows[0].substr(3, 9), "010 90 05");
}

// The plain entry point works in the current folder and stays silent when it cannot start.
TEST_F(MakeRalDataTest, MakeRalDataUsesTheCurrentFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    MakeRalData();
    const std::string silentOut = testing::internal::GetCapturedStdout();
    const std::string silentErr = testing::internal::GetCapturedStderr();
    const bool createdWithoutInput = fs::exists(Output());

    WriteInput("010 90 05\t020 90 05\n");
    testing::internal::CaptureStdout();
    MakeRalData();
    std::fflush(stdout);
    const std::string progress = testing::internal::GetCapturedStdout();
    fs::current_path(previous);

    EXPECT_EQ(silentOut, "");
    EXPECT_EQ(silentErr, "");
    EXPECT_FALSE(createdWithoutInput);
    EXPECT_EQ(progress, "1 ( 10/90 5) 010 90 05\n2 ( 20/90 5) 020 90 05\n");
    EXPECT_EQ(Lines(ReadAll(Output())).size(), 2u);
}

}  // namespace
