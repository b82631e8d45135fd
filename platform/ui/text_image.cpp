#include "platform/ui/text_image.h"

#include <QBuffer>
#include <QByteArray>

namespace ui_detail {

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr qsizetype kSignatureSize = sizeof kPngSignature - 1;
constexpr qsizetype kChunkFrame = 12;  // length, type and checksum around a chunk's data

// Whether the bytes are a PNG's signature followed by whole chunks up to its end chunk. The
// image reader prints its complaints about anything less straight to stderr, and the windows
// pass texts that are no image on purpose, so those never reach it.
bool LooksLikeWholePng(const QByteArray& bytes) {
    if (!bytes.startsWith(QByteArrayView(kPngSignature, kSignatureSize))) return false;
    qsizetype at = kSignatureSize;
    while (bytes.size() - at >= kChunkFrame) {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
        const quint32 length = (quint32{p[0]} << 24) | (quint32{p[1]} << 16) | (quint32{p[2]} << 8) | p[3];
        if (length > static_cast<quint64>(bytes.size() - at - kChunkFrame)) return false;
        if (QByteArrayView(bytes.constData() + at + 4, 4) == QByteArrayView("IEND")) return true;
        at += kChunkFrame + static_cast<qsizetype>(length);
    }
    return false;
}

}  // namespace

std::optional<QImage> ImageFromText(std::string_view text) {
    QByteArray compact;
    compact.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text) {
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t') compact.append(c);
    }
    if (compact.isEmpty()) return std::nullopt;
    // A text that is not strict base64 gives no image rather than some garbage bytes.
    auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || !LooksLikeWholePng(decoded.decoded)) return std::nullopt;
    QImage image;
    if (!image.loadFromData(decoded.decoded, "PNG") || image.isNull()) return std::nullopt;
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
