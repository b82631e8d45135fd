#pragma once

// The driver's error codes: automation result codes read as negative ints.

inline constexpr int kWordRptBadHandle = static_cast<int>(0x80070006u);     // no such handle
inline constexpr int kWordRptBadArgument = static_cast<int>(0x80070057u);   // an argument refused
inline constexpr int kWordRptBadIndex = static_cast<int>(0x8002000Bu);      // row or column out of range
inline constexpr int kWordRptNoSelection = static_cast<int>(0x80040201u);   // selection not where needed
inline constexpr int kWordRptNoBookmark = static_cast<int>(0x80040202u);    // no bookmark of that name
inline constexpr int kWordRptPictureFile = static_cast<int>(0x80040203u);   // picture unreadable
inline constexpr int kWordRptPathNotFound = static_cast<int>(0x80070003u);  // folder missing
inline constexpr int kWordRptAccessDenied = static_cast<int>(0x80070005u);  // not allowed to write
inline constexpr int kWordRptDiskFull = static_cast<int>(0x80070070u);      // no room left
inline constexpr int kWordRptNameTooLong = static_cast<int>(0x800700CEu);   // name or path too long
inline constexpr int kWordRptFileTooLarge = static_cast<int>(0x800700DFu);  // over the file size limit
inline constexpr int kWordRptWriteFault = static_cast<int>(0x8003001Du);    // any other write failure
inline constexpr int kWordRptServerFailed = static_cast<int>(0x80080005u);  // application not started
