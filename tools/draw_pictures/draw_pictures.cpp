// Draws the main window's three pictures and writes them as bitmap texts into a C++ source
// file, plus the PNGs for a person to look at.
//
//   draw_pictures <source file to write> <folder for the PNGs>
//   draw_pictures --header-pictures <folder>    (the report's, at every build)
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/ui/text_image.h"
#include "tools/draw_pictures/header_pictures.h"
#include "tools/draw_pictures/pictures.h"

namespace {

constexpr std::size_t kLiteralWidth = 100;

// A long text as adjacent string literals, one line of the source each.
std::string AsLiteral(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += kLiteralWidth) {
        out += "    \"" + text.substr(i, kLiteralWidth) + "\"\n";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--header-pictures") {
        QGuiApplication app(argc, argv);
        SelectPictureColours();
        return WriteHeaderPictures(argv[2]);
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures <source file> <png folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    SelectPictureColours();

    struct Picture {
        const char* symbol;
        const char* file;
        QImage image;
    };
    const Picture pictures[] = {{"kLogoBitmapText", "logo.png", DrawLogo()},
                                {"kHueWheelBitmapText", "hue_wheel.png", DrawHueWheel()},
                                {"kLightnessBitmapText", "lightness.png", DrawLightnessScale()}};

    std::ofstream source(argv[1]);
    source << "#include \"ui/main_panel_pictures.h\"\n\n"
              "// Written by tools/draw_pictures; do not edit. The PNGs beside the tool's output\n"
              "// (data/pictures) show the same images.\n";
    for (const Picture& p : pictures) {
        const std::string png = std::string(argv[2]) + "/" + p.file;
        if (!p.image.save(QString::fromStdString(png), "PNG")) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", png.c_str());
            return 1;
        }
        source << "\nconst char " << p.symbol << "[] =\n"
               << AsLiteral(ui_detail::TextFromImage(p.image)) << "    ;\n";
    }
    source.flush();
    if (!source) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
