#pragma once

// Callbacks of the main window's RGB-space ring, background switch and Copy button. Each acts
// on a commit and returns 0.

int ChangeColorSpaceCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int ChangeBackgroundCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
// Puts the main window without its operating controls on the clipboard and says how that went,
// unless panel and control are 0 (the report's call).
int CopyChartCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
