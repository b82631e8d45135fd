#pragma once

// Graph controls: axes with names and scaling, and point plots. Axes: 0 x, 1 left y, 2 right
// y. Attribute 1149 selects the y axis (1 left, 2 right) that the y-axis attributes set after
// it (name 1093, gain 1125, offset 1127) and new plots apply to. The x axis is named by 1086.
inline constexpr int ATTR_ACTIVE_YAXIS = 1149;
inline constexpr int VAL_XAXIS = 0;
inline constexpr int VAL_LEFT_YAXIS = 1;
inline constexpr int VAL_RIGHT_YAXIS = 2;
inline constexpr int VAL_MANUAL = 0;
inline constexpr int VAL_AUTOSCALE = 1;
inline constexpr int VAL_SOLID_CIRCLE = 12;
inline constexpr int VAL_IMMEDIATE_DRAW = 1;

// Plots one point, a filled disc 9 pixels wide in the colour (0xRRGGBB), whatever the style.
// Returns the plot's handle (> 0) or a negative code.
int PlotPoint(int panel, int control, double x, double y, int pointStyle, int colour);
// Removes one plot; the graph is redrawn without it whatever the refresh mode.
int DeleteGraphPlot(int panel, int control, int plotHandle, int refresh);
// Mode 0: manual, the axis spans exactly minimum..maximum (minimum < maximum); mode 1:
// automatic, the axis spans what is plotted against it (minimum and maximum are not used).
int SetAxisScalingMode(int panel, int control, int axis, int mode, double minimum, double maximum);
// The axis's mode and the range it spans now; outputs may be null.
int GetAxisScalingMode(int panel, int control, int axis, int* mode, double* minimum, double* maximum);
