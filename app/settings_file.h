#pragma once

// The settings file "Ostrel.ini" beside the program: the RGB working space (COLORSPACE) and
// the hue page on show (HUEINDEX), one "KEY = value" line each.

// Applies the file's lines in order: COLORSPACE sets colorSpace, the ring and the working
// space; HUEINDEX sets actualIndex when it names a page. No file: nothing changes.
void ReadIniFile();
// Writes colorSpace and actualIndex. The new file replaces the old one only when it is
// complete, so a write that fails leaves the previous settings in place.
void WriteIniFile();
