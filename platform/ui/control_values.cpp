#include "platform/ui/control_values.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/ui/ui_constants.h"

namespace ui_detail {

namespace {
constexpr int kDefaultPrecision = 2;
}

int DataTypeOf(const ControlRecord& control) {
    switch (control.style) {
        case CTRL_STRING:
        case CTRL_TEXT_MSG:
            return VAL_STRING;
        case CTRL_NUMERIC:
        case CTRL_NUMERIC_HSLIDE:
        case CTRL_NUMERIC_VSLIDE:
        case CTRL_NUMERIC_FLAT_HSLIDE:
            return control.attrs.Int(ATTR_DATA_TYPE, VAL_DOUBLE);
        default:
            return control.attrs.Int(ATTR_DATA_TYPE, VAL_INTEGER);
    }
}

bool IsNumberType(int dataType) {
    return dataType != VAL_STRING;
}
bool IsIntegerType(int dataType) {
    return dataType != VAL_STRING && dataType != VAL_FLOAT && dataType != VAL_DOUBLE;
}

bool ConvertToType(const AttrValue& value, int dataType, AttrValue* converted) {
    const auto& v = value.value;
    if (dataType == VAL_STRING) {
        if (!std::holds_alternative<std::string>(v)) return false;
        *converted = value;
        return true;
    }
    if (IsIntegerType(dataType)) {
        if (!std::holds_alternative<int>(v)) return false;
        *converted = value;
        return true;
    }
    double d = 0.0;
    if (auto* i = std::get_if<int>(&v)) {
        d = *i;
    } else if (auto* x = std::get_if<double>(&v)) {
        d = *x;
    } else {
        return false;
    }
    if (dataType == VAL_FLOAT) d = static_cast<double>(static_cast<float>(d));
    *converted = AttrValue(d);
    return true;
}

double NumericValue(const AttrValue& value) {
    if (auto* i = std::get_if<int>(&value.value)) return *i;
    if (auto* d = std::get_if<double>(&value.value)) return *d;
    return 0.0;
}

int StoreControlValue(ControlRecord& control, const AttrValue& value) {
    if (control.style == CTRL_RING) {
        for (size_t i = 0; i < control.items.size(); ++i) {
            const auto& item = control.items[i].value.value;
            if (item == value.value ||
                (std::holds_alternative<double>(item) && std::holds_alternative<int>(value.value) &&
                 std::get<double>(item) == std::get<int>(value.value))) {
                control.selected = static_cast<int>(i);
                return 0;
            }
        }
        return UIE_ITEM_NOT_FOUND;
    }
    const int type = DataTypeOf(control);
    AttrValue converted{0};
    if (!ConvertToType(value, type, &converted)) return UIE_BAD_VALUE_TYPE;
    const int family = control.style;
    const bool ranged = family == CTRL_NUMERIC || family == CTRL_NUMERIC_HSLIDE ||
                        family == CTRL_NUMERIC_VSLIDE || family == CTRL_NUMERIC_FLAT_HSLIDE;
    if (ranged && IsNumberType(type)) {
        // Values outside the range are coerced to its nearest end.
        const double lo = control.attrs.Double(ATTR_MIN_VALUE, -std::numeric_limits<double>::infinity());
        const double hi = control.attrs.Double(ATTR_MAX_VALUE, std::numeric_limits<double>::infinity());
        const double x = NumericValue(converted);
        if (lo <= hi && (x < lo || x > hi)) {
            const double clamped = x < lo ? lo : hi;
            if (IsIntegerType(type)) {
                // A range end beyond the int range stands for that range's own end.
                converted =
                    AttrValue(static_cast<int>(std::clamp(clamped, double{std::numeric_limits<int>::min()},
                                                          double{std::numeric_limits<int>::max()})));
            } else {
                ConvertToType(AttrValue(clamped), type, &converted);
            }
        }
    }
    control.value = converted;
    return 0;
}

std::string FormatNumber(double value, bool integer, int precision) {
    char text[64];
    if (integer) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    } else {
        if (precision < 0 || precision > 15) precision = kDefaultPrecision;
        std::snprintf(text, sizeof text, "%.*f", precision, value);
    }
    return text;
}

std::string ShownText(const ControlRecord& control) {
    if (auto* s = std::get_if<std::string>(&control.value.value)) return *s;
    const int type = DataTypeOf(control);
    return FormatNumber(NumericValue(control.value), IsIntegerType(type),
                        control.attrs.Int(ATTR_PRECISION, kDefaultPrecision));
}

bool ValueIsOn(const ControlRecord& control) {
    if (control.style == CTRL_BINARY_SWITCH) {
        const AttrValue* on = control.attrs.Find(ATTR_ON_VALUE);
        return on != nullptr ? control.value.value == on->value : NumericValue(control.value) != 0.0;
    }
    return NumericValue(control.value) != 0.0;
}

}  // namespace ui_detail
