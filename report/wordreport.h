#pragma once

// The report of the hue page that the main window shows, written as a Word document.

// File > Report: asks for the document's name and writes the page on show there, its colour
// table and a snapshot of the main window; given the bar, the item, the data and the panel.
void ReportCallback(int menuBar, int menuItem, void* callbackData, int panel);

// Called by the report, defined by the application: the main window's Copy, which puts the
// window's picture on the clipboard (without a message when panel and control are 0).
int CopyChartCallback(int panel, int control, int event, void* callbackData, int eventData1, int eventData2);
