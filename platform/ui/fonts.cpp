#include "platform/ui/fonts.h"

#include <QGuiApplication>
#include <algorithm>
#include <cctype>

namespace ui_detail {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

QString MapFamily(const std::string& name) {
    const std::string key = Lower(name);
    if (key == "arial" || key == "helvetica" || key == "tahoma" || key == "verdana") return "Liberation Sans";
    if (key == "arial narrow") return "Liberation Sans Narrow";
    if (key == "arial black") return "DejaVu Sans";
    if (key == "bitstream vera sans") return "DejaVu Sans";
    if (key == "times new roman") return "Liberation Serif";
    if (key == "courier new" || key == "courier") return "Liberation Mono";
    // The platform's meta fonts ("NIDialog", "NIDialogMetaFont", "NIAppMetaFont" ...) and
    // anything unknown take the desktop's default.
    return QGuiApplication::font().family();
}

QFont MapFont(const FontStyle& style) {
    QFont font(MapFamily(style.name));
    font.setPixelSize(std::max(1, style.size));
    // Arial Black is a heavy face; the stand-in family gets its heaviest weight.
    const bool black = Lower(style.name) == "arial black";
    font.setWeight(black ? QFont::Black : (style.bold ? QFont::Bold : QFont::Normal));
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeout);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

Glyph WebdingsGlyph(const std::string& fontName, const std::string& text) {
    if (Lower(fontName) != "webdings" || text.size() != 1) return Glyph::None;
    switch (text[0]) {
        case '3':
            return Glyph::Left;
        case '4':
            return Glyph::Right;
        case '5':
            return Glyph::Up;
        case '6':
            return Glyph::Down;
        case '7':
            return Glyph::SkipLeft;
        case '8':
            return Glyph::SkipRight;
        case '<':
        case 'H':
            return Glyph::Home;
        default:
            return Glyph::None;
    }
}

}  // namespace ui_detail
