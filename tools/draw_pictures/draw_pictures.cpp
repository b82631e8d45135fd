// Draws the main window's three pictures and the 3D chart's canvas ground and writes them as
// bitmap texts into C++ source files, plus the PNGs for a person to look at.
//
//   draw_pictures <main window source> <folder for the PNGs> <chart window source>
//   draw_pictures --header-pictures <folder>    (the report's, at every build)
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <span>
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
    if (argc == 3 && std::string(argv[1]) == "--header-pictures") return WriteHeaderPictures(argv, argv[2]);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: draw_pictures <main window source> <png folder> <chart window source>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    SelectPictureColours();

    struct Picture {
        const char* symbol;
        const char* file;
        QImage image;
    };
    const Picture mainPictures[] = {{"kLogoBitmapText", "logo.png", DrawLogo()},
                                    {"kHueWheelBitmapText", "hue_wheel.png", DrawHueWheel()},
                                    {"kLightnessBitmapText", "lightness.png", DrawLightnessScale()}};
    const Picture chartPictures[] = {
        {"kChartBackgroundBitmapText", "chart_background.png", DrawChartBackground()}};

    // One source file of pictures and their PNGs.
    auto write = [&](const char* path, const char* header, std::span<const Picture> pictures) {
        std::ofstream source(path);
        source << "#include \"" << header << "\"\n\n"
               << "// Written by tools/draw_pictures; do not edit. The PNGs beside the tool's output\n"
                  "// (data/pictures) show the same images.\n";
        for (const Picture& p : pictures) {
            const std::string png = std::string(argv[2]) + "/" + p.file;
            if (!p.image.save(QString::fromStdString(png), "PNG")) {
                std::fprintf(stderr, "draw_pictures: cannot write %s\n", png.c_str());
                return false;
            }
            source << "\nconst char " << p.symbol << "[] =\n"
                   << AsLiteral(ui_detail::TextFromImage(p.image)) << "    ;\n";
        }
        source.flush();
        if (!source) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", path);
            return false;
        }
        return true;
    };
    if (!write(argv[1], "ui/main_panel_pictures.h", mainPictures)) return 1;
    if (!write(argv[3], "ui/chart3d_pictures.h", chartPictures)) return 1;
    return 0;
}
