#pragma once

// The layer's text form of an image (format 102): the bytes of a PNG file in base64.
// Line breaks, blanks and tabs anywhere in the text are ignored, so a long image can be kept
// as a C++ string literal split over many lines. Any other text stands for no image.
#include <QImage>
#include <optional>
#include <string>
#include <string_view>

namespace ui_detail {

// The image a text stands for, or nothing when the text is not base64 of a readable PNG.
std::optional<QImage> ImageFromText(std::string_view text);
// The text of an image: base64 of its PNG encoding, on one line.
std::string TextFromImage(const QImage& image);

}  // namespace ui_detail
