#pragma once

// The settings file "Ostrel.ini" beside the program: the RGB working space (COLORSPACE) and
// the hue page on show (HUEINDEX), one "KEY = value" line each.

// Reads the head of the file and applies its last valid COLORSPACE (colorSpace, the ring, the
// working space) and HUEINDEX (actualIndex). No file: nothing changes. A file that cannot be
// read, or is not a regular file, changes nothing either; the user is told, and
// WriteIniFile then leaves it as it is.
void ReadIniFile();
// Writes colorSpace and actualIndex to the file, or to the file its link leads to, keeping its
// mode. A complete new file replaces the old one, or, where only the file may be written, the
// file is written in place. A save that fails leaves the old file and tells the user why.
void WriteIniFile();
