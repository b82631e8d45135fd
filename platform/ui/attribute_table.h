#pragma once

// One table from attribute numbers to the value each takes and where it applies; every
// Set/Get of the layer checks against it, so an attribute a control does not have, or a
// value of the wrong type, is refused with an error instead of being misread.
#include "platform/ui/attr_value.h"

namespace ui_detail {

enum class ValueKind {
    Int,       // ints and packed colours
    Text,      // texts
    Number,    // int or double (ranges and increments follow the data type)
    Data,      // a value in the control's data type (default, on/off values)
    Callback,  // a control, panel or menu callback, or 0 for none
    Pointer,   // callback data
};

// Where an attribute may be set.
enum Level : unsigned {
    kPanelLevel = 1u << 0,
    kControlLevel = 1u << 1,
    kRowLevel = 1u << 2,
    kColumnLevel = 1u << 3,
    kCellLevel = 1u << 4,
    kMenuLevel = 1u << 5,
};

struct AttrSpec {
    int number;
    ValueKind kind;
    unsigned levels;
    unsigned styles;  // style families of controls that have it (see StyleFamily)
    bool readOnly;
};

// Positions and sizes of panels, controls and labels stay within this many pixels of 0: far
// beyond any screen, and small enough that a place plus a size never overflows an int.
inline constexpr int kMaxCoordinate = 1 << 20;

// Whether a position or size fits the bound above.
bool CoordinateFits(long long value);

// The family bit of a control style, 0 for an unknown style.
unsigned StyleFamily(int style);

// nullptr for an attribute the layer does not know.
const AttrSpec* FindAttrSpec(int attribute);

// 0, or the negative code for an attribute not settable at this level / on this style, or a
// value of the wrong type, or a position or size beyond kMaxCoordinate. `style` is ignored for panels and
// menus.
int CheckAttribute(int attribute, unsigned level, int style, const AttrValue& value, bool forWrite);

}  // namespace ui_detail
