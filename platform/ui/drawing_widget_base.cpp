#include "platform/ui/drawing_widget_base.h"

#include "platform/ui/ui_state.h"

namespace ui_detail {
namespace {
// Handles and identifiers are small consecutive numbers; the search for a widget's own
// identity stops here, which is far beyond what any window of the program holds.
constexpr int kMaxHandleSearched = 4096;
}  // namespace

int IntAttr(int panel, int ctrl, int attribute, int fallback) {
    const ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->attrs.Int(attribute, fallback) : fallback;
}

double DoubleAttr(int panel, int ctrl, int attribute, double fallback) {
    const ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->attrs.Double(attribute, fallback) : fallback;
}

std::string TextAttr(int panel, int ctrl, int attribute, const std::string& fallback) {
    const ControlRecord* c = FindControl(panel, ctrl);
    return c ? c->attrs.Text(attribute, fallback) : fallback;
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
