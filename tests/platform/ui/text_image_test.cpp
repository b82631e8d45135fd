// The image text format and the bitmaps made from it.
#include "platform/ui/text_image.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/ui/bitmap_store.h"
#include "platform/ui/bitmaps.h"

namespace {

QImage Checkerboard() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0x12, 0x34, 0x56) : qRgb(0xFE, 0xDC, 0xBA));
    return image;
}

TEST(TextImage, RoundTripKeepsEveryPixel) {
    const QImage original = Checkerboard();
    const std::string text = ui_detail::TextFromImage(original);
    ASSERT_FALSE(text.empty());
    auto back = ui_detail::ImageFromText(text);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), original.size());
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) EXPECT_EQ(back->pixel(x, y), original.pixel(x, y));
}

TEST(TextImage, LineBreaksAndBlanksInTheTextAreIgnored) {
    std::string text = ui_detail::TextFromImage(Checkerboard());
    std::string spread;
    for (std::size_t i = 0; i < text.size(); ++i) {
        spread += text[i];
        if (i % 13 == 12) spread += i % 2 ? "\n" : " \t\r\n";
    }
    auto back = ui_detail::ImageFromText(spread);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pixel(1, 0), qRgb(0x12, 0x34, 0x56));
}

TEST(TextImage, TextsThatAreNoImage) {
    const std::string good = ui_detail::TextFromImage(Checkerboard());
    const std::string cases[] = {
        "",
        "   \n\t",
        "!!!!!$!!!!!",                    // the table's cell text: not base64 at all
        "AAAA",                           // base64, but not a PNG
        good.substr(0, good.size() / 2),  // a PNG cut short
        "iVBORw0KGgo=",                   // a PNG signature and nothing more
    };
    for (const auto& text : cases) EXPECT_FALSE(ui_detail::ImageFromText(text).has_value()) << text;
}

// Runs `work` with stderr sent to a file; returns what was written there.
template <class Work>
std::string StderrOf(Work work) {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    std::FILE* sink = std::tmpfile();
    if (saved < 0 || sink == nullptr) return "cannot capture stderr";
    dup2(fileno(sink), STDERR_FILENO);
    work();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string written;
    std::rewind(sink);
    for (int c; (c = std::fgetc(sink)) != EOF;) written += static_cast<char>(c);
    std::fclose(sink);
    return written;
}

TEST(TextImage, TextsThatAreNoImagePrintNothing) {
    const std::string good = ui_detail::TextFromImage(Checkerboard());
    QByteArray longChunk = QByteArray::fromBase64(QByteArray::fromStdString(good));
    longChunk[8] = '\x7f';  // the first chunk claims more bytes than follow
    const std::string cases[] = {
        "!!!!!$!!!!!",
        "QUJDREVGR0hJSktMTU5PUFFSU1RVVldYWVo=",  // base64 of letters
        "iVBORw0KGgoAAAA",                       // the signature and a cut-off chunk
        good.substr(0, good.size() / 2),
        longChunk.toBase64().toStdString(),
    };
    for (const auto& text : cases) {
        std::optional<QImage> image;
        EXPECT_EQ(StderrOf([&] { image = ui_detail::ImageFromText(text); }), "") << text;
        EXPECT_FALSE(image.has_value()) << text;
    }
    int bitmap = 77;
    EXPECT_EQ(StderrOf([&] {
                  for (int i = 0; i < 425; ++i)
                      GetUserBitmapFromText("!!!!!$!!!!!", kBitmapTextFormat, &bitmap);
              }),
              "");
    EXPECT_EQ(bitmap, 0);
}

TEST(GetUserBitmapFromText, MakesABitmapOfTheImage) {
    const std::string text = ui_detail::TextFromImage(Checkerboard());
    int bitmap = -99;
    ASSERT_EQ(GetUserBitmapFromText(text.c_str(), kBitmapTextFormat, &bitmap), 0);
    ASSERT_GT(bitmap, 0);
    const QImage* image = ui_detail::FindBitmap(bitmap);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), QSize(7, 5));
    EXPECT_EQ(image->pixel(0, 0), qRgb(0xFE, 0xDC, 0xBA));
    EXPECT_EQ(DiscardBitmap(bitmap), 0);
    EXPECT_EQ(ui_detail::FindBitmap(bitmap), nullptr);
}

TEST(GetUserBitmapFromText, NoImageIsHandleZeroAndNoFailure) {
    int bitmap = 77;
    EXPECT_EQ(GetUserBitmapFromText("!!!!!$!!!!!", kBitmapTextFormat, &bitmap), 0);
    EXPECT_EQ(bitmap, 0);
}

TEST(GetUserBitmapFromText, RefusedArguments) {
    const std::string text = ui_detail::TextFromImage(Checkerboard());
    int bitmap = 5;
    EXPECT_LT(GetUserBitmapFromText(text.c_str(), 101, &bitmap), 0);
    EXPECT_EQ(bitmap, 0) << "a failed call leaves no stale handle behind";
    EXPECT_LT(GetUserBitmapFromText(nullptr, kBitmapTextFormat, &bitmap), 0);
    EXPECT_LT(GetUserBitmapFromText(text.c_str(), kBitmapTextFormat, nullptr), 0);
}

TEST(DiscardBitmap, RefusesHandlesThatAreNotLive) {
    const std::string text = ui_detail::TextFromImage(Checkerboard());
    int bitmap = 0;
    ASSERT_EQ(GetUserBitmapFromText(text.c_str(), kBitmapTextFormat, &bitmap), 0);
    ASSERT_EQ(DiscardBitmap(bitmap), 0);
    for (int handle : {bitmap, 0, -1, 1 << 30}) EXPECT_LT(DiscardBitmap(handle), 0) << handle;
}

}  // namespace
