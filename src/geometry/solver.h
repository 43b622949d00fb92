#pragma once

#include "encoder/encoder.h"
#include "geometry/block.h"

namespace geometry {

// The resolution solver: resolution, pixel count, bits per pixel and bitrate kept consistent
// with whichever of them the user is editing.
class Solver : public Block {
  public:
    Solver(app::Korvel& k, app::DebugLog& log, encoder::Encoder& enc);
    void resolution();

  private:
    void bitsPerPixelShown();
    void fromSide(Held held);
    void fromBitsPerPixel();

    encoder::Encoder& enc;
};

}  // namespace geometry
