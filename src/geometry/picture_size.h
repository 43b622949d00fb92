#pragma once

#include <QtGlobal>
#include <optional>

// The picture's sizes as numbers: width, height, the width slider and bits per pixel turned into
// one another, each called by the handlers at its own point of the cascade. Each throws
// forms::RuntimeError where the program's arithmetic does (a division by 0, an overflow).
namespace geometry {

// The widest picture, and the width slider's far right end.
inline constexpr double kWidest = 2000;
// What a picture without pixels counts as: 720 x 540.
inline constexpr double kStandInPixels = 388800;

// The aspect ratio in single precision, as the block keeps it (0: free), and the pixel ratio that
// stretches the height.
struct Shape {
    float aspect = 0;
    double pixelRatio = 1;
};

struct PictureSize {
    double width = 0, height = 0;
};

// The aspect ratio as a plain number: the field's number under the unit ":1", hundredths otherwise.
float aspectOf(double typed, bool plain);

// The side of the picture the user holds; the other one follows the shape: an even height for a
// width, a width that is a multiple of 4 for a height.
enum class Held { Width, Height };
double otherSide(Held held, double side, const Shape& shape);

// The nearest even height (halves up), and the even height below for Enter in bits per pixel.
double evenHeight(double height);
double evenHeightBelow(double height);
// The width the slider stands for: the nearest multiple of 4.
double widthFromSlider(double value);
// Where a released slider settles: on that width, its far left end (0 and 1) on 8.
qint64 sliderSnap(qint64 value);
// The slider for a width: the whole number, within 0 and the far right end.
qint64 sliderForWidth(double width);
// The slider for a height: the width it gives, at most the far right end. A height the user
// commits rounds halves to even, one written from elsewhere rounds them up.
enum class Halves { Up, ToEven };
qint64 sliderForHeight(double height, const Shape& shape, Halves halves);

// Bit/s over pixels per second, cut (not rounded) to 4 decimals.
double bitsPerPixel(double bitrate, double frameRate, double pixels);
// The figure shown stands for a new one less than 0.001 away: it is not rewritten.
bool bitsPerPixelSame(double shown, double now);
// A typed bits per pixel with no video bitrate sets the bitrate: kbit/s within 0 and 16000.
double videoKbpsFor(double bitsPerPixel, double frameRate, double pixels);
// With a bitrate it sets the size: the pixels per frame the bitrate allows (0 stops the solver),
// then the picture of that many pixels in the shape, none with a side under one pixel. The
// height takes no pixel ratio.
double pixelsPerFrame(double bitrate, double bitsPerPixel, double frameRate);
std::optional<PictureSize> sizeForPixels(double pixelsPerFrame, const Shape& shape);

}  // namespace geometry
