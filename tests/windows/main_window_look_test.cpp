// What a person sees of the main window: the pictures, the table's cells and the texts.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>

#include "colour/cie_conversions.h"
#include "colour/rgb_encoding.h"
#include "colour/rgb_spaces.h"
#include "colour/white_points.h"
#include "platform/ui/bitmaps.h"
#include "platform/ui/text_image.h"
#include "platform/ui/ui_testing.h"
#include "platform/ui/user_interface.h"
#include "tests/windows/call_log_helpers.h"
#include "windows/colour_table.h"
#include "windows/logo_picture.h"
#include "windows/main_panel.h"
#include "windows/main_panel_pictures.h"

namespace {

constexpr int kSrgb = 10;

QImage Decode(const char* text) {
    auto image = ui_detail::ImageFromText(text);
    return image ? *image : QImage();
}

TEST(MainWindowPictures, HaveTheirControlsSizes) {
    const struct {
        const char* text;
        int width, height;
    } pictures[] = {
        {kLogoBitmapText, 60, 60}, {kHueWheelBitmapText, 128, 115}, {kLightnessBitmapText, 32, 256}};
    for (const auto& p : pictures) {
        const QImage image = Decode(p.text);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), p.width);
        EXPECT_EQ(image.height(), p.height);
    }
}

// The wheel's callback turns a click's angle into the nearest hue page, so the colour at angle
// h, counter-clockwise from the right, must have hue h.
TEST(MainWindowPictures, HueWheelShowsHueHAtAngleH) {
    // Sectors are ten degrees wide: a sample's hue must lie nearer its own page than the
    // neighbours', i.e. within half a sector.
    constexpr double kHalfSector = 5.0;
    constexpr double kMidRing = 44.0;  // pixels from the centre, inside the coloured ring
    const QImage wheel = Decode(kHueWheelBitmapText);
    ASSERT_FALSE(wheel.isNull());
    SetRgbSpace(kSrgb);
    const ColorTriple white = GetWhiteRef(4, 1);
    for (int hue = 10; hue <= 360; hue += 10) {
        SCOPED_TRACE(hue);
        const double a = hue * std::numbers::pi / 180.0;
        const int x = static_cast<int>(wheel.width() / 2.0 + kMidRing * std::cos(a));
        const int y = static_cast<int>(wheel.height() / 2.0 - kMidRing * std::sin(a));
        const QRgb px = wheel.pixel(x, y);
        const ColorTriple rgb{static_cast<float>(qRed(px)), static_cast<float>(qGreen(px)),
                              static_cast<float>(qBlue(px))};
        const ColorTriple hlc = Lab__HLC(XYZ__Lab(RGB__XYZ(rgb), white));
        double off = std::fmod(hlc.c1 - hue + 540.0, 360.0) - 180.0;
        EXPECT_LT(std::abs(off), kHalfSector) << "measured hue " << hlc.c1;
        EXPECT_GT(hlc.c3, 15.0f) << "a wheel sample should be clearly coloured";
    }
}

TEST(MainWindowPictures, LightnessScaleDarkensDownwards) {
    const QImage scale = Decode(kLightnessBitmapText);
    ASSERT_FALSE(scale.isNull());
    const int x = scale.width() / 2;
    int previous = 256;
    for (int y = 16; y < scale.height() - 16; y += 16) {
        const int grey = qGreen(scale.pixel(x, y));
        EXPECT_LT(grey, previous) << y;
        EXPECT_LE(std::abs(qRed(scale.pixel(x, y)) - qBlue(scale.pixel(x, y))), 2) << "neutral at " << y;
        previous = grey;
    }
}

using MainWindowLook = WindowBuildTest<BuildPANEL>;

TEST_F(MainWindowLook, CellPictureMakesThePictureCellOnlyWhileItTakesTheBitmap) {
    const int panel = NewPanel(0, "cells", 0, 0, 300, 300);
    const int table = NewCtrl(panel, 510, "", 0, 0);
    InsertTableRows(panel, table, -1, 2, -1);
    InsertTableColumns(panel, table, -1, 2, -1);
    SetTableCellAttribute(panel, table, MakePoint(2, 1), 1580, 1);
    QImage dot(3, 3, QImage::Format_RGB32);
    dot.fill(Qt::red);
    const std::string text = ui_detail::TextFromImage(dot);

    int bitmap = 0;
    ui_testing::StartRecording();
    EXPECT_EQ(SetCellPicture(panel, table, 2, 1, text.c_str(), bitmap), 0);
    const Calls calls = ui_testing::StopRecording();
    EXPECT_EQ(bitmap, 0);
    ASSERT_EQ(calls.size(), 6u);
    const std::string p = Num(panel), t = Num(table);
    EXPECT_TRUE(Matches(calls[1], "GetTableCellAttribute", {p, t, Cell(2, 1), "1580"}));
    EXPECT_TRUE(Matches(calls[2], "SetTableCellAttribute", {p, t, Cell(2, 1), "1580", "2"}));
    EXPECT_EQ(calls[3].operation, "SetTableCellVal");
    const std::string handle = calls[3].args.back();
    EXPECT_TRUE(Matches(calls[4], "SetTableCellAttribute", {p, t, Cell(2, 1), "1580", "1"}));
    EXPECT_TRUE(Matches(calls[5], "DiscardBitmap", {handle}));
    int type = 0;
    GetTableCellAttribute(panel, table, MakePoint(2, 1), 1580, &type);
    EXPECT_EQ(type, 1);

    // A failure while the cell holds the picture leaves the bitmap for the error exit.
    ui_testing::FailNthCall(4, -11);
    EXPECT_EQ(SetCellPicture(panel, table, 2, 1, text.c_str(), bitmap), -11);
    EXPECT_NE(bitmap, 0);
    EXPECT_EQ(DiscardBitmap(bitmap), 0) << "the held bitmap is still live";
}

// The screen positions the window's description gives, in panel pixels.
constexpr int kTableTop = 90;
constexpr int kTableLeft = 71;
constexpr int kRowLabelWidth = 40;
constexpr int kColumnLabelHeight = 25;
// Borders drawn by the layer may shift the cells by a few pixels; every sample below keeps at
// least this far from a cell's edge.
constexpr int kBorderSlack = 4;

bool NearColour(unsigned pixel, unsigned colour, int tolerance) {
    auto d = [](unsigned a, unsigned b, int shift) {
        return std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    };
    return d(pixel, colour, 16) <= tolerance && d(pixel, colour, 8) <= tolerance &&
           d(pixel, colour, 0) <= tolerance;
}

TEST_F(MainWindowLook, ScreenshotShowsSwatchesCellsAndTextsWhereTheyBelong) {
    const int panel = BuildPANEL(0);
    ASSERT_GT(panel, 0);
    // A swatch row as the shell paints it: the twelve swatches of lightness 90.
    auto swatch = [](int j) { return static_cast<int>(0x100000 * (j + 2) + 0x0800 * (15 - j) + 0x40); };
    for (int j = 0; j < 12; ++j)
        SetTableCellAttribute(panel, PANEL_TABLE, MakePoint(2 * j + 2, 2), 690, swatch(j));

    const ui_testing::PanelImage shot = ui_testing::GrabPanel(panel);
    ASSERT_EQ(shot.width, 860);
    ASSERT_EQ(shot.height, 780);
    // Kept for a person to look at when a pixel check fails.
    ui_testing::SavePanelPng(panel, ::testing::TempDir() + "main_window.png");

    // Swatch (j, row 2): row 1 is 25 high, odd columns 10 wide, swatch columns 50.
    const int swatchTop = kTableTop + kColumnLabelHeight + 25;
    constexpr int kPaintedExactly = 0;
    for (int j = 0; j < 12; ++j) {
        SCOPED_TRACE(j);
        const int left = kTableLeft + kRowLabelWidth + 10 + 60 * j;
        for (int dx : {kBorderSlack, 25, 50 - kBorderSlack - 1}) {
            for (int dy : {kBorderSlack, 25, 50 - kBorderSlack - 1}) {
                EXPECT_TRUE(NearColour(shot.At(left + dx, swatchTop + dy), swatch(j), kPaintedExactly))
                    << std::hex << shot.At(left + dx, swatchTop + dy) << " at " << std::dec << left + dx
                    << "," << swatchTop + dy;
            }
        }
        // The narrow column right of the swatch and the code row under it stay white.
        constexpr int kNearWhite = 8;
        EXPECT_TRUE(NearColour(shot.At(left + 55, swatchTop + 25), 0xFFFFFF, kNearWhite));
        EXPECT_TRUE(NearColour(shot.At(left + 25, swatchTop + 50 + 12), 0xFFFFFF, kNearWhite));
    }

    // Texts: some pixels of each text's colour inside its box.
    auto anyInBox = [&](int top, int left, int height, int width, auto test) {
        for (int y = top; y < top + height; ++y)
            for (int x = left; x < left + width; ++x)
                if (test(shot.At(x, y))) return true;
        return false;
    };
    auto channel = [](unsigned c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
    // The table's label (dark blue on white) above the table, at top 42, left 348, 241 x 25.
    EXPECT_TRUE(anyInBox(42, 348, 25, 241, [&](unsigned c) { return channel(c, 0) > channel(c, 16) + 80; }));
    // "c  h  r  o  m  a" in dark grey on white under the table.
    EXPECT_TRUE(anyInBox(751, 648, 25, 124, [&](unsigned c) { return channel(c, 8) < 0x90; }));
    // "HUE 000" in neutral grey over the wheel's hollow centre.
    EXPECT_TRUE(anyInBox(39, 38, 48, 51, [&](unsigned c) {
        return channel(c, 8) < 0xD0 && std::abs(channel(c, 16) - channel(c, 0)) < 6;
    }));
    // The wheel at top 7, left 1: hue 360 (a red) right of its centre, hue 90 (a yellow) above,
    // hue 270 (a blue) below.
    const int cx = 1 + 64, cy = 7 + 57;
    const unsigned right = shot.At(cx + 44, cy), up = shot.At(cx, cy - 44), down = shot.At(cx, cy + 44);
    EXPECT_GT(channel(right, 16), channel(right, 8) + 40);
    EXPECT_GT(channel(up, 8), channel(up, 0) + 40);
    EXPECT_GT(channel(down, 0), channel(down, 16) + 40);
}

}  // namespace
