#pragma once

#include "geometry/block.h"

namespace geometry {

// The resolution solver: resolution, pixel count, bits per pixel and bitrate kept consistent
// with whichever of them the user is editing.
class Solver : public Block {
  public:
    explicit Solver(app::Korvel& k);
    void resolution();

  private:
    void bitsPerPixelShown();
    void fromSide(Held held);
    void fromBitsPerPixel();
};

}  // namespace geometry
