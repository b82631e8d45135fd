#pragma once

// The main window's menu bar: File (Report, Quit), Display (CIE Coordinates, 3D window) and
// Help (About, Contents).

// Identifiers of the bar's menus, items and separator; 0 until the first build.
extern int MENU_FILE;
extern int MENU_FILE_REPORT;
extern int MENU_FILE_SEP1;
extern int MENU_FILE_QUIT;
extern int MENU_DISPLAY;
extern int MENU_DISPLAY_CIELAB;
extern int MENU_DISPLAY_CHART3D;
extern int MENU_HELP;
extern int MENU_HELP_ABOUT;
extern int MENU_HELP_CONTENTS;

// Builds a new bar on the panel and returns its handle, or the first negative result of a
// platform call; what was built up to that call stays on the panel.
int BuildMENU(int panel);

// Callbacks these items call, defined by the application; File > Report calls the report's.
void QuitProgramCallback(int menuBar, int menuItem, void* callbackData, int panel);
void CIELabCallback(int menuBar, int menuItem, void* callbackData, int panel);
void Chart3dCallback(int menuBar, int menuItem, void* callbackData, int panel);
void AboutCallback(int menuBar, int menuItem, void* callbackData, int panel);
void HelpCallback(int menuBar, int menuItem, void* callbackData, int panel);
