#pragma once

// Hue navigation: the step buttons, the home button and the hue wheel (callbacks declared in
// main_callbacks.h).

// The hue wheel's angle, 1..360 counter-clockwise from the right, of a point dx, dy pixels
// from its centre (screen y grows downwards); the centre itself gives 360.
int WheelAngle(int dx, int dy);
// Index of the chromatic page whose hue lies nearest to the angle, the lower hue on a tie.
int NearestHuePage(int angle);
