#pragma once

// The fonts the windows name (Windows fonts and the platform's meta fonts) mapped to
// installed ones that look alike. Sizes are in pixels, as the windows were laid out.
#include <QFont>
#include <QString>
#include <string>

namespace ui_detail {

struct FontStyle {
    std::string name;  // empty: the desktop default
    int size = 13;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

QFont MapFont(const FontStyle& style);
// The installed family that stands in for a font name.
QString MapFamily(const std::string& name);
// The symbol a character of the glyph font stands for (arrows, home), or 0 when none.
enum class Glyph { None, Left, Right, SkipLeft, SkipRight, Up, Down, Home };
Glyph WebdingsGlyph(const std::string& fontName, const std::string& text);

}  // namespace ui_detail
