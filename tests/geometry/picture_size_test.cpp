#include "geometry/picture_size.h"

#include <gtest/gtest.h>

#include "forms/errors.h"

namespace geometry {
namespace {

// 4:3 and 16:9 as the fields give them, in single precision; 1.2 is a ratio whose float rounding
// moves a height.
const float k43 = aspectOf(133.33, false), k169 = aspectOf(1.7778, true), k12 = aspectOf(1.2, true);
const Shape s43{k43, 1}, s169{k169, 1}, s12{k12, 1}, tall{k43, 1.5}, s2{2, 1}, s15{1.5, 1};

double height(double width, Shape s) {
    return otherSide(Held::Width, width, s);
}
double width(double height, Shape s) {
    return otherSide(Held::Height, height, s);
}
double slider(double height, Shape s, Halves h = Halves::Up) {
    return double(sliderForHeight(height, s, h));
}
double side(double pixels, Shape s, bool wide) {
    const PictureSize p = sizeForPixels(pixels, s).value_or(PictureSize{});
    return wide ? p.width : p.height;
}

// Each row: what a rule gives, and what it must give; every documented bound from both sides.
TEST(PictureSize, Rules) {
    const double rows[][2] = {
        // clang-format off
        {k43, 1.3333f}, {k169, 1.7778f},
        // Heights even (halves up), stretched by the pixel ratio; widths from a height multiples
        // of 4; the aspect ratio in single precision (1998 / 1.2 would give 1666).
        {height(720, s43), 540}, {height(720, s169), 404}, {height(1998, s12), 1664},
        {height(722, s43), 542}, {height(720, tall), 810}, {height(6, s2), 4}, {height(10, s2), 6},
        {height(0, s43), 0}, {width(540, s43), 720}, {width(600, s43), 800}, {width(5, s2), 12},
        {width(1800, s43), 2400}, {width(810, tall), 720}, {width(1, s2), 4}, {width(3, s2), 8},
        // Snaps: even heights (halves up, or down on Enter in bits per pixel), slider widths.
        {evenHeight(543), 544}, {evenHeight(542), 542}, {evenHeight(540.9), 540},
        {evenHeight(1), 2}, {evenHeight(0), 0}, {evenHeightBelow(543), 542},
        {evenHeightBelow(542), 542}, {evenHeightBelow(1), 0}, {widthFromSlider(1002), 1004},
        {widthFromSlider(1001), 1000}, {widthFromSlider(719), 720}, {widthFromSlider(2), 4},
        {widthFromSlider(0), 0},
        // A released slider settles on a multiple of 4, its far left end on 8.
        {double(sliderSnap(0)), 8}, {double(sliderSnap(1)), 8}, {double(sliderSnap(2)), 4},
        {double(sliderSnap(5)), 4}, {double(sliderSnap(6)), 8}, {double(sliderSnap(719)), 720},
        {double(sliderSnap(1997)), 1996}, {double(sliderSnap(1998)), 2000},
        // The slider for a width: its whole number (halves to even) within 0 and 2000.
        {double(sliderForWidth(723)), 723}, {double(sliderForWidth(1.5)), 2},
        {double(sliderForWidth(2.5)), 2}, {double(sliderForWidth(0.4)), 0},
        {double(sliderForWidth(-0.6)), 0}, {double(sliderForWidth(1999.4)), 1999},
        {double(sliderForWidth(1999.6)), 2000}, {double(sliderForWidth(2000.6)), 2000},
        {double(sliderForWidth(1)), 1},
        // The slider for a height: at most 2000, halves up, or to even for a committed height.
        {slider(540, s43), 720}, {slider(810, tall), 720}, {slider(3, s15), 5},
        {slider(3, s15, Halves::ToEven), 4}, {slider(5, s15, Halves::ToEven), 8},
        {slider(1000, s2), 2000}, {slider(1000.25, s2), 2000},
        {slider(1000.25, s2, Halves::ToEven), 2000}, {slider(1800, s43), 2000},
        // Bits per pixel cut to 4 decimals; no pixels count as 720 x 540.
        {bitsPerPixel(1000000, 25, 388800), 0.1028}, {bitsPerPixel(1000000, 25, 0), 0.1028},
        {bitsPerPixel(1010000, 25, 388800), 0.1039}, {bitsPerPixel(1000000, 25, 307200), 0.1302},
        {bitsPerPixel(9720, 1, 0), 0.025}, {bitsPerPixel(9719.99, 1, 0), 0.0249},
        {bitsPerPixel(0, 25, 388800), 0}, {bitsPerPixel(1000000, 25, 1), 40000},
        // A change under 0.001 leaves the figure shown.
        {double(bitsPerPixelSame(0.2, 0.2009)), 1}, {double(bitsPerPixelSame(0.2, 0.1991)), 1},
        {double(bitsPerPixelSame(0.2, 0.2011)), 0}, {double(bitsPerPixelSame(0.2, 0.1989)), 0},
        // A typed bits per pixel: the bitrate without one (0 to 16000 kbit/s), or the size.
        {videoKbpsFor(0.2, 25, 200208), 1001}, {videoKbpsFor(0.2, 25, 199999), 999},
        {videoKbpsFor(1, 16, 1000000), 16000}, {videoKbpsFor(1, 16.001, 1000000), 16000},
        {videoKbpsFor(-0.2, 25, 200208), 0}, {pixelsPerFrame(1000000.9, 0.2, 25), 200000},
        {side(200000, s43, true), 516}, {side(200000, s43, false), 387},
        {side(200000, {k43, 2}, true), 365}, {side(200000, {k43, 2}, false), 273},
        {side(1, {1, 1}, true), 1}, {side(4, {4, 1}, false), 1}, {side(0.99, {1, 1}, true), 0},
        {side(1, {4, 1}, true), 0},
        // clang-format on
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i][0], rows[i][1]) << "row " << i;
    // What the program's arithmetic refuses: no aspect ratio, a pixel ratio or frame rate of 0.
    EXPECT_THROW(height(720, {0, 1}), forms::RuntimeError);
    EXPECT_THROW(width(540, {k43, 0}), forms::RuntimeError);
    EXPECT_THROW(slider(540, {k43, 0}), forms::RuntimeError);
    EXPECT_THROW(bitsPerPixel(1000000, 0, 388800), forms::RuntimeError);
    EXPECT_THROW(pixelsPerFrame(1000000, 0.2, 0), forms::RuntimeError);
}

}  // namespace
}  // namespace geometry
