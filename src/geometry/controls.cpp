#include "geometry/controls.h"

#include "app/declare.h"

namespace geometry {
using namespace app::declare;

void declareControls(forms::Window& f) {
    label(f, "auflösung", "Resolution", {4, 172, 70, 15});
    field(f, "Bwidth", "720", {76, 170, 40, 19});
    label(f, "times", "x", {117, 172, 8, 15});
    field(f, "Bheight", "540", {126, 170, 40, 19});
    label(f, "aspectratio", "  Aspect Ratio", {168, 172, 80, 15});
    field(f, "aspect", "1.3333", {248, 170, 46, 19}, 6);
    label(f, "ratio", ":1", {295, 172, 24, 15});
    picture(f, "asp43", "aspect43", {320, 170, 14, 19});
    picture(f, "asp169", "aspect169", {335, 170, 14, 19});

    scrollBar(f, "ScrollBar1", 0, 2000, 720, {4, 193, 300, 16});
    hiddenField(f, "scrollvalue", {306, 191, 44, 19});

    label(f, "pxls", "  Pixels", {4, 214, 50, 15});
    field(f, "pixels", "388800 px", {56, 212, 80, 19});
    label(f, "frmrt", "Framerate", {137, 214, 69, 15});
    field(f, "framerate", "25 fps", {206, 212, 56, 19});
    pictureButton(f, "pic_calc", "calculator", {266, 212, 19, 19});

    label(f, "BitPerPx", " Bits per Pixel", {4, 235, 80, 15});
    field(f, "bitsperpixel", "0 b/px", {86, 233, 66, 19});
    label(f, "bandwidth", " Bitrate", {156, 235, 48, 15});
    field(f, "bitrate", "0 kbps", {206, 233, 90, 19});
}

}  // namespace geometry
