#include "tools/draw_pictures/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"

namespace {

constexpr int kSrgb = 10;
constexpr int kD65 = 4;
constexpr int kTenDegreeObserver = 1;
constexpr double kPi = std::numbers::pi;

// Every picture is drawn this many times larger in each direction and averaged down, so that
// round edges come out smooth at the small final size.
constexpr int kSupersample = 4;

struct Rgb {
    double r = 0.0, g = 0.0, b = 0.0;
};

// Encoded sRGB channels 0..255 of an HLC colour, seen under D65 with the 10-degree observer,
// as the viewer shows its swatches. Out-of-gamut colours are clipped by the colour core.
Rgb RgbFromHlc(double hue, double lightness, double chroma) {
    const ColorTriple white = GetWhiteRef(kD65, kTenDegreeObserver);
    const ColorTriple lab = HLC__Lab(
        ColorTriple{static_cast<float>(hue), static_cast<float>(lightness), static_cast<float>(chroma)});
    const ColorTriple rgb = XYZ__RGB(Lab__XYZ(lab, white));
    return {rgb.c1, rgb.c2, rgb.c3};
}

QColor ColourFromHlc(double hue, double lightness, double chroma) {
    const ColorTriple white = GetWhiteRef(kD65, kTenDegreeObserver);
    const ColorTriple lab = HLC__Lab(
        ColorTriple{static_cast<float>(hue), static_cast<float>(lightness), static_cast<float>(chroma)});
    const int packed = RGB__int(XYZ__RGB(Lab__XYZ(lab, white)));
    return QColor::fromRgb(static_cast<QRgb>(packed));
}

// Accumulates supersampled coverage and colour for one output pixel.
struct PixelSum {
    double r = 0.0, g = 0.0, b = 0.0;
    int covered = 0;
    void Add(const Rgb& c) {
        r += c.r;
        g += c.g;
        b += c.b;
        ++covered;
    }
};

// The covered share of a pixel becomes its opacity, so the picture sits on whatever the
// window shows behind it without a fringe.
QRgb Resolve(const PixelSum& sum) {
    constexpr int samples = kSupersample * kSupersample;
    if (sum.covered == 0) return qRgba(0, 0, 0, 0);
    auto channel = [&](double total) { return static_cast<int>(std::lround(total / sum.covered)); };
    const int alpha = static_cast<int>(std::lround(255.0 * sum.covered / samples));
    return qRgba(channel(sum.r), channel(sum.g), channel(sum.b), alpha);
}

// Draws with QPainter at kSupersample times the size on a transparent ground and scales down.
template <typename Paint>
QImage PaintSupersampled(int width, int height, Paint paint) {
    QImage big(width * kSupersample, height * kSupersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kSupersample, kSupersample);
        paint(painter);
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

void SelectPictureColours() {
    SetRgbSpace(kSrgb);
}

QImage DrawHueWheel() {
    // Forty-odd hue pages sit round the wheel; a ring of 36 sectors, one per ten degrees and
    // centred on its hue, shows where a click lands. Chroma grows outwards, so the ring reads
    // as the hue page's own chroma direction.
    constexpr int width = kHueWheelWidth;
    constexpr int height = kHueWheelHeight;
    constexpr double cx = width / 2.0;
    constexpr double cy = height / 2.0;
    constexpr double outer = 56.5;
    constexpr double inner = 31.0;
    constexpr double lightness = 64.0;
    constexpr double innerChroma = 22.0;
    constexpr double outerChroma = 52.0;
    constexpr double sectorGap = 0.55;  // pixels of panel colour between neighbouring sectors

    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            PixelSum sum;
            for (int sy = 0; sy < kSupersample; ++sy) {
                for (int sx = 0; sx < kSupersample; ++sx) {
                    const double px = x + (sx + 0.5) / kSupersample - cx;
                    const double py = y + (sy + 0.5) / kSupersample - cy;
                    const double radius = std::hypot(px, py);
                    if (radius > outer || radius < inner) continue;
                    // Counter-clockwise from the right on a screen whose y runs down.
                    double angle = std::atan2(-py, px) * 180.0 / kPi;
                    if (angle < 0.0) angle += 360.0;
                    double sector = std::round(angle / 10.0) * 10.0;
                    const double offCentre = (angle - sector) * kPi / 180.0;
                    if (std::abs(std::sin(std::abs(offCentre) - 5.0 * kPi / 180.0)) * radius < sectorGap)
                        continue;
                    if (sector == 0.0) sector = 360.0;
                    const double t = (radius - inner) / (outer - inner);
                    sum.Add(RgbFromHlc(sector, lightness, innerChroma + t * (outerChroma - innerChroma)));
                }
            }
            image.setPixel(x, y, Resolve(sum));
        }
    }
    return image;
}

QImage DrawLightnessScale() {
    // A neutral bar from light at the top to dark at the bottom, the direction in which the
    // table's lightness rows run, with a tick every ten units of L*.
    constexpr int width = kLightnessWidth;
    constexpr int height = kLightnessHeight;
    constexpr double top = 3.0;
    constexpr double bottom = height - 3.0;
    constexpr double left = 9.0;
    constexpr double right = 23.0;
    constexpr double lightTop = 97.0;
    constexpr double lightBottom = 12.0;

    return PaintSupersampled(width, height, [&](QPainter& painter) {
        QLinearGradient ramp(0.0, top, 0.0, bottom);
        constexpr int stops = 16;
        for (int i = 0; i <= stops; ++i) {
            const double t = static_cast<double>(i) / stops;
            ramp.setColorAt(t, ColourFromHlc(0.0, lightTop + t * (lightBottom - lightTop), 0.0));
        }
        QPainterPath bar;
        bar.addRoundedRect(QRectF(left, top, right - left, bottom - top), 4.0, 4.0);
        painter.fillPath(bar, ramp);
        painter.setPen(QPen(QColor(0x9a, 0x97, 0x8c), 0.8));
        painter.drawPath(bar);
        painter.setPen(QPen(QColor(0x8a, 0x87, 0x7c), 1.0));
        for (int l = 90; l >= 20; l -= 10) {
            const double y = top + (lightTop - l) / (lightTop - lightBottom) * (bottom - top);
            painter.drawLine(QPointF(right + 1.5, y), QPointF(right + 5.0, y));
            painter.drawLine(QPointF(left - 5.0, y), QPointF(left - 1.5, y));
        }
    });
}

QImage DrawLogo() {
    // A colour fan deck seen from the front: five blades fanned out from one pin, each blade
    // a hue with its lightness steps, the way a colour system is carried to a customer.
    constexpr double pivotX = 30.0;
    constexpr double pivotY = 50.0;
    constexpr double bladeWidth = 11.0;
    constexpr double bladeLength = 44.0;
    constexpr std::array<double, 5> hues{30.0, 80.0, 140.0, 220.0, 290.0};
    constexpr std::array<double, 5> angles{-44.0, -22.0, 0.0, 22.0, 44.0};
    constexpr std::array<double, 4> lightnesses{82.0, 68.0, 54.0, 40.0};
    constexpr double chroma = 42.0;

    return PaintSupersampled(kLogoWidth, kLogoHeight, [&](QPainter& painter) {
        for (std::size_t blade = 0; blade < hues.size(); ++blade) {
            painter.save();
            painter.translate(pivotX, pivotY);
            painter.rotate(angles[blade]);
            const QRectF shape(-bladeWidth / 2.0, -bladeLength, bladeWidth, bladeLength + bladeWidth / 2.0);
            QPainterPath outline;
            outline.addRoundedRect(shape, 3.0, 3.0);
            painter.fillPath(outline, QColor(0xfa, 0xfa, 0xf7));
            painter.setClipPath(outline);
            const double step = (bladeLength - 6.0) / lightnesses.size();
            for (std::size_t i = 0; i < lightnesses.size(); ++i) {
                const QRectF stripe(-bladeWidth / 2.0, -bladeLength + i * step, bladeWidth, step + 0.3);
                painter.fillRect(stripe, ColourFromHlc(hues[blade], lightnesses[i], chroma));
            }
            painter.setClipping(false);
            painter.setPen(QPen(QColor(0x6e, 0x6b, 0x62), 0.7));
            painter.drawPath(outline);
            painter.restore();
        }
        painter.setPen(QPen(QColor(0x5a, 0x58, 0x50), 0.8));
        painter.setBrush(QColor(0xd8, 0xd5, 0xc8));
        painter.drawEllipse(QPointF(pivotX, pivotY), 3.2, 3.2);
    });
}

QImage DrawChartBackground() {
    constexpr int size = kChartBackgroundSize;
    constexpr double hue = 270.0;  // a touch of blue keeps the greys of the chart apart from it
    constexpr double chroma = 3.0;
    constexpr double lightTop = 95.0;
    constexpr double lightBody = 76.0;
    constexpr double lightBottom = 70.0;
    constexpr double titleDepth = 0.12;  // share of the height over which the light top fades

    QImage image(size, size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QLinearGradient ground(0.0, 0.0, 0.0, size);
        ground.setColorAt(0.0, ColourFromHlc(hue, lightTop, chroma));
        ground.setColorAt(titleDepth, ColourFromHlc(hue, lightBody, chroma));
        ground.setColorAt(1.0, ColourFromHlc(hue, lightBottom, chroma));
        painter.fillRect(image.rect(), ground);
        painter.setPen(ColourFromHlc(hue, 62.0, chroma));
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
    return image;
}

QImage DrawKelbrantLogo() {
    // The maker's mark: a badge ringed by four hue quarters of the colour system round a pale
    // disc that carries a K drawn with strokes, so no font enters the picture.
    constexpr double centre = kKelbrantWidth / 2.0;
    constexpr double outer = 14.2;
    constexpr double inner = 9.6;
    constexpr std::array<double, 4> hues{40.0, 100.0, 210.0, 300.0};
    constexpr double lightness = 60.0;
    constexpr double chroma = 48.0;

    return PaintSupersampled(kKelbrantWidth, kKelbrantHeight, [&](QPainter& painter) {
        const QRectF ring(centre - outer, centre - outer, 2.0 * outer, 2.0 * outer);
        for (std::size_t i = 0; i < hues.size(); ++i) {
            QPainterPath quarter;
            quarter.moveTo(centre, centre);
            quarter.arcTo(ring, 45.0 + 90.0 * static_cast<double>(i), 90.0);
            quarter.closeSubpath();
            painter.fillPath(quarter, ColourFromHlc(hues[i], lightness, chroma));
        }
        painter.setPen(QPen(QColor(0x6e, 0x6b, 0x62), 0.7));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(ring);
        painter.setBrush(QColor(0xfa, 0xfa, 0xf7));
        painter.drawEllipse(QPointF(centre, centre), inner, inner);

        QPen stroke(QColor(0x3c, 0x3a, 0x35), 2.2);
        stroke.setCapStyle(Qt::RoundCap);
        stroke.setJoinStyle(Qt::RoundJoin);
        painter.setPen(stroke);
        painter.setBrush(Qt::NoBrush);
        const double x = centre - 3.2;
        painter.drawLine(QPointF(x, centre - 5.2), QPointF(x, centre + 5.2));
        QPainterPath arms;
        arms.moveTo(centre + 4.0, centre - 5.2);
        arms.lineTo(x + 0.6, centre + 0.2);
        arms.lineTo(centre + 4.4, centre + 5.2);
        painter.drawPath(arms);
    });
}
