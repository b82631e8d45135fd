// Draws the windows' pictures and writes them as bitmap texts into the C++ sources of ui/,
// one source per group of pictures, plus the PNGs for a person to look at.
//
//   draw_pictures <folder for the sources> <folder for the PNGs>
//   draw_pictures --header-pictures <folder>    (the report's, at every build)
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <span>
#include <string>
#include <vector>

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

struct Picture {
    const char* symbol;
    const char* file;
    QImage image;
};

// One generated source: its name in ui/ and the pictures it defines.
struct Source {
    const char* name;
    std::vector<Picture> pictures;
};

bool WriteSource(const std::string& sourceFolder, const std::string& pngFolder, const Source& s) {
    const std::string path = sourceFolder + "/" + s.name + ".cpp";
    std::ofstream source(path);
    source << "#include \"ui/" << s.name << ".h\"\n\n"
           << "// Written by tools/draw_pictures; do not edit. The PNGs beside the tool's output\n"
              "// (data/pictures) show the same images.\n";
    for (const Picture& p : s.pictures) {
        const std::string png = pngFolder + "/" + p.file;
        if (!p.image.save(QString::fromStdString(png), "PNG")) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", png.c_str());
            return false;
        }
        source << "\nconst char " << p.symbol << "[] =\n"
               << AsLiteral(ui_detail::TextFromImage(p.image)) << "    ;\n";
    }
    source.flush();
    if (!source) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--header-pictures") return WriteHeaderPictures(argv, argv[2]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures <source folder> <png folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    SelectPictureColours();

    // The program logo is one text that every window loads.
    const Source sources[] = {
        {"logo_picture", {{"kLogoBitmapText", "logo.png", DrawLogo()}}},
        {"main_panel_pictures",
         {{"kHueWheelBitmapText", "hue_wheel.png", DrawHueWheel()},
          {"kLightnessBitmapText", "lightness.png", DrawLightnessScale()}}},
        {"cielab_pictures", {{"kKelbrantBitmapText", "kelbrant.png", DrawKelbrantLogo()}}},
        {"chart3d_pictures",
         {{"kChartBackgroundBitmapText", "chart_background.png", DrawChartBackground()}}},
    };
    for (const Source& s : sources) {
        if (!WriteSource(argv[1], argv[2], s)) return 1;
    }
    return 0;
}
