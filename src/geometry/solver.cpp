#include "geometry/solver.h"

namespace geometry {
using forms::RuntimeError;

Solver::Solver(app::Korvel& k, app::DebugLog& log, encoder::Encoder& enc)
    : Block(k, log), enc(enc) {}

void Solver::resolution() {
    debug(QStringLiteral("resolution #1"));
    if (st.busy) return;
    try {
        if (is(st.focusField, "none") && !bitsperpixel.text().isEmpty()) bitsPerPixelShown();
        if (is(st.focusField, "Bwidth")) fromSide(Held::Width);
        if (is(st.focusField, "Bheight")) fromSide(Held::Height);
        if (is(st.focusField, "bitsperpixel") && leading(bitsperpixel) != 0) fromBitsPerPixel();
    } catch (const RuntimeError&) {
        // Every busy the solver sets is its own: an error must not leave the fields deaf.
        st.busy = false;
        message(QStringLiteral("Error in res.olution (oh shit!)"));
    }
}

// Where the number text has a decimal comma the field would be read as a whole number: it is
// written again with a point.
void Solver::bitsPerPixelShown() {
    const QString b = forms::num::trimBlanks(numText(bitsPerPixelNow()));
    if (!b.contains(QLatin1Char(','))) return;
    bitsperpixel.setText(forms::num::replaceFirst(b, QLatin1Char(','), QLatin1Char('.')) +
                         QStringLiteral(" b/px"));
    bitsperpixel.setCaret(int(bitsperpixel.text().size()));
    debug(QStringLiteral("resolution #2"));
}

// The other side follows the one the user holds, then bits per pixel.
void Solver::fromSide(Held held) {
    const bool width = held == Held::Width;
    debug(width ? QStringLiteral("resolution #3") : QStringLiteral("resolution #4"));
    if (aspectFree()) return;
    st.busy = true;
    if (width) {
        Bheight.setText(numText(otherSide(held, leading(Bwidth), shape())));
        pixels.setText(numText(leading(Bwidth) * leading(Bheight)));
    } else {
        Bwidth.setText(numText(otherSide(held, leading(Bheight), shape())));
    }
    bitsperpixel.setText(numText(bitsPerPixelNow()) + QStringLiteral(" b/px"));
    st.busy = false;
}

// A typed bits-per-pixel value: with no video bitrate it sets the bitrate, otherwise the
// resolution that the bitrate allows.
void Solver::fromBitsPerPixel() {
    st.busy = true;
    const double bpp = leading(bitsperpixel), fps = leading(framerate);
    if (is(st.bppMode, "nokbps")) {
        // The video bitrate's own bounds hold here too: its handler may not run to clamp it.
        kbitps.setText(numText(videoKbpsFor(bpp, fps, leading(pixels))));
        st.busy = false;
        return;
    }
    // Both stops below leave busy set until the field is left.
    if (aspectFree()) {
        message(QStringLiteral("ERROR: aspect ratio = 0"));
        return;
    }
    const double perFrame = pixelsPerFrame(leading(bitrate), bpp, fps);
    if (perFrame == 0) return;
    const std::optional<PictureSize> size = sizeForPixels(perFrame, shape());
    if (!size) return;
    Bwidth.setText(numText(size->width));
    Bheight.setText(numText(size->height));
    st.busy = false;
    pixels.setText(numText(Int(leading(Bwidth) * leading(Bheight))));
    enc.DivX();
    st.busy = false;
}

}  // namespace geometry
