#include "platform/ui/text_image.h"

#include <QBuffer>
#include <QByteArray>

namespace ui_detail {

std::optional<QImage> ImageFromText(std::string_view text) {
    QByteArray compact;
    compact.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') compact.append(c);
    }
    if (compact.isEmpty()) return std::nullopt;
    // A text that is not strict base64 gives no image rather than some garbage bytes.
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return std::nullopt;
    QImage image;
    if (!image.loadFromData(*decoded, "PNG") || image.isNull()) return std::nullopt;
    return image;
}

std::string TextFromImage(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return png.toBase64().toStdString();
}

}  // namespace ui_detail
