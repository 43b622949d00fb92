#include "geometry/rating.h"

#include <gtest/gtest.h>

namespace geometry {
namespace {

// A well balanced encode: every step of the rating leaves 255.
RatingInputs balanced() {
    RatingInputs in;
    in.width = 720;
    in.height = 540;
    in.pixelRatio = 1;
    in.video = 1000;
    in.audio = 100;
    in.keyframes = 200;
    in.bitsPerPixel = 0.2;
    in.frameRate = 25;
    in.alg1 = 1048;
    in.alg2 = -10;
    in.sceneChange = 50;
    in.quality = "Standard";
    in.resample = "very sharp";
    return in;
}

TEST(Rating, BalancedSettingsArePureGreen) {
    EXPECT_EQ(ratingScore(balanced()), 255);
    EXPECT_EQ(ratingColor(255).text(), "0,255,0");
    EXPECT_EQ(ratingColor(128).text(), "254,255,0");
    EXPECT_EQ(ratingColor(0).text(), "255,0,0");
    EXPECT_EQ(ratingColor(161).text(), "188,255,0");
}

TEST(Rating, EachPreconditionGivesZero) {
    const auto with = [](auto change) {
        RatingInputs in = balanced();
        change(in);
        return ratingScore(in);
    };
    EXPECT_EQ(with([](RatingInputs& in) { in.pixelRatio = 1.067; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.width = 722; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.height = 541; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.video = 49; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.video = 8001, in.audio = 800; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.audio = 0; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.audio = 501; }), 0);  // V / A below 2
    EXPECT_EQ(with([](RatingInputs& in) { in.audio = 33; }), 0);   // V / A above 30
    EXPECT_EQ(with([](RatingInputs& in) { in.keyframes = 0; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.keyframes = 1001; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.bitsPerPixel = 0.049; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.bitsPerPixel = 0.51; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.frameRate = 9.99; }), 0);
    EXPECT_EQ(with([](RatingInputs& in) { in.frameRate = 30.1; }), 0);
    // The bounds themselves are still sensible.
    EXPECT_GT(with([](RatingInputs& in) { in.video = 50, in.audio = 5; }), 0);
    EXPECT_GT(with([](RatingInputs& in) { in.frameRate = 30, in.keyframes = 1000; }), 0);
}

TEST(Rating, StepsRoundHalvesToEven) {
    RatingInputs in = balanced();
    in.video = 500;  // 255 - 5 x 18.8
    EXPECT_EQ(ratingScore(in), 161);
    in.video = 1500;  // 255 - 5 x 7.5 = 217.5, to even
    EXPECT_EQ(ratingScore(in), 218);
    in.video = 1300;  // 255 - 3 x 7.5 = 232.5, to even
    EXPECT_EQ(ratingScore(in), 232);
    in = balanced();
    in.keyframes = 150;
    EXPECT_EQ(ratingScore(in), 205);
    in.keyframes = 300;  // 255 - 20
    EXPECT_EQ(ratingScore(in), 235);
}

TEST(Rating, BitsPerPixelAgainstQuality) {
    RatingInputs in = balanced();
    in.quality = "Slowest";
    in.bitsPerPixel = 0.15;
    EXPECT_EQ(ratingScore(in), 255);
    in.bitsPerPixel = 0.14;  // 255 - 0.01 x 255 x 6.6 = 238.17
    EXPECT_EQ(ratingScore(in), 238);
    in.bitsPerPixel = 0.25;  // 255 - 0.1 x 5 x 255 = 127.5, to even
    EXPECT_EQ(ratingScore(in), 128);
    in.quality = "Fastest";
    EXPECT_EQ(ratingScore(in), 255);
    in.bitsPerPixel = 0.2;  // 255 - 0.05 x 255 x 6.6 = 170.85
    EXPECT_EQ(ratingScore(in), 171);
    in.quality = "Slow";
    EXPECT_EQ(ratingScore(in), 255);
    in.quality = "Turbo";
    in.bitsPerPixel = 0.5;
    EXPECT_EQ(ratingScore(in), 255);
}

TEST(Rating, ConstantsSceneChangeAndFilter) {
    const auto with = [](auto change) {
        RatingInputs in = balanced();
        change(in);
        return ratingScore(in);
    };
    EXPECT_EQ(with([](RatingInputs& in) { in.alg1 = 1000; }), 231);
    EXPECT_EQ(with([](RatingInputs& in) { in.alg1 = 1100; }), 235);
    EXPECT_EQ(with([](RatingInputs& in) { in.alg1 = 1024; }), 255);
    EXPECT_EQ(with([](RatingInputs& in) { in.alg2 = -25; }), 252);  // 255 - 2.5, to even
    EXPECT_EQ(with([](RatingInputs& in) { in.alg2 = 35; }), 252);   // 255 - 3.5, to even
    EXPECT_EQ(with([](RatingInputs& in) { in.alg2 = 20; }), 255);
    EXPECT_EQ(with([](RatingInputs& in) { in.sceneChange = 40; }), 235);
    EXPECT_EQ(with([](RatingInputs& in) { in.resample = "very soft"; }), 155);
    EXPECT_EQ(with([](RatingInputs& in) { in.resample = "soft"; }), 205);
    EXPECT_EQ(with([](RatingInputs& in) { in.resample = "sharp"; }), 230);
    // Far outside the range the score stops at red; beyond 16 bits it is an error.
    EXPECT_EQ(with([](RatingInputs& in) { in.alg1 = 2000; }), 0);
    EXPECT_THROW(with([](RatingInputs& in) { in.alg1 = 40000; }), forms::RuntimeError);
}

}  // namespace
}  // namespace geometry
