#include "tools/draw_pictures/header_pictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart3d/chart3d.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/toolbox/toolbox.h"
#include "platform/ui/user_interface.h"
#include "shell_state/shell_state.h"
#include "tools/draw_pictures/pictures.h"
#include "windows/chart3d_panel.h"

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

// The maker's mark that the detail window shows, beside the maker's name and trade.
QImage MakerLogo() {
    QImage logo(3 * kHeaderHeight, kHeaderHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter p(&logo);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(8, 20, 80, 80), DrawKelbrantLogo());
    QFont name("Arial Black");
    name.setPixelSize(44);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(QRect(96, 10, logo.width() - 96, 60), Qt::AlignCenter, "Kelbrant");
    QFont trade("Arial");
    trade.setPixelSize(18);
    p.setFont(trade);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawText(QRect(96, 70, logo.width() - 96, 30), Qt::AlignCenter, "Farben GmbH");
    return logo;
}

// The 3D chart as its window first shows it, drawn by the chart itself.
bool SaveChart(const std::string& directory) {
    whiteRef = GetWhiteRef(4, 1);
    chart3dPanel = BuildCHART3D(0);
    int canvas = 0;
    const std::string path = directory + "/chart3d.bmp";
    const bool ok = chart3dPanel > 0 && DisplayPanel(chart3dPanel) >= 0 && (PlotCHART3D(), true) &&
                    GetCtrlBitmap(chart3dPanel, CHART3D_CANVAS, 0, &canvas) >= 0 &&
                    SaveBitmapToFile(path.c_str(), canvas) == 0;
    if (canvas != 0) DiscardBitmap(canvas);
    if (chart3dPanel > 0) DiscardPanel(chart3dPanel);
    if (!ok) std::fprintf(stderr, "draw_pictures: cannot draw %s\n", path.c_str());
    return ok;
}

}  // namespace

int WriteHeaderPictures(char* argv[], const char* directory) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) return 1;
    SelectPictureColours();
    const std::string dir = directory;
    const bool ok =
        Save(MakerLogo(), dir, "kelbrant.bmp") && Save(ProgramLogo(), dir, "ostrel.bmp") && SaveChart(dir);
    return ok ? 0 : 1;
}
