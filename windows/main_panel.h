#pragma once

// The main window "PANEL": colour table, hue wheel and label, lightness scale, logo and maker
// text, background switch, hue-page buttons, Copy button and RGB-space ring.

// Control IDs, 0 until the build stores them (a failed creation leaves its negative code).
extern int PANEL_RGBRING;
extern int PANEL_TABLE;
extern int PANEL_HOMEBUTTON;
extern int PANEL_LOGO;
extern int PANEL_COPYBUTTON;
extern int PANEL_PREVBUTTON;
extern int PANEL_PREV2BUTTON;
extern int PANEL_NEXT2BUTTON;
extern int PANEL_NEXTBUTTON;
extern int PANEL_HUEWHEEL;
extern int PANEL_HUE;
extern int PANEL_KBTTEXT;
extern int PANEL_LIGHTNESS;
extern int PANEL_BINARYSWITCH;
extern int PANEL_CHROMA;

// Builds the main window hidden, with its menu bar, and returns its handle; or returns the
// first negative result of a platform call, leaving the half-built panel in place.
int BuildPANEL(int parentPanel);

// Callbacks this window calls, defined by the application.
int ChangeColorSpaceCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int CopyChartCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ChangeBackgroundCallback(int panel, int control, int event, void* callbackData, int eventData1,
                             int eventData2);
int GreyHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int PrevHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int NextHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ChangeHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
