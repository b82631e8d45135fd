#pragma once

// Hue navigation: the step buttons, the home button and the hue wheel.

// The hue wheel's angle, 1..360 counter-clockwise from the right, of a point dx, dy pixels
// from its centre (screen y grows downwards); the centre itself gives 360.
int WheelAngle(int dx, int dy);
// Index of the chromatic page whose hue lies nearest to the angle, the lower hue on a tie.
int NearestHuePage(int angle);

// One or ten pages back or forward (commit), the grey page (left click on the home button or
// the hue label), the page nearest the clicked wheel angle (left click); each returns 0.
int PrevHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int NextHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int GreyHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
int ChangeHueCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
