#include "platform/ui/graph_widget.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace ui_detail {
namespace {

// Attributes of the graph that change its look; the others it is given (1091, 1115, ...) are
// kept by the layer and draw nothing of their own.
constexpr int kGridColour = 1080;
constexpr int kPlotAreaColour = 1081;
constexpr int kLabelFont = 1084;
constexpr int kAxisColour = 1085;
constexpr int kXName = 1086;
constexpr int kXDivisions = 1090;
constexpr int kYName = 1093;
constexpr int kYDivisions = 1099;
constexpr int kGraphColour = 1117;
constexpr int kXGain = 1124;
constexpr int kYGain = 1125;
constexpr int kXOffset = 1126;
constexpr int kYOffset = 1127;
constexpr int kActiveYAxis = 1149;

constexpr int kDefaultDivisions = 10;
constexpr int kLabelPixels = 11;
constexpr int kDefaultAxisColour = 0x000000;
constexpr int kDefaultGridColour = 0xE0E0E0;
constexpr int kMarkerDiameter = 9;
constexpr int kMargin = 4;
// Labels are written at every fifth division: the two ends and the middle of ten.
constexpr int kLabelEvery = 5;

QFont LabelFont(int panel, int ctrl) {
    QFont font = QApplication::font();
    const std::string family = TextAttr(panel, ctrl, kLabelFont, "");
    if (!family.empty() && family.rfind("NI", 0) != 0) font.setFamily(QString::fromStdString(family));
    font.setPixelSize(kLabelPixels);
    return font;
}

QString Number(double value) {
    const double rounded = std::round(value * 1000.0) / 1000.0;  // no "-0" or 1e-17 at the middle
    return QString::number(rounded == 0.0 ? 0.0 : rounded, 'g', 6);
}

}  // namespace

std::pair<double, double> GraphModel::Range(int axis) const {
    const GraphAxis& a = axes[static_cast<std::size_t>(axis)];
    if (a.mode == kManualScaling) return {a.min, a.max};
    bool any = false;
    double low = 0.0, high = 0.0;
    for (const auto& plot : plots) {
        if (axis != kXAxis && plot.yAxis != axis) continue;
        const double v = axis == kXAxis ? plot.x : plot.y;
        low = any ? std::min(low, v) : v;
        high = any ? std::max(high, v) : v;
        any = true;
    }
    if (!any) return {a.min, a.max};
    if (low == high) return {low - 1.0, high + 1.0};
    return {low, high};
}

void GraphWidget::AttributeChanged(int attribute) {
    // Y-axis attributes apply to the y axis selected when they are set, so they are taken now.
    if (Locate()) {
        const int p = Panel(), c = Ctrl();
        GraphAxis& y = model_.axes[static_cast<std::size_t>(model_.activeYAxis)];
        GraphAxis& x = model_.axes[kXAxis];
        switch (attribute) {
            case kActiveYAxis: {
                const int axis = IntAttr(p, c, kActiveYAxis, kLeftYAxis);
                if (axis == kLeftYAxis || axis == kRightYAxis) model_.activeYAxis = axis;
                break;
            }
            case kXName:
                x.name = TextAttr(p, c, kXName, "");
                break;
            case kYName:
                y.name = TextAttr(p, c, kYName, "");
                break;
            case kXGain:
                x.gain = DoubleAttr(p, c, kXGain, 1.0);
                break;
            case kYGain:
                y.gain = DoubleAttr(p, c, kYGain, 1.0);
                break;
            case kXOffset:
                x.offset = DoubleAttr(p, c, kXOffset, 0.0);
                break;
            case kYOffset:
                y.offset = DoubleAttr(p, c, kYOffset, 0.0);
                break;
            default:
                break;
        }
    }
    update();
}

std::optional<AttrValue> GraphWidget::AxisAttribute(int attribute) const {
    const GraphAxis& y = model_.axes[static_cast<std::size_t>(model_.activeYAxis)];
    switch (attribute) {
        case kYName:
            return AttrValue(y.name);
        case kYGain:
            return AttrValue(y.gain);
        case kYOffset:
            return AttrValue(y.offset);
        default:
            return std::nullopt;
    }
}

QRectF GraphWidget::PlotArea() const {
    const QFontMetrics metrics(Panel() ? LabelFont(Panel(), Ctrl()) : QApplication::font());
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("-000.0"));
    const double lineHeight = metrics.height();
    const double left = kMargin + labelWidth;
    const double top = kMargin + lineHeight;                    // room for the y axis name
    const double bottom = height() - kMargin - 2 * lineHeight;  // x labels and the x axis name
    const double right = width() - kMargin - labelWidth / 2;
    return QRectF(QPointF(left, top), QPointF(std::max(right, left + 1), std::max(bottom, top + 1)));
}

QPointF GraphWidget::PixelOf(double x, double y, int yAxis) const {
    const QRectF area = PlotArea();
    const auto [x0, x1] = model_.Range(kXAxis);
    const auto [y0, y1] = model_.Range(yAxis);
    return {area.left() + (x - x0) / (x1 - x0) * area.width(),
            area.bottom() - (y - y0) / (y1 - y0) * area.height()};
}

void GraphWidget::paintEvent(QPaintEvent*) {
    Locate();
    const int p = Panel(), c = Ctrl();
    QPainter painter(this);
    if (auto colour = PackedColour(IntAttr(p, c, kGraphColour, 0x1000000))) painter.fillRect(rect(), *colour);
    const QRectF area = PlotArea();
    if (auto colour = PackedColour(IntAttr(p, c, kPlotAreaColour, 0x1000000)))
        painter.fillRect(area, *colour);

    const QFont font = LabelFont(p, c);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    const QColor axisColour =
        PackedColour(IntAttr(p, c, kAxisColour, kDefaultAxisColour)).value_or(Qt::black);
    const auto gridColour = PackedColour(IntAttr(p, c, kGridColour, kDefaultGridColour));
    const int xDivisions = std::max(IntAttr(p, c, kXDivisions, kDefaultDivisions), 0);
    const int yDivisionsSet = IntAttr(p, c, kYDivisions, 0);
    const int yDivisions = yDivisionsSet > 0 ? yDivisionsSet : kDefaultDivisions;
    const int xSteps = xDivisions > 0 ? xDivisions : kDefaultDivisions;

    const auto [x0, x1] = model_.Range(kXAxis);
    const auto [y0, y1] = model_.Range(kLeftYAxis);
    const GraphAxis& xAxis = model_.axes[kXAxis];
    const GraphAxis& yAxis = model_.axes[kLeftYAxis];
    for (int i = 0; i <= xSteps; ++i) {
        const double px = area.left() + area.width() * i / xSteps;
        if (gridColour) {
            painter.setPen(*gridColour);
            painter.drawLine(QPointF(px, area.top()), QPointF(px, area.bottom()));
        }
        if (i % kLabelEvery == 0 || i == xSteps) {
            const QString text = Number((x0 + (x1 - x0) * i / xSteps) * xAxis.gain + xAxis.offset);
            painter.setPen(axisColour);
            painter.drawText(QRectF(px - 40, area.bottom() + 2, 80, metrics.height()), Qt::AlignHCenter,
                             text);
        }
    }
    for (int i = 0; i <= yDivisions; ++i) {
        const double py = area.bottom() - area.height() * i / yDivisions;
        if (gridColour) {
            painter.setPen(*gridColour);
            painter.drawLine(QPointF(area.left(), py), QPointF(area.right(), py));
        }
        if (i % kLabelEvery == 0 || i == yDivisions) {
            const QString text = Number((y0 + (y1 - y0) * i / yDivisions) * yAxis.gain + yAxis.offset);
            painter.setPen(axisColour);
            painter.drawText(QRectF(0, py - metrics.height() / 2.0, area.left() - 3, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
    painter.setPen(axisColour);
    painter.drawRect(area);
    painter.drawText(QRectF(area.left(), area.bottom() + metrics.height(), area.width(), metrics.height()),
                     Qt::AlignHCenter, QString::fromStdString(xAxis.name));
    painter.drawText(QRectF(0, kMargin, area.left(), metrics.height()), Qt::AlignRight,
                     QString::fromStdString(yAxis.name));

    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& plot : model_.plots) {
        const auto colour = PackedColour(plot.colour);
        if (!colour) continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(*colour);
        painter.drawEllipse(PixelOf(plot.x, plot.y, plot.yAxis), kMarkerDiameter / 2.0,
                            kMarkerDiameter / 2.0);
    }
}

}  // namespace ui_detail
