#include "geometry/controls.h"

#include "app/declare.h"
#include "app/settings_table.h"

namespace geometry {
using namespace app::declare;
using app::settings::fallback;

void declareControls(forms::Window& f) {
    // Labels are sized for the longest caption of every language.
    label(f, "auflösung", "Resolution", {4, 172, 66, 15});
    field(f, "Bwidth", fallback("width"), {72, 170, 40, 19});
    label(f, "times", "x", {114, 172, 8, 15});
    field(f, "Bheight", fallback("height"), {124, 170, 40, 19});
    label(f, "aspectratio", "  Aspect Ratio", {168, 172, 94, 15});
    field(f, "aspect", "1.3333", {264, 170, 46, 19}, 6);
    label(f, "ratio", ":1", {312, 172, 38, 15});

    // The presets sit under the ratio they set; the read-out beside them shows in debug mode.
    // Widths snap to multiples of 4, so a smaller step would be taken straight back.
    scrollBar(f, "ScrollBar1", 0, 2000, app::settings::fallbackNumber("width"), {4, 194, 254, 17})
        .setSteps(4, 64);
    picture(f, "asp43", "aspect43", {262, 193, 22, 19});
    picture(f, "asp169", "aspect169", {284, 193, 30, 19});
    hiddenField(f, "scrollvalue", {316, 193, 34, 19});

    label(f, "pxls", "  Pixels", {4, 216, 78, 15});
    field(f, "pixels", "388800 px", {84, 214, 72, 19});
    label(f, "frmrt", "Framerate", {162, 216, 76, 15});
    field(f, "framerate", "25 fps", {240, 214, 60, 19});
    pictureButton(f, "pic_calc", "calculator", {306, 214, 22, 19});

    label(f, "BitPerPx", " Bits per Pixel", {4, 236, 96, 15});
    field(f, "bitsperpixel", "0 b/px", {102, 234, 72, 19});
    label(f, "bandwidth", " Bitrate", {180, 236, 48, 15});
    field(f, "bitrate", "0 kbps", {230, 234, 96, 19});

    // Tab: the picture after the calculation; the calculator button goes with the window's own.
    f.addTabOrder({"Bwidth", "Bheight", "aspect", "ScrollBar1", "scrollvalue", "pixels",
                   "framerate", "bitsperpixel", "bitrate", "asp43", "asp169", "ratio", "pic_calc"});
}

}  // namespace geometry
