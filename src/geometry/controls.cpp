#include "geometry/controls.h"

#include "app/declare.h"

namespace geometry {
using namespace app::declare;

void declareControls(forms::Window& f) {
    // Resolution and aspect ratio; below them the width slider with its read-out and the two
    // presets, right under the ratio they set.
    label(f, "auflösung", "Resolution", {4, 172, 66, 15});
    field(f, "Bwidth", "720", {72, 170, 40, 19});
    label(f, "times", "x", {114, 172, 8, 15});
    field(f, "Bheight", "540", {124, 170, 40, 19});
    label(f, "aspectratio", "  Aspect Ratio", {166, 172, 86, 15});
    field(f, "aspect", "1.3333", {252, 170, 48, 19}, 6);
    label(f, "ratio", ":1", {302, 172, 30, 15});

    scrollBar(f, "ScrollBar1", 0, 2000, 720, {4, 194, 212, 17});
    field(f, "scrollvalue", "720", {220, 193, 42, 19}).setReadOnly(true);
    picture(f, "asp43", "aspect43", {272, 193, 26, 19});
    picture(f, "asp169", "aspect169", {302, 193, 34, 19});

    label(f, "pxls", "  Pixels", {4, 216, 50, 15});
    field(f, "pixels", "388800 px", {56, 214, 80, 19});
    label(f, "frmrt", "Framerate", {142, 216, 62, 15});
    field(f, "framerate", "25 fps", {206, 214, 56, 19});
    pictureButton(f, "pic_calc", "calculator", {268, 214, 22, 19});

    label(f, "BitPerPx", " Bits per Pixel", {4, 236, 86, 15});
    field(f, "bitsperpixel", "0 b/px", {90, 234, 66, 19});
    label(f, "bandwidth", " Bitrate", {158, 236, 46, 15});
    field(f, "bitrate", "0 kbps", {206, 234, 90, 19});
}

}  // namespace geometry
