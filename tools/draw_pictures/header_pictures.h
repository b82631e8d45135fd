#pragma once

// The report's header pictures, written as BMP files beside the program: the maker's logo
// "kelbrant.bmp", the 3D chart "chart3d.bmp" and the program logo "ostrel.bmp".

// Starts the user-interface run-time headless and writes the three into `directory`; 0, or 1
// when one cannot be drawn or written.
int WriteHeaderPictures(char* argv[], const char* directory);
