#pragma once

#include <cstdio>

// Developer tool of the colour core: turns a list of RAL Design codes into the initialiser
// rows of the built-in table, one row "{ "HHH LL CC", L*, a*, b* } ," per code.

enum class RalListStatus { ok, inputNotOpened, outputNotOpened };

// Reads the tab-separated codes of inputPath and writes one row per code to outputPath,
// replacing it. A progress line per code goes to `progress`; a piece that starts with a digit
// but is not three numbers "HHH LL CC" is skipped with a message on `errors` naming the line.
// Nothing is written when a file cannot be opened; the status says which one.
RalListStatus MakeRalDataFiles(const char* inputPath, const char* outputPath, std::FILE* progress,
                               std::FILE* errors);

// "ral_design_list.txt" to "ral_design_list.h" in the current directory, progress on the
// standard output. Returns silently when a file cannot be opened.
void MakeRalData();

inline constexpr const char* kRalListInput = "ral_design_list.txt";
inline constexpr const char* kRalListOutput = "ral_design_list.h";
