#pragma once

// Callbacks of the main window's menu items (File > Report is the report's): given the bar,
// the chosen item, the callback data and the panel; no result.

void QuitProgramCallback(int menuBar, int menuItem, void* callbackData, int panel);
void CIELabCallback(int menuBar, int menuItem, void* callbackData, int panel);
void Chart3dCallback(int menuBar, int menuItem, void* callbackData, int panel);
void AboutCallback(int menuBar, int menuItem, void* callbackData, int panel);
void HelpCallback(int menuBar, int menuItem, void* callbackData, int panel);
