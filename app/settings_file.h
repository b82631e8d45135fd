#pragma once

// The settings file "Ostrel.ini" beside the program: the RGB working space (COLORSPACE) and
// the hue page on show (HUEINDEX), one "KEY = value" line each.

// Reads the head of the file line by line: each COLORSPACE line sets colorSpace, the ring
// and the working space (a value that names none of them is kept in colorSpace alone), each
// HUEINDEX line of an existing page sets actualIndex. No file: nothing changes. A file that
// cannot be read or is not a regular file, or a path that cannot be made, changes nothing
// either; the user is told, and WriteIniFile then leaves the file as it is.
void ReadIniFile();
// Writes colorSpace and actualIndex to the file, or to the file its link leads to. A complete
// new file with the old one's mode replaces the user's own file of one name; another's file, or
// one of several names, or one in a folder that takes no new file, is written in place; a file
// this user may not write is left as it is. A save that fails is told.
void WriteIniFile();
