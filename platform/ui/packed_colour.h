#pragma once

// The layer keeps colours as packed 0xRRGGBB ints, as its callers pass them.
#include <QColor>
#include <optional>

namespace ui_detail {

// 0xRRGGBB as a colour; nothing for the transparent value 0x1000000 (or anything beyond 24 bits).
inline std::optional<QColor> PackedColour(int packed) {
    if (packed < 0 || packed > 0xFFFFFF) return std::nullopt;
    return QColor((packed >> 16) & 0xFF, (packed >> 8) & 0xFF, packed & 0xFF);
}

}  // namespace ui_detail
