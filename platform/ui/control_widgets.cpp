#include "platform/ui/control_widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <cmath>

#include "platform/ui/control_values.h"
#include "platform/ui/events.h"
#include "platform/ui/fonts.h"
#include "platform/ui/packed_colour.h"
#include "platform/ui/ring_list.h"
#include "platform/ui/ui_constants.h"
#include "platform/ui/ui_state.h"

namespace ui_detail {

namespace {

constexpr int kSlidePad = 7;          // the thumb reaches past the track by this much
constexpr int kSwitchTextRoom = 40;   // on/off texts right of a binary switch
constexpr int kDefaultTextSize = 13;  // pixels, the platform's dialog font
constexpr int kSmallestFittedText = 7;
const QColor kFaceColor(0xEC, 0xE9, 0xD8);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kDimmedText(0xA0, 0xA0, 0xA0);
// Attributes this layer gives a look: a binary switch's face colour and a slide's track colour.
constexpr int kSwitchColourAttribute = 904;
constexpr int kSlideTrackColourAttribute = 985;

// The stand-in fonts run wider than the ones the boxes were sized for: text that would
// overflow its box is drawn smaller rather than cut off.
QFont FittedFont(FontStyle fs, const QString& text, QSize box) {
    while (fs.size > kSmallestFittedText) {
        const QSize need = QFontMetrics(MapFont(fs)).size(0, text);
        if (need.width() <= box.width() && need.height() <= box.height()) break;
        --fs.size;
    }
    return MapFont(fs);
}

bool IsDimmed(const ControlRecord& control) {
    if (control.attrs.Int(ATTR_DIMMED, 0) != 0) return true;
    const PanelRecord* panel = FindPanel(control.panel);
    return panel != nullptr && panel->attrs.Int(ATTR_DIMMED, 0) != 0;
}

FontStyle TextFont(const ControlRecord& c) {
    return {c.attrs.Text(ATTR_TEXT_FONT),
            c.attrs.Int(ATTR_TEXT_POINT_SIZE, kDefaultTextSize),
            c.attrs.Int(ATTR_TEXT_BOLD, 0) != 0,
            c.attrs.Int(ATTR_TEXT_ITALIC, 0) != 0,
            c.attrs.Int(ATTR_TEXT_UNDERLINE, 0) != 0,
            false};
}

FontStyle LabelFont(const ControlRecord& c) {
    return {c.attrs.Text(ATTR_LABEL_FONT),
            c.attrs.Int(ATTR_LABEL_POINT_SIZE, kDefaultTextSize),
            c.attrs.Int(ATTR_LABEL_BOLD, 0) != 0,
            false,
            c.attrs.Int(ATTR_LABEL_UNDERLINE, 0) != 0,
            false};
}

Qt::Alignment Justify(int code) {
    if (code == VAL_RIGHT_JUSTIFIED) return Qt::AlignRight;
    if (code == VAL_CENTER_JUSTIFIED) return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

void Bevel(QPainter& p, QRect r, bool sunken) {
    p.setPen(sunken ? kShadow : Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(sunken ? Qt::white : kShadow);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void DrawGlyph(QPainter& p, QRectF box, Glyph glyph, QColor color) {
    const double s = std::min(box.width(), box.height()) * 0.5;
    const QPointF c = box.center();
    QPainterPath path;
    auto triangle = [&](double dx, bool left) {
        const double x0 = c.x() + dx;
        if (left) {
            path.moveTo(x0 - s / 2, c.y());
            path.lineTo(x0 + s / 2, c.y() - s / 2);
            path.lineTo(x0 + s / 2, c.y() + s / 2);
        } else {
            path.moveTo(x0 + s / 2, c.y());
            path.lineTo(x0 - s / 2, c.y() - s / 2);
            path.lineTo(x0 - s / 2, c.y() + s / 2);
        }
        path.closeSubpath();
    };
    switch (glyph) {
        case Glyph::Left:
            triangle(0, true);
            break;
        case Glyph::Right:
            triangle(0, false);
            break;
        case Glyph::SkipLeft:
            triangle(-s / 4, true);
            triangle(s / 4 + s / 4, true);
            path.addRect(c.x() - s * 0.85, c.y() - s / 2, s * 0.15, s);
            break;
        case Glyph::SkipRight:
            triangle(-s / 4 - s / 4, false);
            triangle(s / 4, false);
            path.addRect(c.x() + s * 0.7, c.y() - s / 2, s * 0.15, s);
            break;
        case Glyph::Up:
            path.moveTo(c.x(), c.y() - s / 2);
            path.lineTo(c.x() + s / 2, c.y() + s / 2);
            path.lineTo(c.x() - s / 2, c.y() + s / 2);
            path.closeSubpath();
            break;
        case Glyph::Down:
            path.moveTo(c.x(), c.y() + s / 2);
            path.lineTo(c.x() + s / 2, c.y() - s / 2);
            path.lineTo(c.x() - s / 2, c.y() - s / 2);
            path.closeSubpath();
            break;
        case Glyph::Home:
            // A house: roof, walls and a door left open.
            path.moveTo(c.x(), c.y() - s * 0.75);
            path.lineTo(c.x() + s * 0.75, c.y());
            path.lineTo(c.x() + s * 0.5, c.y());
            path.lineTo(c.x() + s * 0.5, c.y() + s * 0.65);
            path.lineTo(c.x() + s * 0.12, c.y() + s * 0.65);
            path.lineTo(c.x() + s * 0.12, c.y() + s * 0.2);
            path.lineTo(c.x() - s * 0.12, c.y() + s * 0.2);
            path.lineTo(c.x() - s * 0.12, c.y() + s * 0.65);
            path.lineTo(c.x() - s * 0.5, c.y() + s * 0.65);
            path.lineTo(c.x() - s * 0.5, c.y());
            path.lineTo(c.x() - s * 0.75, c.y());
            path.closeSubpath();
            break;
        case Glyph::None:
            break;
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(path, color);
    p.setRenderHint(QPainter::Antialiasing, false);
}

// The arrow button at the right end of a closed ring's field, square up to the field's height.
QRect RingButton(const QRect& field) {
    const int side = std::clamp(field.height() - 1, 0, std::max(0, field.width() / 3));
    return {field.right() - side + 1, field.top() + 1, side, std::max(0, field.height() - 1)};
}

bool IsSlide(int style) {
    return style == CTRL_NUMERIC_HSLIDE || style == CTRL_NUMERIC_VSLIDE || style == CTRL_NUMERIC_FLAT_HSLIDE;
}

// The colour of the control's text, grey while it is dimmed.
QColor TextColour(const ControlRecord& c) {
    return IsDimmed(c) ? kDimmedText : PackedColour(c.attrs.Int(ATTR_TEXT_COLOR, 0)).value_or(Qt::black);
}

void FillTextBackground(QPainter& p, const ControlRecord& c, QRect r, int defaultBackground) {
    if (const auto bg = PackedColour(c.attrs.Int(ATTR_TEXT_BGCOLOR, defaultBackground))) p.fillRect(r, *bg);
}

void DrawFrame(QPainter& p, const ControlRecord& c, QRect r) {
    if (const auto frame = PackedColour(c.attrs.Int(ATTR_FRAME_COLOR, VAL_TRANSPARENT))) {
        p.setPen(*frame);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void DrawFieldText(QPainter& p, const ControlRecord& c, QRect inner, const std::string& shown,
                   int defaultJustify) {
    // A value such as "290.000" or "-23.492" stays whole in a narrow field.
    const QString text = QString::fromStdString(shown);
    p.setFont(FittedFont(TextFont(c), text, inner.size()));
    p.setPen(TextColour(c));
    p.drawText(inner,
               static_cast<int>(Justify(c.attrs.Int(ATTR_TEXT_JUSTIFY, defaultJustify)) | Qt::AlignVCenter),
               text);
}

// A numeric or string field: sunken, its value as text.
void PaintTextField(QPainter& p, const ControlRecord& c, QRect r, int defaultJustify) {
    FillTextBackground(p, c, r, 0xFFFFFF);
    DrawFrame(p, c, r);
    Bevel(p, r.adjusted(1, 1, -2, -2), true);
    DrawFieldText(p, c, r.adjusted(4, 1, -4, -1), ShownText(c), defaultJustify);
}

// A closed drop-down: one even border, the arrow on a face-coloured button, the current item.
void PaintRing(QPainter& p, const ControlRecord& c, QRect r) {
    FillTextBackground(p, c, r, 0xFFFFFF);
    DrawFrame(p, c, r);
    const QRect field = r.adjusted(1, 1, -2, -2);
    const QRect button = RingButton(field);
    p.fillRect(button, kFaceColor);
    p.setPen(kShadow);
    p.drawRect(field);
    p.drawLine(button.topLeft() - QPoint(1, 0), button.bottomLeft() - QPoint(1, 0));
    DrawGlyph(p, QRectF(button), Glyph::Down, TextColour(c));
    QRect inner = r.adjusted(4, 1, -4, -1);
    inner.setRight(button.left() - 4);
    std::string shown;
    if (c.selected >= 0 && c.selected < static_cast<int>(c.items.size())) {
        shown = c.items[static_cast<size_t>(c.selected)].label;
    }
    DrawFieldText(p, c, inner, shown, VAL_LEFT_JUSTIFIED);
}

void PaintColourSwatch(QPainter& p, const ControlRecord& c, QRect r) {
    p.fillRect(r, PackedColour(static_cast<int>(NumericValue(c.value))).value_or(Qt::white));
    DrawFrame(p, c, r);
}

void PaintTextMessage(QPainter& p, const ControlRecord& c, QRect r) {
    FillTextBackground(p, c, r, VAL_TRANSPARENT);
    FontStyle fs = TextFont(c);
    fs.strikeout = false;
    const QString shown = QString::fromStdString(ShownText(c));
    p.setFont(FittedFont(fs, shown, r.size()));
    p.setPen(TextColour(c));
    p.drawText(r, static_cast<int>(Justify(c.attrs.Int(ATTR_TEXT_JUSTIFY, 0)) | Qt::AlignTop), shown);
}

// Raised, or sunken while pressed; its label is text or one glyph of the "Webdings" font.
void PaintCommandButton(QPainter& p, const ControlRecord& c, QRect r, bool pressed) {
    p.fillRect(r, PackedColour(c.attrs.Int(ATTR_CMD_BUTTON_COLOR, 0xECE9D8)).value_or(kFaceColor));
    p.setPen(kShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    Bevel(p, r.adjusted(1, 1, -2, -2), pressed);
    const QColor ink =
        IsDimmed(c) ? kDimmedText : PackedColour(c.attrs.Int(ATTR_LABEL_COLOR, 0)).value_or(Qt::black);
    const std::string label = c.attrs.Text(ATTR_LABEL_TEXT);
    const Glyph glyph = WebdingsGlyph(c.attrs.Text(ATTR_LABEL_FONT), label);
    const QRect face = r.adjusted(2, 2, -2, -2).translated(pressed ? 1 : 0, pressed ? 1 : 0);
    if (glyph != Glyph::None) {
        DrawGlyph(p, QRectF(face), glyph, ink);
        return;
    }
    QString shown = QString::fromStdString(label);
    shown.replace("__", "");
    p.setFont(FittedFont(LabelFont(c), shown, face.size()));
    p.setPen(ink);
    p.drawText(face, Qt::AlignCenter, shown);
}

void PaintCheckBox(QPainter& p, const ControlRecord& c, QRect r) {
    p.fillRect(r, Qt::white);
    p.setPen(kShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (!ValueIsOn(c)) return;
    QPen pen(IsDimmed(c) ? kDimmedText : QColor(Qt::black), std::max(1.5, r.width() / 6.0));
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pen);
    const QRectF b = QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5);
    p.drawLine(QPointF(b.left(), b.center().y()), QPointF(b.left() + b.width() * 0.4, b.bottom()));
    p.drawLine(QPointF(b.left() + b.width() * 0.4, b.bottom()), QPointF(b.right(), b.top()));
}

// A knob in the half of the track that stands for its value (upper or left: on), the on and
// off texts beside it.
void PaintBinarySwitch(QPainter& p, const ControlRecord& c, QRect r) {
    p.fillRect(r, PackedColour(c.attrs.Int(kSwitchColourAttribute, 0xECE9D8)).value_or(kFaceColor));
    p.setPen(kShadow);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const bool vertical = r.height() >= r.width();
    QRect knob = vertical ? QRect(r.left() + 1, r.top() + 1, r.width() - 2, r.height() / 2 - 1)
                          : QRect(r.left() + 1, r.top() + 1, r.width() / 2 - 1, r.height() - 2);
    if (!ValueIsOn(c)) knob.translate(vertical ? 0 : r.width() / 2, vertical ? r.height() / 2 : 0);
    p.fillRect(knob, IsDimmed(c) ? kDimmedText : kShadow);
    Bevel(p, knob, false);
    p.setFont(MapFont(TextFont(c)));
    p.setPen(TextColour(c));
    const QRect texts(r.right() + 3, r.top(), kSwitchTextRoom - 3, r.height());
    p.drawText(texts, Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(c.attrs.Text(ATTR_ON_TEXT)));
    p.drawText(texts, Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(c.attrs.Text(ATTR_OFF_TEXT)));
}

// A sunken track and a thumb at the value's place between the minimum and the maximum.
void PaintSlide(QPainter& p, const ControlRecord& c, QRect r, bool vertical) {
    p.fillRect(
        r,
        PackedColour(c.attrs.Int(kSlideTrackColourAttribute, 0xE0E0E0)).value_or(QColor(0xE0, 0xE0, 0xE0)));
    Bevel(p, r, true);
    const double lo = c.attrs.Double(ATTR_MIN_VALUE, 0.0);
    const double hi = c.attrs.Double(ATTR_MAX_VALUE, 10.0);
    const double v = NumericValue(c.value);
    const double t = hi > lo ? std::clamp((v - lo) / (hi - lo), 0.0, 1.0) : 0.0;
    QRect thumb;
    if (vertical) {
        const int y = r.bottom() - static_cast<int>(std::lround(t * (r.height() - 1)));
        thumb = QRect(r.center().x() - kSlidePad, y - 4, 2 * kSlidePad + 1, 9);
    } else {
        const int x = r.left() + static_cast<int>(std::lround(t * (r.width() - 1)));
        thumb = QRect(x - 4, r.center().y() - kSlidePad, 9, 2 * kSlidePad + 1);
    }
    p.fillRect(thumb, IsDimmed(c) ? kDimmedText : kFaceColor);
    p.setPen(kShadow);
    p.drawRect(thumb.adjusted(0, 0, -1, -1));
    Bevel(p, thumb.adjusted(1, 1, -2, -2), false);
}

}  // namespace

QMargins ControlMargins(int style) {
    if (IsSlide(style)) return {kSlidePad, kSlidePad, kSlidePad, kSlidePad};
    if (style == CTRL_BINARY_SWITCH) return {0, 0, kSwitchTextRoom, 0};
    return {};
}

ControlWidget::ControlWidget(int panel, int control, int style, QWidget* parent)
    : QWidget(parent), panel_(panel), control_(control), style_(style) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

const ControlRecord* ControlWidget::Record() const {
    return FindControl(panel_, control_);
}

bool TakesInput(int panel, int control) {
    const ControlRecord* c = FindControl(panel, control);
    return c != nullptr && !IsDimmed(*c) && c->attrs.Int(ATTR_CTRL_MODE, VAL_HOT) != VAL_INDICATOR;
}

bool ControlWidget::Operable() const {
    return TakesInput(panel_, control_);
}

void ControlWidget::paintEvent(QPaintEvent*) {
    const ControlRecord* c = Record();
    if (c == nullptr) return;
    QPainter p(this);
    const QRect r = Nominal();
    switch (style_) {
        case CTRL_NUMERIC:
            PaintTextField(p, *c, r, VAL_RIGHT_JUSTIFIED);
            break;
        case CTRL_STRING:
            PaintTextField(p, *c, r, VAL_LEFT_JUSTIFIED);
            break;
        case CTRL_RING:
            PaintRing(p, *c, r);
            break;
        case CTRL_COLOR_NUMERIC:
            PaintColourSwatch(p, *c, r);
            break;
        case CTRL_TEXT_MSG:
            PaintTextMessage(p, *c, r);
            break;
        case CTRL_COMMAND_BUTTON:
            PaintCommandButton(p, *c, r, pressed_);
            break;
        case CTRL_CHECK_BOX:
            PaintCheckBox(p, *c, r);
            break;
        case CTRL_BINARY_SWITCH:
            PaintBinarySwitch(p, *c, r);
            break;
        default:
            if (IsSlide(style_)) PaintSlide(p, *c, r, style_ == CTRL_NUMERIC_VSLIDE);
            break;
    }
}

double ControlWidget::SlideValueAt(QPoint position) const {
    const ControlRecord* c = Record();
    const QRect r = Nominal();
    const double lo = c->attrs.Double(ATTR_MIN_VALUE, 0.0);
    const double hi = c->attrs.Double(ATTR_MAX_VALUE, 10.0);
    const bool vertical = style_ == CTRL_NUMERIC_VSLIDE;
    const double span = std::max(1, (vertical ? r.height() : r.width()) - 1);
    double t = vertical ? (r.bottom() - position.y()) / span : (position.x() - r.left()) / span;
    t = std::clamp(t, 0.0, 1.0);
    double v = lo + t * (hi - lo);
    // The slide moves in whole increments from its minimum.
    const double step = c->attrs.Double(ATTR_INCR_VALUE, 0.0);
    if (step > 0.0) v = std::clamp(lo + std::round((v - lo) / step) * step, lo, hi);
    return v;
}

void ControlWidget::DragSlideTo(double value) {
    ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr) return;
    const AttrValue before = c->value;
    StoreControlValue(
        *c, AttrValue(IsIntegerType(DataTypeOf(*c)) ? AttrValue(static_cast<int>(std::lround(value)))
                                                    : AttrValue(value)));
    dragging_ = true;
    update();
    if (!(before.value == c->value.value)) DispatchCtrlEvent(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
}

void ControlWidget::ReleaseSlide() {
    dragging_ = false;
    DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
}

void ControlWidget::Toggle() {
    ControlRecord* rec = FindControl(panel_, control_);
    if (rec == nullptr) return;
    AttrValue next{ValueIsOn(*rec) ? 0 : 1};
    if (style_ == CTRL_BINARY_SWITCH) {
        const AttrValue* v = rec->attrs.Find(ValueIsOn(*rec) ? ATTR_OFF_VALUE : ATTR_ON_VALUE);
        if (v != nullptr) next = *v;
    }
    StoreControlValue(*rec, next);
    update();
    QPointer<ControlWidget> self(this);
    DispatchCtrlEvent(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
    if (self) DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    NoteMousePosition(event->globalPosition().toPoint());
    const ControlRecord* c = Record();
    if (c == nullptr || IsDimmed(*c) || event->button() != Qt::LeftButton) return;
    QPointer<ControlWidget> self(this);
    const QPoint inPanel = mapToParent(event->position().toPoint());
    DispatchCtrlEvent(panel_, control_, EVENT_LEFT_CLICK, inPanel.y(), inPanel.x());
    if (!self || !Operable()) return;
    switch (style_) {
        case CTRL_COMMAND_BUTTON:
            pressed_ = true;
            update();
            break;
        case CTRL_CHECK_BOX:
        case CTRL_BINARY_SWITCH:
            Toggle();
            break;
        case CTRL_RING:
            ShowRingMenu();
            break;
        default:
            if (IsSlide(style_)) DragSlideTo(SlideValueAt(event->position().toPoint()));
            break;
    }
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) {
    NoteMousePosition(event->globalPosition().toPoint());
    if (dragging_ && IsSlide(style_)) DragSlideTo(SlideValueAt(event->position().toPoint()));
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    NoteMousePosition(event->globalPosition().toPoint());
    if (style_ == CTRL_COMMAND_BUTTON && pressed_) {
        pressed_ = false;
        update();
        if (rect().contains(event->position().toPoint()) && Operable()) {
            DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
        }
    } else if (dragging_) {
        ReleaseSlide();
    }
}

void ControlWidget::StepValue(int direction) {
    ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr) return;
    if (c->style == CTRL_RING) {
        const int next = c->selected + direction;
        if (next < 0 || next >= static_cast<int>(c->items.size())) return;
        c->selected = next;
    } else {
        const double step = c->attrs.Double(ATTR_INCR_VALUE, 1.0);
        const double v = NumericValue(c->value) + direction * step;
        StoreControlValue(
            *c, IsIntegerType(DataTypeOf(*c)) ? AttrValue(static_cast<int>(std::lround(v))) : AttrValue(v));
    }
    update();
    QPointer<ControlWidget> self(this);
    DispatchCtrlEvent(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
    if (self) DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
}

// An operable string control takes typed text; Enter commits it.
bool ControlWidget::EditText(QKeyEvent* event) {
    ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr || style_ != CTRL_STRING) return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
        return true;
    }
    QString text = QString::fromStdString(ShownText(*c));
    if (event->key() == Qt::Key_Backspace) {
        if (text.isEmpty()) return true;
        text.chop(1);
    } else {
        const QString typed = event->text();
        if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
        // Attribute 760: the longest text the field takes; -1 or 0 for no limit.
        const int longest = c->attrs.Int(ATTR_MAX_ENTRY_LENGTH, -1);
        if (longest > 0 && text.size() + typed.size() > longest) return true;
        text += typed;
    }
    StoreControlValue(*c, AttrValue(text.toStdString()));
    update();
    DispatchCtrlEvent(panel_, control_, EVENT_VAL_CHANGED, 0, 0);
    return true;
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    if (!Operable()) return QWidget::keyPressEvent(event);
    if (EditText(event)) return;
    const bool valued = IsSlide(style_) || style_ == CTRL_NUMERIC || style_ == CTRL_RING;
    if (valued && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Right)) return StepValue(+1);
    if (valued && (event->key() == Qt::Key_Down || event->key() == Qt::Key_Left)) return StepValue(-1);
    if (event->key() == Qt::Key_Space &&
        (style_ == CTRL_COMMAND_BUTTON || style_ == CTRL_CHECK_BOX || style_ == CTRL_BINARY_SWITCH)) {
        // The keyboard works the control without a mouse click: no left-click event.
        if (style_ == CTRL_COMMAND_BUTTON) {
            DispatchCtrlEvent(panel_, control_, EVENT_COMMIT, 0, 0);
        } else {
            Toggle();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void ControlWidget::ShowRingMenu() {
    const ControlRecord* c = Record();
    if (c == nullptr) return;
    OpenRingList(this, panel_, control_, Nominal(), MapFont(TextFont(*c)));
}

LabelWidget::LabelWidget(int panel, int control, QWidget* parent)
    : QWidget(parent), panel_(panel), control_(control) {}

void LabelWidget::paintEvent(QPaintEvent*) {
    const ControlRecord* c = FindControl(panel_, control_);
    if (c == nullptr) return;
    QPainter p(this);
    const int boxWidth = c->attrs.Int(ATTR_LABEL_WIDTH, width());
    const int boxHeight = c->attrs.Int(ATTR_LABEL_HEIGHT, height());
    if (const auto bg = PackedColour(c->attrs.Int(ATTR_LABEL_BGCOLOR, VAL_TRANSPARENT)))
        p.fillRect(0, 0, boxWidth, boxHeight, *bg);
    QString text = QString::fromStdString(c->attrs.Text(ATTR_LABEL_TEXT));
    text.replace("__", "");
    // A label given a box width of its own keeps to it.
    const bool boxed = c->attrs.Find(ATTR_LABEL_WIDTH) != nullptr;
    p.setFont(boxed ? FittedFont(LabelFont(*c), text, QSize(boxWidth, boxHeight)) : MapFont(LabelFont(*c)));
    p.setPen(IsDimmed(*c) ? kDimmedText
                          : PackedColour(c->attrs.Int(ATTR_LABEL_COLOR, 0)).value_or(Qt::black));
    p.drawText(QRect(0, 0, width(), boxHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    event->ignore();
}

}  // namespace ui_detail
