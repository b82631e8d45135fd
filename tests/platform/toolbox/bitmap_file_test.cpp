// SaveBitmapToFile: an uncompressed 24-bit Windows BMP that other readers open.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/toolbox/toolbox.h"
#include "platform/ui/bitmap_store.h"
#include "platform/ui/bitmaps.h"
#include "tests/platform/toolbox/file_limits.h"

namespace {

namespace fs = std::filesystem;

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Le16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

class BitmapFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("ostrel_bmp_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::vector<unsigned char> Bytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir_;
};

// 3 x 2: the width makes every row need one byte of padding (9 bytes -> 12).
QImage Sample() {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(0x12, 0x34, 0x56));
    image.setPixel(1, 1, qRgba(0, 0, 0, 0));  // transparent: white in the file
    image.setPixel(2, 1, qRgb(0, 0, 0));
    return image;
}

TEST_F(BitmapFileTest, HeaderAndPixelRows) {
    const int bitmap = ui_detail::StoreBitmap(Sample());
    const fs::path file = dir_ / "snapshot.bmp";
    ASSERT_EQ(SaveBitmapToFile(file.c_str(), bitmap), 0);
    const auto b = Bytes(file);
    const std::size_t rowBytes = 12;
    ASSERT_EQ(b.size(), 54 + 2 * rowBytes);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Le32(b, 2), b.size());
    EXPECT_EQ(Le32(b, 10), 54u);  // pixels right after the two headers, no palette
    EXPECT_EQ(Le32(b, 14), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(Le32(b, 18), 3u);
    EXPECT_EQ(Le32(b, 22), 2u);  // positive height: bottom row first
    EXPECT_EQ(Le16(b, 26), 1);
    EXPECT_EQ(Le16(b, 28), 24);
    EXPECT_EQ(Le32(b, 30), 0u);  // BI_RGB: uncompressed
    // The bottom row comes first, in blue, green, red order.
    const std::vector<unsigned char> bottom(b.begin() + 54, b.begin() + 54 + rowBytes);
    EXPECT_EQ(bottom, (std::vector<unsigned char>{0x56, 0x34, 0x12, 255, 255, 255, 0, 0, 0, 0, 0, 0}));
    const std::vector<unsigned char> top(b.begin() + 54 + rowBytes, b.end());
    EXPECT_EQ(top, (std::vector<unsigned char>{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}));
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
}

TEST_F(BitmapFileTest, AnotherReaderOpensItAndAnOldFileIsReplaced) {
    const fs::path file = dir_ / "report.bmp";
    std::ofstream(file) << std::string(5000, 'x');  // an older, longer file under the same name
    QImage big(37, 19, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, qRgb(x * 6, y * 13, (x + y) % 256));
    const int bitmap = ui_detail::StoreBitmap(big);
    ASSERT_EQ(SaveBitmapToFile(file.c_str(), bitmap), 0);
    QImage read(QString::fromStdString(file.string()), "BMP");
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), big.size());
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) EXPECT_EQ(read.pixel(x, y), big.pixel(x, y)) << x << "," << y;
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
}

TEST_F(BitmapFileTest, Failures) {
    const int bitmap = ui_detail::StoreBitmap(Sample());
    EXPECT_LT(SaveBitmapToFile((dir_ / "missing_dir" / "a.bmp").c_str(), bitmap), 0);
    EXPECT_LT(SaveBitmapToFile(nullptr, bitmap), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
    EXPECT_LT(SaveBitmapToFile((dir_ / "b.bmp").c_str(), bitmap), 0) << "discarded handle";
    EXPECT_LT(SaveBitmapToFile((dir_ / "c.bmp").c_str(), 0), 0);
    EXPECT_FALSE(fs::exists(dir_ / "b.bmp"));
    EXPECT_FALSE(fs::exists(dir_ / "c.bmp"));
}

// A write cut short (a file size limit, a full disk) is an error that says why and leaves no
// partial picture behind to be taken for a whole one; a device under the name stays.
TEST_F(BitmapFileTest, AWriteCutShortLeavesNoFile) {
    QImage big(200, 200, QImage::Format_RGB32);  // 120 kB in the file
    big.fill(Qt::white);
    const int bitmap = ui_detail::StoreBitmap(big);
    const fs::path cut = dir_ / "cut.bmp";
    const fs::path full = dir_ / "full.bmp";
    fs::create_symlink("/dev/full", full);
    {
        FileSizeLimit limit(1000);
        EXPECT_LT(SaveBitmapToFile(cut.c_str(), bitmap), 0);
        EXPECT_EQ(errno, EFBIG);
    }
    EXPECT_FALSE(fs::exists(cut));
    EXPECT_LT(SaveBitmapToFile(full.c_str(), bitmap), 0);
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_TRUE(fs::is_symlink(full) && fs::is_character_file("/dev/full"));
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
}

}  // namespace
