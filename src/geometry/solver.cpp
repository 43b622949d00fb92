#include "geometry/solver.h"

#include <algorithm>
#include <cmath>

#include "app/korvel.h"
#include "encoder/encoder.h"

namespace geometry {
using forms::RuntimeError;

Solver::Solver(app::Korvel& k) : Block(k) {}

void Solver::resolution() {
    debug(QStringLiteral("resolution #1"));
    if (st.busy) return;
    try {
        if (is(st.focusField, "none") && !bitsperpixel.text().isEmpty()) bitsPerPixelShown();
        if (is(st.focusField, "Bwidth")) fromWidth();
        if (is(st.focusField, "Bheight")) fromHeight();
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

void Solver::fromWidth() {
    debug(QStringLiteral("resolution #3"));
    if (aspectFree()) return;
    st.busy = true;
    Bheight.setText(numText(heightFromWidth(leading(Bwidth))));
    pixels.setText(numText(leading(Bwidth) * leading(Bheight)));
    bitsperpixel.setText(numText(bitsPerPixelNow()) + QStringLiteral(" b/px"));
    st.busy = false;
}

void Solver::fromHeight() {
    debug(QStringLiteral("resolution #4"));
    if (aspectFree()) return;
    st.busy = true;
    Bwidth.setText(numText(widthFromHeight(leading(Bheight))));
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
        const double rate = Int(fps * leading(pixels) * bpp / 1000);
        kbitps.setText(numText(std::clamp(rate, 0.0, 16000.0)));
        st.busy = false;
        return;
    }
    // Both stops below leave busy set until the field is left.
    if (aspectFree()) {
        message(QStringLiteral("ERROR: aspect ratio = 0"));
        return;
    }
    const double perFrame = div(Int(leading(bitrate)), bpp * fps);
    if (perFrame == 0) return;
    const double aspectValue = double(st.aspectValue);
    const double w = std::sqrt(div(perFrame, pixelRatio()) * aspectValue);
    // Less than a pixel a side is no picture: writing it would send the zero pixel count and
    // this solver chasing each other. Stop as when nothing fits.
    if (Int(w) < 1 || Int(div(w, aspectValue)) < 1) return;
    Bwidth.setText(numText(Int(w)));
    Bheight.setText(numText(Int(div(w, aspectValue))));
    st.busy = false;
    pixels.setText(numText(Int(leading(Bwidth) * leading(Bheight))));
    k.enc->DivX();
    st.busy = false;
}

}  // namespace geometry
