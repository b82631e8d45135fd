#pragma once

// Panels (windows), and the system and monitor queries that size them.
#include <cstddef>
#include <string>

#include "platform/ui/attr_value.h"
#include "platform/ui/ui_constants.h"

// A new hidden panel; parent 0 makes a top-level window. Returns its handle (> 0) or an error.
int NewPanel(int parent, const char* title, int top, int left, int height, int width);
int SetPanelAttribute(int panel, int attribute, AttrValue value);
int GetPanelAttribute(int panel, int attribute, int* value);
int GetPanelAttribute(int panel, int attribute, double* value);
int GetPanelAttribute(int panel, int attribute, std::string* value);
int GetPanelAttributeText(int panel, int attribute, char* buffer, std::size_t size);
template <std::size_t N>
int GetPanelAttribute(int panel, int attribute, char (&buffer)[N]) {
    return GetPanelAttributeText(panel, attribute, buffer, N);
}
int DisplayPanel(int panel);
int HidePanel(int panel);
// Discards the panel, its child panels, controls and menu bar.
int DiscardPanel(int panel);

// System attribute 1500: the resolution adjustment in percent, -1 for none.
int GetSystemAttribute(int attribute, int* value);
int GetMonitorFromPanel(int panel, int* monitor);
// Monitor attributes 540 (height) and 533 (width), in pixels.
int GetMonitorAttribute(int monitor, int attribute, int* value);
