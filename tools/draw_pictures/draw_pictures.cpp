// Draws the windows' pictures and writes them as bitmap texts into the C++ sources of windows/,
// one source per group of pictures, plus the PNGs for a person to look at.
//
//   draw_pictures <folder for the sources> <folder for the PNGs>
//   draw_pictures --header-pictures <folder>    (the report's, at every build)
//   draw_pictures --check <folder of the sources>    (the test: are they what it draws now?)
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <span>
#include <sstream>
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

// One generated source: its name in windows/ and the pictures it defines.
struct Source {
    const char* name;
    std::vector<Picture> pictures;
};

bool WriteSource(const std::string& sourceFolder, const std::string& pngFolder, const Source& s) {
    const std::string path = sourceFolder + "/" + s.name + ".cpp";
    std::ofstream source(path);
    source << "#include \"windows/" << s.name << ".h\"\n\n"
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

std::vector<Source> DrawSources() {
    // The program logo is one text that every window loads.
    return {
        {"logo_picture", {{"kLogoBitmapText", "logo.png", DrawLogo()}}},
        {"main_panel_pictures",
         {{"kHueWheelBitmapText", "hue_wheel.png", DrawHueWheel()},
          {"kLightnessBitmapText", "lightness.png", DrawLightnessScale()}}},
        {"cielab_pictures", {{"kKelbrantBitmapText", "kelbrant.png", DrawKelbrantLogo()}}},
        {"chart3d_pictures", {{"kChartBackgroundBitmapText", "chart_background.png", DrawChartBackground()}}},
    };
}

// The bitmap text a written source gives `symbol`: its string literals joined, or nothing.
std::optional<std::string> BitmapTextIn(const std::string& source, const std::string& symbol) {
    const std::size_t start = source.find("const char " + symbol + "[] =");
    if (start == std::string::npos) return std::nullopt;
    const std::size_t end = source.find(';', start);
    if (end == std::string::npos) return std::nullopt;
    std::string text;
    for (std::size_t open = source.find('"', start); open < end; open = source.find('"', open)) {
        const std::size_t close = source.find('"', open + 1);
        if (close > end) return std::nullopt;
        text += source.substr(open + 1, close - open - 1);
        open = close + 1;
    }
    return text;
}

// Levels by which each channel may differ: the maths library and the painter's antialiasing
// round differently on other processors, a level here and there.
constexpr int kLevelTolerance = 2;

struct Difference {
    int largest = 0;    // levels, over every channel
    int x = 0, y = 0;   // where the largest is
    int pixelsOff = 0;  // pixels with a channel beyond the tolerance
};

// Compared premultiplied, as the pictures show over the window: a pixel that is nearly
// transparent hides a colour difference that unpremultiplying would magnify.
Difference Compare(const QImage& committed, const QImage& drawn) {
    const QImage a = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int worst = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                        std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (worst > kLevelTolerance) ++d.pixelsOff;
            if (worst > d.largest) d = {worst, x, y, d.pixelsOff};
        }
    }
    return d;
}

// Whether each picture in the sources under `sourceFolder` is, within the tolerance, what the
// tool draws now; says which is not and how far off it is.
bool CheckSources(const std::string& sourceFolder) {
    bool same = true;
    for (const Source& s : DrawSources()) {
        const std::string path = sourceFolder + "/" + s.name + ".cpp";
        std::ostringstream source;
        source << std::ifstream(path).rdbuf();
        for (const Picture& p : s.pictures) {
            const auto text = BitmapTextIn(source.str(), p.symbol);
            const auto committed = text ? ui_detail::ImageFromText(*text) : std::nullopt;
            if (!committed) {
                std::printf("%s: %s holds no readable picture\n", path.c_str(), p.symbol);
                same = false;
            } else if (committed->size() != p.image.size()) {
                std::printf("%s: %s is %d x %d, drawn now %d x %d\n", path.c_str(), p.symbol,
                            committed->width(), committed->height(), p.image.width(), p.image.height());
                same = false;
            } else {
                const Difference d = Compare(*committed, p.image);
                std::printf("%s: %s: %d pixels off by more than %d levels; largest difference %d levels",
                            path.c_str(), p.symbol, d.pixelsOff, kLevelTolerance, d.largest);
                if (d.largest > 0) std::printf(" at (%d, %d)", d.x, d.y);
                std::printf("\n");
                same = same && d.pixelsOff == 0;
            }
        }
    }
    if (!same) std::printf("the sources are not what draw_pictures draws now; rerun the tool\n");
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--header-pictures") return WriteHeaderPictures(argv, argv[2]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: draw_pictures <source folder> <png folder> | --check <source folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    SelectPictureColours();
    if (std::string(argv[1]) == "--check") return CheckSources(argv[2]) ? 0 : 1;
    for (const Source& s : DrawSources()) {
        if (!WriteSource(argv[1], argv[2], s)) return 1;
    }
    return 0;
}
