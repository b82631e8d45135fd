#include "platform/ui/attribute_table.h"

#include <algorithm>
#include <array>

#include "platform/ui/ui_constants.h"

namespace ui_detail {

namespace {

enum Family : unsigned {
    kNumeric = 1u << 0,  // 100
    kSlide = 1u << 1,    // 110, 113, 114
    kColorNum = 1u << 2,
    kString = 1u << 3,
    kTextMsg = 1u << 4,
    kButton = 1u << 5,
    kCheckBox = 1u << 6,
    kSwitch = 1u << 7,
    kRing = 1u << 8,
    kGraph = 1u << 9,
    kPicture = 1u << 10,
    kCanvas = 1u << 11,
    kTable = 1u << 12,
};

constexpr unsigned kAll = 0x1FFF;
constexpr unsigned kValued =
    kNumeric | kSlide | kColorNum | kString | kTextMsg | kButton | kCheckBox | kSwitch | kRing | kTable;
constexpr unsigned kNumbers = kNumeric | kSlide | kColorNum | kTable;
constexpr unsigned kTyped = kNumbers | kRing | kSwitch | kCheckBox;
constexpr unsigned kPictures = kPicture | kCanvas | kTable;

constexpr unsigned P = kPanelLevel, C = kControlLevel, R = kRowLevel, L = kColumnLevel, X = kCellLevel,
                   M = kMenuLevel;
constexpr unsigned kLines = R | L;
constexpr unsigned kCells = C | R | L | X;

using K = ValueKind;

// number, value, levels, styles, read-only. Sorted by number.
constexpr std::array kSpecs = {
    AttrSpec{500, K::Int, P | C | M, kAll, false},       // dimmed
    AttrSpec{501, K::Text, P | C | M, kAll, false},      // constant name
    AttrSpec{513, K::Callback, P | C | M, kAll, false},  // callback
    AttrSpec{514, K::Pointer, P | C | M, kAll, false},   // callback data
    AttrSpec{530, K::Int, P | C, kAll, false},           // visible
    AttrSpec{531, K::Int, P | C, kAll, false},           // left
    AttrSpec{532, K::Int, P | C, kAll, false},           // top
    AttrSpec{533, K::Int, P | C, kAll, false},           // width
    AttrSpec{540, K::Int, P | C, kAll, false},           // height
    AttrSpec{550, K::Int, P | C, kAll, false},           // frame colour
    AttrSpec{551, K::Int, C, kTable, false},
    AttrSpec{552, K::Int, P | C, kAll, false},  // background colour
    AttrSpec{560, K::Int, C, kTable, false},
    AttrSpec{570, K::Int, P, 0, false},  // panel client-area colour
    AttrSpec{576, K::Int, P, 0, false},
    AttrSpec{577, K::Int, P, 0, false},
    AttrSpec{578, K::Int, P, 0, false},
    AttrSpec{580, K::Int, P, 0, false},
    AttrSpec{593, K::Int, C, kTable, false},
    AttrSpec{599, K::Int, P, 0, false},
    AttrSpec{600, K::Int, P, 0, false},
    AttrSpec{610, K::Int, C, kAll, false},  // z-plane position
    AttrSpec{612, K::Int, C, kAll, false},  // tab position
    AttrSpec{615, K::Int, P, 0, false},
    AttrSpec{617, K::Int, P, 0, false},
    AttrSpec{618, K::Int, P, 0, false},  // scale contents on resize
    AttrSpec{619, K::Int, P, 0, false},
    AttrSpec{620, K::Int, C, kAll, false},  // control mode
    AttrSpec{621, K::Int, P, 0, false},
    AttrSpec{640, K::Int, C | kLines, kAll, false},   // label colour
    AttrSpec{641, K::Text, C | kLines, kAll, false},  // label text
    AttrSpec{642, K::Text, C | kLines, kAll, false},  // label font
    AttrSpec{644, K::Int, C | kLines, kAll, false},   // label underline
    AttrSpec{646, K::Int, C | kLines, kAll, false},   // label point size
    AttrSpec{647, K::Int, C | kLines, kAll, false},   // label bold
    AttrSpec{649, K::Int, C, kAll, false},
    AttrSpec{660, K::Int, kLines, kTable, false},
    AttrSpec{670, K::Int, C, kAll, false},  // label left
    AttrSpec{671, K::Int, C, kAll, false},  // label top
    AttrSpec{672, K::Int, C, kAll, false},  // label width
    AttrSpec{673, K::Int, C, kAll, false},  // label height
    AttrSpec{674, K::Int, C, kAll, false},  // label background
    AttrSpec{675, K::Int, kLines, kTable, false},
    AttrSpec{676, K::Int, C, kAll, false},
    AttrSpec{680, K::Int, kCells, kValued, false},   // text colour
    AttrSpec{682, K::Text, kCells, kValued, false},  // text font
    AttrSpec{683, K::Int, kCells, kValued, false},
    AttrSpec{684, K::Int, kCells, kValued, false},
    AttrSpec{685, K::Int, kCells, kValued, false},
    AttrSpec{686, K::Int, kCells, kValued, false},  // text point size
    AttrSpec{687, K::Int, kCells, kValued, false},
    AttrSpec{690, K::Int, kCells, kValued, false},  // text background
    AttrSpec{700, K::Int, kCells, kValued, false},  // justification
    AttrSpec{710, K::Int, kCells, kTyped, false},   // data type
    AttrSpec{721, K::Int, C, kRing, false},
    AttrSpec{730, K::Number, kCells, kNumbers, false},  // maximum
    AttrSpec{731, K::Number, kCells, kNumbers, false},  // minimum
    AttrSpec{732, K::Data, C, kValued, false},          // default value
    AttrSpec{733, K::Number, kCells, kNumbers, false},  // increment
    AttrSpec{734, K::Int, kCells, kNumbers, false},
    AttrSpec{735, K::Int, kCells, kNumbers, false},  // precision
    AttrSpec{737, K::Int, kCells, kNumbers, false},
    AttrSpec{738, K::Int, kCells, kNumbers, false},
    AttrSpec{739, K::Int, kCells, kNumbers, false},
    AttrSpec{760, K::Int, kCells, kString | kTable, false},  // maximum entry length
    AttrSpec{791, K::Int, kCells, kTable, false},
    AttrSpec{795, K::Int, kCells, kTable, false},
    AttrSpec{840, K::Int, kCells, kTable, false},
    AttrSpec{861, K::Int, C, kTextMsg, false},
    AttrSpec{880, K::Int, C, kButton, false},  // button colour
    AttrSpec{881, K::Int, C, kButton, false},
    AttrSpec{900, K::Data, C, kSwitch, false},  // on value
    AttrSpec{901, K::Data, C, kSwitch, false},  // off value
    AttrSpec{904, K::Int, C, kSwitch, false},
    AttrSpec{920, K::Int, C, kCheckBox, false},
    AttrSpec{921, K::Int, C, kCheckBox, false},
    AttrSpec{940, K::Text, C, kSwitch, false},  // on text
    AttrSpec{941, K::Text, C, kSwitch, false},  // off text
    AttrSpec{970, K::Int, C, kSlide, false},
    AttrSpec{971, K::Int, C, kSlide, false},
    AttrSpec{972, K::Int, C, kSlide, false},
    AttrSpec{973, K::Int, C, kSlide, false},
    AttrSpec{974, K::Int, C, kSlide, false},
    AttrSpec{980, K::Int, C, kSlide, false},
    AttrSpec{981, K::Int, C, kSlide, false},
    AttrSpec{982, K::Int, C, kSlide, false},
    AttrSpec{983, K::Int, C, kSlide, false},
    AttrSpec{985, K::Int, C, kSlide, false},
    AttrSpec{992, K::Int, C, kSlide, false},
    AttrSpec{993, K::Int, C, kSlide, false},
    AttrSpec{995, K::Int, C, kColorNum, false},
    AttrSpec{997, K::Int, C, kSlide, false},
    AttrSpec{998, K::Int, C, kSlide, false},
    AttrSpec{1020, K::Int, C, kAll, false},  // shortcut key
    AttrSpec{1040, K::Int, M, 0, false},     // check mark
    AttrSpec{1080, K::Int, C, kGraph, false},
    AttrSpec{1081, K::Int, C, kGraph, false},
    AttrSpec{1084, K::Text, C, kGraph, false},
    AttrSpec{1085, K::Int, C, kGraph, false},
    AttrSpec{1086, K::Text, C, kGraph, false},  // x axis name
    AttrSpec{1090, K::Int, C, kGraph, false},
    AttrSpec{1091, K::Int, C, kGraph, false},
    AttrSpec{1093, K::Text, C, kGraph, false},  // y axis name
    AttrSpec{1099, K::Int, C, kGraph, false},
    AttrSpec{1115, K::Int, C, kGraph, false},
    AttrSpec{1117, K::Int, C, kGraph, false},
    AttrSpec{1124, K::Number, C, kGraph, false},  // x gain
    AttrSpec{1125, K::Number, C, kGraph, false},  // y gain
    AttrSpec{1126, K::Number, C, kGraph, false},  // x offset
    AttrSpec{1127, K::Number, C, kGraph, false},  // y offset
    AttrSpec{1149, K::Int, C, kGraph, false},     // active y axis
    AttrSpec{1290, K::Int, C, kPictures, false},
    AttrSpec{1291, K::Int, C, kCanvas, false},  // canvas background colour
    AttrSpec{1292, K::Int, kCells, kPictures, false},
    AttrSpec{1350, K::Int, C, kCanvas, false},  // pen colour
    AttrSpec{1351, K::Int, C, kCanvas, false},  // pen fill colour
    AttrSpec{1352, K::Int, C, kCanvas, false},
    AttrSpec{1353, K::Int, C, kCanvas, false},
    AttrSpec{1354, K::Int, C, kCanvas, false},
    AttrSpec{1355, K::Int, C, kCanvas, false},  // pen width
    AttrSpec{1510, K::Int, C, kTable, false},
    AttrSpec{1511, K::Int, C, kTable, false},
    AttrSpec{1512, K::Int, C, kTable, false},
    AttrSpec{1514, K::Int, C, kTable, false},
    AttrSpec{1517, K::Int, C, kTable, false},       // row label width
    AttrSpec{1518, K::Int, C, kTable, false},       // column label height
    AttrSpec{1526, K::Int, C, kTable, true},        // top of row 1
    AttrSpec{1527, K::Int, C, kTable, true},        // left of column 1
    AttrSpec{1580, K::Int, kCells, kTable, false},  // cell type
    AttrSpec{1581, K::Int, kCells, kTable, false},
    AttrSpec{1582, K::Int, kCells, kTable, false},
    AttrSpec{1583, K::Int, kCells, kTable, false},  // horizontal grid colour
    AttrSpec{1584, K::Int, kCells, kTable, false},  // vertical grid colour
    AttrSpec{1585, K::Int, kCells, kTable, false},
    AttrSpec{1586, K::Int, kCells, kTable, false},
    AttrSpec{1587, K::Int, kCells, kTable, false},
    AttrSpec{1588, K::Int, kCells, kTable, false},
    AttrSpec{1589, K::Number, kCells, kTable, false},
    AttrSpec{1590, K::Text, kCells, kTable, false},
    AttrSpec{1592, K::Int, kCells, kTable, false},
    AttrSpec{1620, K::Int, kLines, kTable, false},
    AttrSpec{1621, K::Int, kLines, kTable, false},
    AttrSpec{1650, K::Int, R, kTable, false},  // row height
    AttrSpec{1651, K::Int, R, kTable, true},   // row height as drawn
    AttrSpec{1700, K::Int, L, kTable, false},  // column width
    AttrSpec{1701, K::Int, L, kTable, true},   // column width as drawn
};

constexpr bool Sorted() {
    for (size_t i = 1; i < kSpecs.size(); ++i) {
        if (kSpecs[i - 1].number >= kSpecs[i].number) return false;
    }
    return true;
}
static_assert(Sorted(), "attribute table must be sorted by number");

bool KindAccepts(ValueKind kind, const AttrValue& value) {
    const auto& v = value.value;
    switch (kind) {
        case K::Int:
            return std::holds_alternative<int>(v);
        case K::Text:
            return std::holds_alternative<std::string>(v);
        case K::Number:
            return std::holds_alternative<int>(v) || std::holds_alternative<double>(v);
        case K::Data:
            return std::holds_alternative<int>(v) || std::holds_alternative<double>(v) ||
                   std::holds_alternative<std::string>(v);
        case K::Callback:
            return std::holds_alternative<CtrlCallbackPtr>(v) ||
                   std::holds_alternative<PanelCallbackPtr>(v) ||
                   std::holds_alternative<MenuCallbackPtr>(v) ||
                   (std::holds_alternative<int>(v) && std::get<int>(v) == 0);
        case K::Pointer:
            return std::holds_alternative<void*>(v) ||
                   (std::holds_alternative<int>(v) && std::get<int>(v) == 0);
    }
    return false;
}

bool IsGeometry(int attribute) {
    switch (attribute) {
        case ATTR_LEFT:
        case ATTR_TOP:
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
        case ATTR_LABEL_LEFT:
        case ATTR_LABEL_TOP:
        case ATTR_LABEL_WIDTH:
        case ATTR_LABEL_HEIGHT:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool CoordinateFits(long long value) {
    return value >= -kMaxCoordinate && value <= kMaxCoordinate;
}

unsigned StyleFamily(int style) {
    switch (style) {
        case CTRL_NUMERIC:
            return kNumeric;
        case CTRL_NUMERIC_HSLIDE:
        case CTRL_NUMERIC_VSLIDE:
        case CTRL_NUMERIC_FLAT_HSLIDE:
            return kSlide;
        case CTRL_COLOR_NUMERIC:
            return kColorNum;
        case CTRL_STRING:
            return kString;
        case CTRL_TEXT_MSG:
            return kTextMsg;
        case CTRL_COMMAND_BUTTON:
            return kButton;
        case CTRL_CHECK_BOX:
            return kCheckBox;
        case CTRL_BINARY_SWITCH:
            return kSwitch;
        case CTRL_RING:
            return kRing;
        case CTRL_GRAPH:
            return kGraph;
        case CTRL_PICTURE:
            return kPicture;
        case CTRL_CANVAS:
            return kCanvas;
        case CTRL_TABLE:
            return kTable;
        default:
            return 0;
    }
}

const AttrSpec* FindAttrSpec(int attribute) {
    auto it = std::lower_bound(kSpecs.begin(), kSpecs.end(), attribute,
                               [](const AttrSpec& entry, int number) { return entry.number < number; });
    return (it != kSpecs.end() && it->number == attribute) ? &*it : nullptr;
}

int CheckAttribute(int attribute, unsigned level, int style, const AttrValue& value, bool forWrite) {
    const AttrSpec* entry = FindAttrSpec(attribute);
    if (entry == nullptr || (entry->levels & level) == 0) return UIE_BAD_ATTRIBUTE;
    const bool controlLike = (level & (kControlLevel | kRowLevel | kColumnLevel | kCellLevel)) != 0;
    if (controlLike && (entry->styles & StyleFamily(style)) == 0) return UIE_BAD_ATTRIBUTE;
    if (!forWrite) return 0;
    if (entry->readOnly) return UIE_BAD_ATTRIBUTE;
    if (!KindAccepts(entry->kind, value)) return UIE_BAD_VALUE_TYPE;
    if (IsGeometry(attribute) && !CoordinateFits(std::get<int>(value.value))) return UIE_OUT_OF_RANGE;
    return 0;
}

}  // namespace ui_detail
