#pragma once

// Controls of a panel: creation, attributes, values, rings and the mouse.
#include <cstddef>
#include <string>

#include "platform/ui/attr_value.h"
#include "platform/ui/ui_constants.h"

// Identifiers on a new panel are 2, 3, 4 ... in creation order.
int NewCtrl(int panel, int style, const char* label, int top, int left);
int DiscardCtrl(int panel, int control);
int SetCtrlAttribute(int panel, int control, int attribute, AttrValue value);
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
int GetCtrlAttribute(int panel, int control, int attribute, double* value);
int GetCtrlAttribute(int panel, int control, int attribute, std::string* value);
int GetCtrlAttributeText(int panel, int control, int attribute, char* buffer, std::size_t size);
template <std::size_t N>
int GetCtrlAttribute(int panel, int control, int attribute, char (&buffer)[N]) {
    return GetCtrlAttributeText(panel, control, attribute, buffer, N);
}
// Makes the default value (attribute 732) the current value.
int DefaultCtrl(int panel, int control);
// The value is taken in the control's own data type; a ring selects the item of that value.
int SetCtrlVal(int panel, int control, AttrValue value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, float* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, std::string* value);
int GetCtrlValText(int panel, int control, char* buffer, std::size_t size);
template <std::size_t N>
int GetCtrlVal(int panel, int control, char (&buffer)[N]) {
    return GetCtrlValText(panel, control, buffer, N);
}
// The mouse position in pixels from the control's top-left corner; any out pointer may be null.
int GetRelativeMouseState(int panel, int control, int* x, int* y, int* leftButton, int* rightButton,
                          int* keyModifiers);

// Rings: items with a label and a value. Index -1 appends.
int InsertListItem(int panel, int control, int index, const char* label, AttrValue value);
// Count -1 deletes every item from index on.
int DeleteListItem(int panel, int control, int index, int count);
int GetNumListItems(int panel, int control, int* count);
int GetIndexFromValue(int panel, int control, int* index, AttrValue value);
int GetValueFromIndex(int panel, int control, int index, int* value);
int GetLabelFromIndex(int panel, int control, int index, std::string* label);
int GetLabelFromIndexText(int panel, int control, int index, char* buffer, std::size_t size);
template <std::size_t N>
int GetLabelFromIndex(int panel, int control, int index, char (&buffer)[N]) {
    return GetLabelFromIndexText(panel, control, index, buffer, N);
}
int GetCtrlIndex(int panel, int control, int* index);
