// Windows BMP writer: BITMAPFILEHEADER (14 bytes) + BITMAPINFOHEADER (40 bytes) + pixel rows,
// 24 bits a pixel in blue, green, red order, bottom row first, each row padded to 4 bytes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/toolbox/toolbox.h"
#include "platform/ui/bitmap_store.h"
#include "platform/ui/call_log.h"
#include "platform/ui/drawing_errors.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void Put16(std::vector<unsigned char>& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

// The image as the BMP shows it: opaque, transparent parts on white.
QImage Opaque(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

// Writes all bytes; a short write (a full disk, a file size limit), a failed flush or close is
// a failure, and the partial file this made is removed, so no reader ever takes it for the
// picture. Returns 0 or an errno value.
int WriteWhole(const char* fileName, const std::vector<unsigned char>& bytes) {
    const int fd = open(fileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    struct stat made {};
    // Only a regular file is ours to remove; a device or pipe under the name is left alone.
    const bool regular = fstat(fd, &made) == 0 && S_ISREG(made.st_mode);
    int err = 0;
    std::size_t done = 0;
    while (done < bytes.size() && err == 0) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) err = errno;
        if (n == 0) err = EIO;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (close(fd) != 0 && err == 0) err = errno;
    if (err != 0 && regular) unlink(fileName);
    return err;
}

}  // namespace

int SaveBitmapToFile(const char* fileName, int bitmap) {
    const int entered =
        ui_detail::EnterCall("SaveBitmapToFile", {ui_detail::Arg(fileName), ui_detail::Arg(bitmap)});
    if (entered < 0) return entered;
    if (!fileName || !*fileName) return ui_detail::kErrNullArgument;
    const QImage* source = ui_detail::FindBitmap(bitmap);
    if (!source || source->isNull()) return ui_detail::kErrBadBitmap;

    const QImage image = Opaque(*source);
    const auto width = static_cast<std::uint32_t>(image.width());
    const auto height = static_cast<std::uint32_t>(image.height());
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * height;

    std::vector<unsigned char> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes);
    Put32(out, 0);  // two reserved words
    Put32(out, kFileHeaderSize + kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);  // positive: rows bottom-up
    Put16(out, 1);       // planes
    Put16(out, 24);      // bits a pixel
    Put32(out, 0);       // BI_RGB, no compression
    Put32(out, pixelBytes);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used: none, no palette
    Put32(out, 0);  // important colours: all
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(static_cast<unsigned char>(qBlue(line[x])));
            out.push_back(static_cast<unsigned char>(qGreen(line[x])));
            out.push_back(static_cast<unsigned char>(qRed(line[x])));
        }
        for (std::uint32_t pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }

    if (const int err = WriteWhole(fileName, out); err != 0) {
        errno = err;
        return ui_detail::kErrCannotWrite;
    }
    return 0;
}
