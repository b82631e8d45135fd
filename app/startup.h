#pragma once

// Start-up and shutdown of the viewer. `main` is OstrelMain; the parts are callable on their
// own so that tests and benchmarks can run the program in-process.

// The program name of an executable path: its file name cut at the last "." and then at the
// first "_dbg", into `name` (256 bytes).
void MakeProgramName(const char* executable, char name[256]);

// Everything up to the event loop: run-time, windows, menu bar, hue pages, name and title,
// ring, settings, the first page. 0 when the viewer is ready; -1 when the run-time cannot
// start; 1 when a window or the menu bar cannot be built (said on standard error, and what
// was built is discarded).
int StartUp(char* argv[]);
// Discards the windows and the 3D chart's background, then writes the settings file.
void ShutDown();
// StartUp, the event loop until File > Quit is confirmed, ShutDown; the exit code.
int OstrelMain(int argc, char* argv[]);
