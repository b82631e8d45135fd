// png2text: writes the image text (format 102) of a PNG file, for GetUserBitmapFromText.
//
//   png2text picture.png              the text on one line, to standard output
//   png2text picture.png NAME         a C++ declaration `inline constexpr char NAME[] = ...;`
//                                     with the text split into literals of 100 characters
//
// The PNG is decoded and encoded again, so the text always holds a PNG the layer can read.
#include <QImage>
#include <iostream>
#include <string>

#include "platform/ui/text_image.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: png2text picture.png [NAME]\n";
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::cerr << "png2text: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string text = ui_detail::TextFromImage(image);
    if (text.empty()) {
        std::cerr << "png2text: cannot encode " << argv[1] << "\n";
        return 1;
    }
    if (argc == 2) {
        std::cout << text << "\n";
        return 0;
    }
    constexpr std::size_t kLineLength = 100;
    std::cout << "// " << image.width() << " x " << image.height() << " pixels, made by png2text.\n";
    std::cout << "inline constexpr char " << argv[2] << "[] =\n";
    for (std::size_t i = 0; i < text.size(); i += kLineLength) {
        std::cout << "    \"" << text.substr(i, kLineLength) << "\"";
        std::cout << (i + kLineLength >= text.size() ? ";\n" : "\n");
    }
    return 0;
}
