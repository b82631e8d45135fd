#pragma once

// The 3D chart window ("CHART3D"): built hidden, its first picture already on the canvas.

// Builds the window as a top-level window when hParent is 0; returns the panel handle or the
// first negative result of a user-interface call (a half-built panel is then not discarded).
int BuildCHART3D(int hParent);

// Creation order gives the identifiers 2 to 11, which the chart code also uses as constants.
extern int CHART3D_CANVAS;
extern int CHART3D_PHISLIDE;
extern int CHART3D_LOGO;
extern int CHART3D_THETASLIDE;
extern int CHART3D_COPYBUTTON;
extern int CHART3D_RHOSLIDE;
extern int CHART3D_RESETBUTTON;
extern int CHART3D_EDGESCHECKBOX;
extern int CHART3D_SCALESLIDE;
extern int CHART3D_CHARTNAME;
