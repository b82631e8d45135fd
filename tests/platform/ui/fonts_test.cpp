// The Windows fonts the windows name map to installed look-alikes; glyph buttons get symbols.
#include "platform/ui/fonts.h"

#include <QFontInfo>
#include <QGuiApplication>

#include "tests/platform/ui/ui_fixture.h"

namespace {

using FontsTest = UiTest;
using ui_detail::Glyph;

TEST_F(FontsTest, WindowsFontsMapToInstalledLookAlikes) {
    struct Row {
        const char* name;
        const char* family;
    };
    for (Row row : {Row{"Arial", "Liberation Sans"}, Row{"Arial Narrow", "Liberation Sans Narrow"},
                    Row{"Bitstream Vera Sans", "DejaVu Sans"}}) {
        const QFont font = ui_detail::MapFont({row.name, 14, false, false, false, false});
        EXPECT_EQ(QFontInfo(font).family().toStdString(), row.family)
            << row.name << " is installed as its stand-in";
        EXPECT_EQ(font.pixelSize(), 14) << "sizes are pixels, as the windows were laid out";
    }
    EXPECT_EQ(ui_detail::MapFont({"Arial Black", 16, false, false, false, false}).weight(), QFont::Black);
    EXPECT_EQ(ui_detail::MapFamily("NIDialogMetaFont"), QGuiApplication::font().family());
}

TEST_F(FontsTest, WebdingsCharactersBecomeArrowsAndHome) {
    struct Row {
        const char* text;
        Glyph glyph;
    };
    for (Row row : {Row{"3", Glyph::Left}, Row{"4", Glyph::Right}, Row{"7", Glyph::SkipLeft},
                    Row{"8", Glyph::SkipRight}, Row{"<", Glyph::Home}, Row{"Copy", Glyph::None}}) {
        EXPECT_EQ(ui_detail::WebdingsGlyph("Webdings", row.text), row.glyph) << row.text;
    }
    EXPECT_EQ(ui_detail::WebdingsGlyph("Arial", "3"), Glyph::None);
}

}  // namespace
