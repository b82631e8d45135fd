#include "platform/ui/drawing_widget.h"

#include <variant>

namespace ui_detail {
namespace {
// Handles and identifiers are small consecutive numbers; the search for a widget's own
// identity stops here, which is far beyond what any window of the program holds.
constexpr int kMaxHandleSearched = 4096;
}  // namespace

std::optional<QColor> PackedColour(int packed) {
    if (packed < 0 || packed > 0xFFFFFF) return std::nullopt;
    return QColor((packed >> 16) & 0xFF, (packed >> 8) & 0xFF, packed & 0xFF);
}

int IntAttr(int panel, int ctrl, int attribute, int fallback) {
    const AttrValue* v = FindCtrlAttr(panel, ctrl, attribute);
    if (!v) return fallback;
    if (auto* i = std::get_if<int>(&v->value)) return *i;
    if (auto* d = std::get_if<double>(&v->value)) return static_cast<int>(*d);
    return fallback;
}

double DoubleAttr(int panel, int ctrl, int attribute, double fallback) {
    const AttrValue* v = FindCtrlAttr(panel, ctrl, attribute);
    if (!v) return fallback;
    if (auto* d = std::get_if<double>(&v->value)) return *d;
    if (auto* i = std::get_if<int>(&v->value)) return *i;
    return fallback;
}

std::string TextAttr(int panel, int ctrl, int attribute, const std::string& fallback) {
    const AttrValue* v = FindCtrlAttr(panel, ctrl, attribute);
    if (!v) return fallback;
    if (auto* s = std::get_if<std::string>(&v->value)) return *s;
    return fallback;
}

bool DrawingWidget::Locate() {
    if (panel_ > 0 && ControlWidget(panel_, ctrl_) == this) return true;
    for (int panel = 1; panel <= kMaxHandleSearched; ++panel) {
        QWidget* panelWidget = PanelWidget(panel);
        if (!panelWidget || !panelWidget->isAncestorOf(this)) continue;
        for (int ctrl = 0; ctrl <= kMaxHandleSearched; ++ctrl) {
            if (ControlWidget(panel, ctrl) == this) {
                Bind(panel, ctrl);
                return true;
            }
        }
    }
    return false;
}

}  // namespace ui_detail
