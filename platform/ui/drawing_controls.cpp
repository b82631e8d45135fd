#include "platform/ui/drawing_controls.h"

#include "platform/ui/canvas_widget.h"
#include "platform/ui/graph_widget.h"
#include "platform/ui/picture_widget.h"

namespace ui_detail {

QWidget* MakePictureWidget(QWidget* parent) {
    return new PictureWidget(parent);
}
QWidget* MakeCanvasWidget(QWidget* parent) {
    return new CanvasWidget(parent);
}
QWidget* MakeGraphWidget(QWidget* parent) {
    return new GraphWidget(parent);
}

void DrawingAttributeChanged(QWidget* widget, int attribute) {
    if (auto* drawing = dynamic_cast<DrawingWidget*>(widget))
        drawing->AttributeChanged(attribute);
    else if (widget)
        widget->update();
}

std::optional<AttrValue> DrawingAttribute(const QWidget* widget, int attribute) {
    if (const auto* graph = dynamic_cast<const GraphWidget*>(widget)) return graph->AxisAttribute(attribute);
    return std::nullopt;
}

}  // namespace ui_detail
