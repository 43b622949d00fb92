// Refreshing the block as a whole: from the slider, from the field being edited, and after the
// pixel count changed. The preview window follows the width and height each time.
#include "app/korvel.h"
#include "geometry/geometry.h"

namespace geometry {
using forms::RuntimeError;

void Geometry::size() {
    if (st.busy || is(st.focusField, "sizebutton") || is(st.focusField, "Bheight")) return;
    try {
        readAspect();
        if (st.pixelRatio.isEmpty()) st.pixelRatio = QStringLiteral("1");
        // The preview is sized before the fields are written, so a pixel ratio the preview
        // cannot take (0) stops here and the fields keep what they show.
        fitPreview();
        if (!aspectFree()) {
            Bwidth.setText(numText(widthFromSlider(ScrollBar1.value())));
            Bheight.setText(numText(otherSide(Held::Width, ScrollBar1.value(), shape())));
        }
        showPixels();
        bitspropixel();
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'size'"), 2);
    }
}

void Geometry::size2() {
    if (st.busy && !is(st.focusField, "bitsperpixel")) return;
    try {
        readAspect();
        if (st.pixelRatio.isEmpty()) st.pixelRatio = QStringLiteral("1");
        fitPreview();
        if (!aspectFree()) {
            if (is(st.focusField, "sizebutton")) return;
            if (is(st.focusField, "Bwidth")) {
                Bheight.setText(numText(otherSide(Held::Width, leading(Bwidth), shape())));
            } else if (is(st.focusField, "Bheight")) {
                Bwidth.setText(numText(otherSide(Held::Height, leading(Bheight), shape())));
            } else if (is(st.focusField, "bitsperpixel")) {
                st.busy = false;
                bitsperpixelChange();
                Bheight.setText(numText(otherSide(Held::Width, leading(Bwidth), shape())));
            }
        }
        showPixels();
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'size2'"), 2);
    }
}

void Geometry::pixelsChange() {
    try {
        fitPreview();
    } catch (const RuntimeError&) {
        // A pixel ratio of 0 gives the preview no height: it keeps the size it has.
    }
    if (!k.pv.moving) bitspropixel();
    pixels.setBackColor(pastel());
    res.resolution();
    enc.DivX();
}

}  // namespace geometry
