#pragma once

// Menu bars of panels. Entry identifier 0 addresses the bar itself.
#include <cstddef>
#include <string>

#include "platform/ui/attr_value.h"
#include "platform/ui/ui_constants.h"

int NewMenuBar(int panel);
// Position -1 appends.
int NewMenu(int menuBar, const char* label, int position);
int NewMenuItem(int menuBar, int menu, const char* label, int position, int shortcutKey,
                MenuCallbackPtr callback, void* callbackData);
int InsertSeparator(int menuBar, int menu, int position);
int SetMenuBarAttribute(int menuBar, int entry, int attribute, AttrValue value);
int GetMenuBarAttribute(int menuBar, int entry, int attribute, int* value);
int GetMenuBarAttribute(int menuBar, int entry, int attribute, std::string* value);
