#pragma once

// Callbacks of the main window's controls. Each acts on the one event it names
// (1 commit or 3 left click) and returns 0.

int ChangeColorSpaceCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int HitTableCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int GreyHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int CopyChartCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int PrevHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int NextHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ChangeHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ChangeBackgroundCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
