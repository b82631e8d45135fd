#pragma once

#include <climits>

// The utility library of the platform layer: the program's directory, paths, files, the
// date, rounding and the help viewer. Results: 0 on success, negative on failure, unless a
// function says otherwise.

// Sizes of the text buffers the path functions write, terminator included: any path the
// system takes.
inline constexpr int kMaxPathnameLen = PATH_MAX;  // a whole path, or a directory
inline constexpr int kMaxFilenameLen = 256;       // one file name with its extension
inline constexpr int kMaxDrivenameLen = 3;        // a drive; always empty on this system

// The directory of the running executable, without a trailing separator, into a buffer of
// kMaxPathnameLen. The program's data files are placed beside the executable.
int GetProjectDir(char directory[]);
// Joins a directory and a file name with one separator into a buffer of kMaxPathnameLen;
// `pathName` may be the same buffer as `directory`. A path that would not fit gives an
// empty text and a negative result.
int MakePathname(const char* directory, const char* fileName, char pathName[]);
// Splits a path into drive (always empty here), directory (with its trailing separator) and
// file name (with its extension). Each output may be null when not wanted. A part too long
// for its buffer is written as an empty text and the result is negative.
int SplitPath(const char* pathName, char driveName[], char directoryName[], char fileName[]);
// Deletes a file (never a directory).
int CVI_DeleteFile(const char* fileName);
// Today's date in local time: month 1..12, day 1..31, four-digit year. Null outputs are skipped.
int GetSystemDate(int* month, int* day, int* year);
// The nearest int; halves go away from zero (2.5 -> 3, -2.5 -> -3). Values beyond the range
// of int give its limits, NaN gives 0.
int RoundRealToNearestInteger(double value);
// Opens a help file in the program's help viewer, on its contents. Returns 0 when the help
// cannot be shown, 1 when it is. Help files are HTML; see system_help.cpp for how a ".hlp"
// name finds its ".html" file. `command`, `contextId` and `keyword` are accepted and
// recorded; the viewer always opens on the contents.
int SystemHelp(const char* helpFile, int command, unsigned long contextId, const char* keyword);
