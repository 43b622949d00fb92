// Bits per pixel: recomputed from bitrate, frame rate and pixel count, or typed to drive the
// resolution (or, with no video bitrate set, the bitrate).
#include "app/korvel.h"
#include "geometry/geometry.h"

namespace geometry {
using forms::RuntimeError;

void Geometry::bitspropixel() {
    if (st.busy) return;
    try {
        if (leading(pixels) == 0) pixels.setText(numText(kStandInPixels));
        const double b = bitsPerPixelNow();
        if (bitsPerPixelSame(leading(bitsperpixel), b)) return;
        if (!is(st.focusField, "bitsperpixel") && ScrollBar1.value() != 0 && leading(pixels) != 0)
            bitsperpixel.setText(numText(b) + QStringLiteral(" b/px"));
    } catch (const RuntimeError&) {
        message(QStringLiteral("error in bitspropixel"));
    }
}

void Geometry::bitsperpixelGotFocus() {
    st.focusField = QStringLiteral("bitsperpixel");
    if (leading(kbitps) == 0) st.bppMode = QStringLiteral("nokbps");
    bitsperpixel.setText(QString());
}

void Geometry::bitsperpixelChange() {
    try {
        if (!bitsperpixel.text().isEmpty()) {
            pointForm(bitsperpixel);
            bitsperpixel.setCaret(int(bitsperpixel.text().size()));
        }
        if (st.busy) return;
        debug(QStringLiteral("bitsperpixel_Change #1"));
        res.resolution();
        debug(QStringLiteral("bitsperpixel_Change #2"));
        bitsperpixel.setBackColor(pastel());
    } catch (const RuntimeError&) {
    }
}

void Geometry::bitsperpixelEnter() {
    st.bppMode = QStringLiteral("none");
    bitsperpixelLostFocus();
    ScrollBar1.setValue(sliderForWidth(leading(Bwidth)));
    k.form1.get<forms::CheckBox>("kbpsLock").setFocus();
    Bheight.setText(numText(evenHeightBelow(leading(Bheight))));
}

void Geometry::bitsperpixelLostFocus() {
    bitsperpixel.setText(numText(leading(bitsperpixel)) + QStringLiteral(" b/px"));
    if (!is(st.focusField, "bitsperpixel") && leading(bitsperpixel) == 0)
        bitsperpixel.setText(QStringLiteral("0.2"));
    st.focusField = QStringLiteral("none");
    st.bppMode = QStringLiteral("none");
    // A solver that stopped (nothing fits, no aspect ratio) left busy set for as long as the
    // field was edited; leaving it must free the calculator even when the value came out 0.
    st.busy = false;
    if (leading(bitsperpixel) != 0) {
        // The solver may have made the width wider than the slider reaches: it stops at its end.
        ScrollBar1.setValue(sliderForWidth(leading(Bwidth)));
        st.focusField = QStringLiteral("none");
        st.busy = false;
        enc.DivX();
    }
}

}  // namespace geometry
