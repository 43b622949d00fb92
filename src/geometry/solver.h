#pragma once

#include "app/part.h"

namespace geometry {

// The resolution solver: resolution, pixel count, bits per pixel and bitrate kept consistent
// with whichever of them the user is editing.
class Solver : public app::Part {
  public:
    explicit Solver(app::Korvel& k);
    void resolution();
};

}  // namespace geometry
