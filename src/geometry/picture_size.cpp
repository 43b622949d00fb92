#include "geometry/picture_size.h"

#include <algorithm>
#include <cmath>

#include "forms/numbers.h"

namespace geometry {
using namespace forms::num;

float aspectOf(double typed, bool plain) {
    return float(plain ? typed : typed / 100);
}

double otherSide(Held held, double side, const Shape& shape) {
    const double aspect = double(shape.aspect);
    if (held == Held::Width) return 2 * Int(div(side, aspect) * shape.pixelRatio / 2 + 0.5);
    return 4 * Int(div(side, shape.pixelRatio) * aspect / 4 + 0.5);
}

double evenHeight(double height) {
    return 2 * Int(height / 2 + 0.5);
}

double evenHeightBelow(double height) {
    return 2 * Int(height / 2);
}

double widthFromSlider(double value) {
    return 4 * Int(value / 4 + 0.5);
}

qint64 sliderSnap(qint64 value) {
    return value <= 1 ? 8 : qint64(widthFromSlider(double(value)));
}

qint64 sliderForWidth(double width) {
    if (width >= kWidest) return qint64(kWidest);
    if (width <= 0) return 0;
    return whole(width);
}

qint64 sliderForHeight(double height, const Shape& shape, Halves halves) {
    const double s = div(height * double(shape.aspect), shape.pixelRatio);
    if (s > kWidest) return qint64(kWidest);
    return halves == Halves::Up ? qint64(Int(s + 0.5)) : whole(s);
}

double bitsPerPixel(double bitrate, double frameRate, double pixels) {
    const double count = pixels == 0 ? kStandInPixels : pixels;
    return Int(div(bitrate, frameRate * count) * 10000) / 10000;
}

bool bitsPerPixelSame(double shown, double now) {
    return std::abs(shown - now) < 0.001;
}

double videoKbpsFor(double bitsPerPixel, double frameRate, double pixels) {
    return std::clamp(Int(frameRate * pixels * bitsPerPixel / 1000), 0.0, 16000.0);
}

double pixelsPerFrame(double bitrate, double bitsPerPixel, double frameRate) {
    return div(Int(bitrate), bitsPerPixel * frameRate);
}

std::optional<PictureSize> sizeForPixels(double pixelsPerFrame, const Shape& shape) {
    const double aspect = double(shape.aspect);
    const double w = std::sqrt(div(pixelsPerFrame, shape.pixelRatio) * aspect);
    // Less than a pixel a side is no picture: writing it would send the zero pixel count and the
    // solver chasing each other.
    if (Int(w) < 1 || Int(div(w, aspect)) < 1) return std::nullopt;
    return PictureSize{Int(w), Int(div(w, aspect))};
}

}  // namespace geometry
