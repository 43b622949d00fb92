#pragma once

#include "app/part.h"

namespace geometry {

// Width, height, aspect ratio and the width slider; pixel count, frame rate, bits per pixel.
class Geometry : public app::Part {
  public:
    explicit Geometry(app::Korvel& k);
    // Refresh from the slider (and the preview window's size).
    void size();
    // Refresh from the width or height field being edited.
    void size2();
    // Recomputes bits per pixel from bitrate, frame rate and pixel count.
    void bitspropixel();
    // A typed height is committed: the slider follows.
    void heighteingabe();
};

}  // namespace geometry
