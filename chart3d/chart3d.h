#pragma once

// The rotatable 3D chart of every built-in colour in L*a*b*.

// Redraws the whole chart on the canvas of chart3dPanel; does nothing while the window is hidden.
void PlotCHART3D();

// Control callbacks of the chart window (panel, control, event, data, event data 1 and 2).
int RotateCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ResetCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int Copy3DCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
