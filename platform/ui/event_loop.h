#pragma once

// Start of the run-time, the event loop and the error-break switches.

// Returns 1 when the run-time started, 0 when no display can be opened.
int InitCVIRTEEx(void* instance, char* argv[], void* reserved);
// Runs callbacks until QuitUserInterface; returns the code given to it.
int RunUserInterface();
int QuitUserInterface(int returnCode);
int ProcessSystemEvents();
// Each returns the previous setting.
int SetBreakOnLibraryErrors(int on);
int SetBreakOnProtectionErrors(int on);
// The address of a double holding positive infinity.
const double* _GetDoubleInf();
