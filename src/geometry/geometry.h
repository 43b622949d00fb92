#pragma once

#include "encoder/encoder.h"
#include "geometry/block.h"
#include "geometry/solver.h"
#include "preview/preview.h"

namespace geometry {

// Width, height, aspect ratio and the width slider; pixel count, frame rate, bits per pixel and
// the bitrate in bit/s.
class Geometry : public Block {
  public:
    Geometry(app::Korvel& k, app::DebugLog& log, Solver& res, encoder::Encoder& enc,
             preview::Preview& preview);
    // Refresh from the slider (and the preview window's size).
    void size();
    // Refresh from the width or height field being edited.
    void size2();
    // Recomputes bits per pixel from bitrate, frame rate and pixel count.
    void bitspropixel();
    // A typed height is committed: the slider follows.
    void heighteingabe();

  private:
    void wire();
    // Sizes the preview window to the width and height fields.
    void fitPreview();
    // resolution.cpp
    void aspectChange();
    void presetClick(const char* plain, const char* hundredths);
    void ratioClick();
    void widthChange();
    void heightChange();
    void widthEnter();
    void heightEnter();
    void widthLostFocus();
    void heightLostFocus();
    void sliderChange();
    // refresh.cpp
    void pixelsChange();
    // bits_per_pixel.cpp
    void bitsperpixelGotFocus();
    void bitsperpixelChange();
    void bitsperpixelEnter();
    void bitsperpixelLostFocus();
    // rates.cpp
    void framerateGotFocus();
    void framerateLostFocus();
    void framerateChange();
    void bitrateGotFocus();
    void bitrateLostFocus();
    void bitrateEnter();
    void bitrateChange();
    void calculatorClick();

    Solver& res;
    encoder::Encoder& enc;
    preview::Preview& preview;
};

}  // namespace geometry
