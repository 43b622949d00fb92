#include "geometry/picture_size.h"

#include <gtest/gtest.h>

#include "forms/errors.h"

namespace geometry {
namespace {

// 4:3 and 16:9 as the fields give them, in single precision; 1.2 is one whose float rounding
// moves a height.
const double k43 = aspectOf(133.33, false), k169 = aspectOf(1.7778, true),
             k12 = aspectOf(1.2, true);

Shape shape(double aspect, double pixelRatio) {
    return {float(aspect), pixelRatio};
}

// Rows of numbers: the inputs, then what comes out.
TEST(PictureSize, TheOtherSideFollowsTheShape) {
    EXPECT_EQ(k43, double(1.3333f));
    EXPECT_EQ(k169, double(1.7778f));
    // Width, aspect, pixel ratio, height: even, halves rounded up, stretched by the pixel ratio.
    // clang-format off
    const double heights[][4] = {{720, k43, 1, 540}, {720, k169, 1, 404}, {1998, k12, 1, 1664},
        {722, k43, 1, 542}, {720, k43, 1.5, 810}, {6, 2, 1, 4}, {10, 2, 1, 6}, {0, k43, 1, 0}};
    // Height, aspect, pixel ratio, width: a multiple of 4.
    const double widths[][4] = {{540, k43, 1, 720}, {600, k43, 1, 800}, {1800, k43, 1, 2400},
        {810, k43, 1.5, 720}, {1, 2, 1, 4}, {3, 2, 1, 8}, {5, 2, 1, 12}};
    // clang-format on
    for (const auto& r : heights)
        EXPECT_EQ(otherSide(Held::Width, r[0], shape(r[1], r[2])), r[3]) << r[0] << ' ' << r[1];
    for (const auto& r : widths)
        EXPECT_EQ(otherSide(Held::Height, r[0], shape(r[1], r[2])), r[3]) << r[0] << ' ' << r[1];
    EXPECT_THROW(otherSide(Held::Width, 720, shape(0, 1)), forms::RuntimeError);
    EXPECT_THROW(otherSide(Held::Height, 540, shape(k43, 0)), forms::RuntimeError);
}

TEST(PictureSize, SnapsOfHeightsWidthsAndTheSlider) {
    const struct {
        double (*snap)(double);
        double in, out;
    } rows[] = {// clang-format off
        {evenHeight, 543, 544}, {evenHeight, 542, 542}, {evenHeight, 540.9, 540},
        {evenHeight, 1, 2}, {evenHeight, 0, 0}, {evenHeightBelow, 543, 542},
        {evenHeightBelow, 542, 542}, {evenHeightBelow, 1, 0}, {widthFromSlider, 1002, 1004},
        {widthFromSlider, 1001, 1000}, {widthFromSlider, 719, 720}, {widthFromSlider, 2, 4},
        {widthFromSlider, 0, 0}};
    // A released slider, where it settles: the far left end stands for 8.
    const qint64 snapped[][2] = {{0, 8}, {1, 8}, {2, 4}, {5, 4}, {6, 8}, {719, 720},
        {1997, 1996}, {1998, 2000}, {2000, 2000}};
    // A width, and the slider on its whole number (halves to even) within 0 and 2000.
    const double forWidth[][2] = {{723, 723}, {1.5, 2}, {2.5, 2}, {0.4, 0}, {-0.6, 0}, {-5, 0},
        {1999.4, 1999}, {1999.6, 2000}, {2000.6, 2000}, {2500, 2000}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(r.snap(r.in), r.out) << r.in;
    for (const auto& s : snapped)
        EXPECT_EQ(sliderSnap(s[0]), s[1]) << s[0];
    for (const auto& w : forWidth)
        EXPECT_EQ(sliderForWidth(w[0]), qint64(w[1])) << w[0];
}

TEST(PictureSize, TheSliderFollowsAHeightUpToItsEnd) {
    // Height, aspect, pixel ratio, the slider with halves rounded up and rounded to even.
    // clang-format off
    const double rows[][5] = {{540, k43, 1, 720, 720}, {810, k43, 1.5, 720, 720},
        {3, 1.5, 1, 5, 4}, {5, 1.5, 1, 8, 8}, {1, 1.5, 1, 2, 2}, {1000, 2, 1, 2000, 2000},
        {1000.25, 2, 1, 2000, 2000}, {1800, k43, 1, 2000, 2000}};
    // clang-format on
    for (const auto& r : rows) {
        EXPECT_EQ(sliderForHeight(r[0], shape(r[1], r[2]), Halves::Up), qint64(r[3])) << r[0];
        EXPECT_EQ(sliderForHeight(r[0], shape(r[1], r[2]), Halves::ToEven), qint64(r[4])) << r[0];
    }
    EXPECT_THROW(sliderForHeight(540, shape(k43, 0), Halves::Up), forms::RuntimeError);
}

TEST(PictureSize, BitsPerPixelIsCutToFourDecimals) {
    // Bitrate, frame rate, pixels (0 counts as 720 x 540), bits per pixel.
    // clang-format off
    const double rows[][4] = {{1000000, 25, 388800, 0.1028}, {1000000, 25, 0, 0.1028},
        {1010000, 25, 388800, 0.1039}, {1000000, 25, 307200, 0.1302},
        {1000000, 25, 360000, 0.1111}, {9720, 1, 0, 0.025}, {9719.99, 1, 0, 0.0249},
        {0, 25, 388800, 0}, {1000000, 25, 1, 40000}};
    // Shown, new, and whether the shown figure stands for the new one.
    const struct { double shown, now; bool same; } shown[] = {{0.2, 0.2, true},
        {0.2, 0.2009, true}, {0.2, 0.1991, true}, {0.2, 0.2011, false}, {0.2, 0.1989, false}};
    // clang-format on
    for (const auto& r : rows)
        EXPECT_EQ(bitsPerPixel(r[0], r[1], r[2]), r[3]) << r[0] << ' ' << r[1] << ' ' << r[2];
    EXPECT_THROW(bitsPerPixel(1000000, 0, 388800), forms::RuntimeError);
    for (const auto& s : shown)
        EXPECT_EQ(bitsPerPixelSame(s.shown, s.now), s.same) << s.shown << ' ' << s.now;
}

TEST(PictureSize, ATypedBitsPerPixelSetsTheBitrateOrTheSize) {
    // Bits per pixel, frame rate, pixels, kbit/s.
    // clang-format off
    const double kbps[][4] = {{0.2, 25, 200208, 1001}, {0.2, 25, 200000, 1000},
        {0.2, 25, 199999, 999}, {1, 16, 1000000, 16000}, {1, 16.001, 1000000, 16000},
        {-0.2, 25, 200208, 0}};
    // Pixels per frame, aspect, pixel ratio, width and height (0 x 0: a side under one pixel).
    const double sizes[][5] = {{200000, k43, 1, 516, 387}, {200000, k43, 2, 365, 273},
        {1, 1, 1, 1, 1}, {4, 4, 1, 4, 1}, {0.99, 1, 1, 0, 0}, {0.5, k43, 1, 0, 0}, {1, 4, 1, 0, 0}};
    // clang-format on
    for (const auto& r : kbps)
        EXPECT_EQ(videoKbpsFor(r[0], r[1], r[2]), r[3]) << r[0] << ' ' << r[1] << ' ' << r[2];
    EXPECT_EQ(pixelsPerFrame(1000000, 0.2, 25), 200000);
    EXPECT_EQ(pixelsPerFrame(1000000.9, 0.2, 25), 200000);
    EXPECT_THROW(pixelsPerFrame(1000000, 0.2, 0), forms::RuntimeError);
    for (const auto& s : sizes) {
        const auto size = sizeForPixels(s[0], shape(s[1], s[2]));
        EXPECT_EQ(size ? size->width : 0, s[3]) << s[0] << ' ' << s[1];
        EXPECT_EQ(size ? size->height : 0, s[4]) << s[0] << ' ' << s[1];
    }
}

}  // namespace
}  // namespace geometry
