#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

namespace media {

// Black borders in pixels, each even (the encoder crops in steps of two).
struct Borders {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool operator==(const Borders&) const = default;
};

// A stretch of the film to look at: where it starts and how long, in seconds.
struct Stretch {
    double start = 0, seconds = 0;
    bool operator==(const Stretch&) const = default;
};

// `count` stretches of `seconds` each, spread evenly over the film away from its first and last
// moments (titles and credits are often black); one from the start when the play time is
// unknown.
std::vector<Stretch> chooseStretches(double filmSeconds, int count, double seconds);

// The area with picture that one cropdetect line reports, first to last column and row; nullopt
// for any other line. A stretch of black frames gives first > last.
struct PictureArea {
    int x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    bool black() const { return x1 > x2 || y1 > y2; }
};
std::optional<PictureArea> readCropLine(const QByteArray& line);

// The borders black all through: around the union of the stretches' picture areas, on a
// width x height frame, each side rounded up to even. Black stretches say nothing; none with
// picture means no borders.
Borders bordersThroughout(const std::vector<PictureArea>& areas, int width, int height);

}  // namespace media
