#include "tools/draw_pictures/header_pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "tools/draw_pictures/pictures.h"

namespace {

constexpr int kHeaderHeight = 120;  // pixels; each picture fits a 73 mm cell at 96 dpi

bool Save(const QImage& image, const std::string& directory, const char* name) {
    const std::string path = directory + "/" + name;
    if (image.convertToFormat(QImage::Format_RGB32).save(QString::fromStdString(path), "BMP")) return true;
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", path.c_str());
    return false;
}

// The program logo on white, twice the window's size.
QImage ProgramLogo() {
    QImage logo(kHeaderHeight, kHeaderHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(logo.rect(), DrawLogo());
    return logo;
}

// The maker's name as the title line writes it, with its trade below.
QImage MakerLogo() {
    QImage logo(3 * kHeaderHeight, kHeaderHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont name("Arial Black");
    name.setPixelSize(44);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(QRect(0, 10, logo.width(), 60), Qt::AlignCenter, "Kelbrant");
    QFont trade("Arial");
    trade.setPixelSize(18);
    p.setFont(trade);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawText(QRect(0, 70, logo.width(), 30), Qt::AlignCenter, "Farben GmbH  -  Colour laboratory");
    return logo;
}

}  // namespace

int WriteHeaderPictures(const char* directory) {
    const std::string dir = directory;
    const bool ok = Save(MakerLogo(), dir, "kelbrant.bmp") && Save(ProgramLogo(), dir, "ostrel.bmp");
    return ok ? 0 : 1;
}
