#include "geometry/rating.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace geometry {
namespace {

// A well balanced encode: every step of the rating leaves 255. Each row changes it and names the
// score; the steps round halves to the even neighbour.
struct Row {
    const char* what;
    std::function<void(RatingInputs&)> change;
    int score;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.what;
}

class Rating : public ::testing::TestWithParam<Row> {};

TEST_P(Rating, Score) {
    RatingInputs in;
    in.width = 720, in.height = 540, in.pixelRatio = 1, in.video = 1000, in.audio = 100;
    in.keyframes = 200, in.bitsPerPixel = 0.2, in.frameRate = 25, in.alg1 = 1048, in.alg2 = -10;
    in.sceneChange = 50, in.quality = "Standard", in.resample = "very sharp";
    GetParam().change(in);
    EXPECT_EQ(ratingScore(in), GetParam().score) << GetParam().what;
}

using I = RatingInputs&;
INSTANTIATE_TEST_SUITE_P(
    Rows, Rating,
    testing::Values(
        Row{"balanced", [](I) {}, 255},
        // Each precondition gives 0; the bounds themselves are still sensible.
        Row{"pixel ratio", [](I in) { in.pixelRatio = 1.067; }, 0},
        Row{"width", [](I in) { in.width = 722; }, 0},
        Row{"height", [](I in) { in.height = 541; }, 0},
        Row{"video low", [](I in) { in.video = 49; }, 0},
        Row{"video high", [](I in) { in.video = 8001, in.audio = 800; }, 0},
        Row{"no audio", [](I in) { in.audio = 0; }, 0},
        Row{"V/A below 2", [](I in) { in.audio = 501; }, 0},
        Row{"V/A above 30", [](I in) { in.audio = 33; }, 0},
        Row{"no keyframes", [](I in) { in.keyframes = 0; }, 0},
        Row{"keyframes", [](I in) { in.keyframes = 1001; }, 0},
        Row{"bpp low", [](I in) { in.bitsPerPixel = 0.049; }, 0},
        Row{"bpp high", [](I in) { in.bitsPerPixel = 0.51; }, 0},
        Row{"fps low", [](I in) { in.frameRate = 9.99; }, 0},
        Row{"fps high", [](I in) { in.frameRate = 30.1; }, 0},
        Row{"lowest video", [](I in) { in.video = 50, in.audio = 5; }, 255},
        Row{"highest fps", [](I in) { in.frameRate = 30, in.keyframes = 1000; }, 95},
        Row{"other edges", [](I in) { in.video = 8000, in.audio = 800, in.frameRate = 10; }, 255},
        Row{"V/A 2", [](I in) { in.audio = 500; }, 105},
        Row{"V/A 30", [](I in) { in.video = 3000; }, 105},
        // 255 - 199 = 56, then 56 - 0.15 x 56 x 6.6 = 0.56.
        Row{"keyframes 1, bpp 0.05", [](I in) { in.keyframes = 1, in.bitsPerPixel = 0.05; }, 1},
        // 255 - 3 x 7.5 = 232.5 to even; 255 - 5 x 7.5 = 217.5 to even.
        Row{"V/A 13", [](I in) { in.video = 1300; }, 232},
        Row{"V/A 15", [](I in) { in.video = 1500; }, 218},
        Row{"keyframes 150", [](I in) { in.keyframes = 150; }, 205},
        Row{"keyframes 300", [](I in) { in.keyframes = 300; }, 235},
        // Bits per pixel against the quality: 255 - 0.1 x 5 x 255 = 127.5 to even.
        Row{"slowest 0.25", [](I in) { in.quality = "Slowest", in.bitsPerPixel = 0.25; }, 128},
        Row{"fastest 0.25", [](I in) { in.quality = "Fastest", in.bitsPerPixel = 0.25; }, 255},
        Row{"fastest 0.2", [](I in) { in.quality = "Fastest"; }, 171},
        Row{"slow 0.2", [](I in) { in.quality = "Slow"; }, 255},
        Row{"turbo 0.5", [](I in) { in.quality = "Turbo", in.bitsPerPixel = 0.5; }, 255},
        Row{"alg1 1000", [](I in) { in.alg1 = 1000; }, 231},
        Row{"alg1 1100", [](I in) { in.alg1 = 1100; }, 235},
        Row{"alg1 1024", [](I in) { in.alg1 = 1024; }, 255},
        Row{"alg2 -25", [](I in) { in.alg2 = -25; }, 252},
        Row{"alg2 35", [](I in) { in.alg2 = 35; }, 252},
        Row{"alg2 20", [](I in) { in.alg2 = 20; }, 255},
        Row{"scene change", [](I in) { in.sceneChange = 40; }, 235},
        Row{"very soft", [](I in) { in.resample = "very soft"; }, 155},
        Row{"soft", [](I in) { in.resample = "soft"; }, 205},
        Row{"sharp", [](I in) { in.resample = "sharp"; }, 230},
        // Far outside the range the score stops at red.
        Row{"alg1 2000", [](I in) { in.alg1 = 2000; }, 0}));

}  // namespace
}  // namespace geometry
