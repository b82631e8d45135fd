#pragma once

// The colour detail window ("CIELAB"): built hidden, with no callbacks; the shell fills it.

// Builds the window as a top-level window when hParent is 0; returns the panel handle or the
// first negative result of a user-interface call (a half-built panel is then not discarded).
int BuildCIELAB(int hParent);

extern int CIELAB_H;
extern int CIELAB_L2;
extern int CIELAB_C;
extern int CIELAB_L;
extern int CIELAB_a;
extern int CIELAB_b;
extern int CIELAB_X;
extern int CIELAB_Y;
extern int CIELAB_Z;
extern int CIELAB_x;
extern int CIELAB_y;
extern int CIELAB_LSLIDE;
extern int CIELAB_COLORNUM;
extern int CIELAB_NAME;
extern int CIELAB_GRAPH;
extern int CIELAB_LOGO;
extern int CIELAB_KELBRANT;
extern int CIELAB_TEXTMSG;
