#pragma once

// Values of controls and table cells in their data type: conversion, range and formatting.
#include <string>

#include "platform/ui/ui_state.h"

namespace ui_detail {

// The data type a control (or cell) uses: attribute 710, or the style's own default.
int DataTypeOf(const ControlRecord& control);
bool IsNumberType(int dataType);  // every type but text
bool IsIntegerType(int dataType);

// Converts `value` to `dataType` (float rounds to single precision). False when the value is of
// another kind (a text for a number, a double for an integer type, ...).
bool ConvertToType(const AttrValue& value, int dataType, AttrValue* converted);

// Puts a value into a control, kept within its range; a ring selects the item with that value.
int StoreControlValue(ControlRecord& control, const AttrValue& value);
double NumericValue(const AttrValue& value);
// The value as the control shows it (precision 735, or the text).
std::string FormatNumber(double value, bool integer, int precision);
std::string ShownText(const ControlRecord& control);
bool ValueIsOn(const ControlRecord& control);

}  // namespace ui_detail
