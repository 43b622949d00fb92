// Width, height, aspect ratio and the width slider following one another.
#include <cmath>

#include "geometry/geometry.h"

namespace geometry {
using forms::RuntimeError;

void Geometry::aspectChange() {
    if (st.busy) return;
    try {
        // Nothing, a zero or a negative ratio: the aspect ratio is free.
        if (leading(aspect) <= 0) aspect.setText(QStringLiteral("FREE"));
        if (!aspect.text().isEmpty()) {
            const QString trimmed = forms::num::trimBlanks(aspect.text());
            if (trimmed.contains(QLatin1Char(','))) {
                aspect.setText(
                    forms::num::replaceFirst(trimmed, QLatin1Char(','), QLatin1Char('.')));
                aspect.setCaret(int(aspect.text().size()));
            }
        }
        readAspect();
        if (!aspectFree())
            Bheight.setText(numText(otherSide(Held::Width, leading(Bwidth), shape())));
        size();
        enc.DivX();
        res.resolution();
        store(QStringLiteral("aspect"), aspect.text());
        aspect.setBackColor(pastel());
    } catch (const RuntimeError&) {
        message(QStringLiteral("Error in aspect_change"));
    }
}

void Geometry::presetClick(const char* plain, const char* hundredths) {
    aspect.setText(QLatin1String(is(ratio.caption(), ":1") ? plain : hundredths));
}

void Geometry::ratioClick() {
    if (is(ratio.caption(), ":1")) {
        ratio.setCaption(QStringLiteral(":100"));
        aspect.setText(numText(leading(aspect) * 100));
    } else {
        ratio.setCaption(QStringLiteral(":1"));
        aspect.setText(numText(leading(aspect) / 100));
    }
    size();
    store(QStringLiteral("ratio"), ratio.caption());
}

void Geometry::widthChange() {
    if (st.busy || is(st.focusField, "Bheight")) return;
    if (leading(Bwidth) < 10) return;
    // Clamped before it is written back: a width of 16 digits or more would come back in exponent
    // form, which reads as its first digit.
    if (!aspectFree() && leading(Bwidth) > kWidest) {
        Bwidth.setText(numText(kWidest));
        return;
    }
    Bwidth.setText(numText(leading(Bwidth)));
    Bwidth.setBackColor(pastel());
    if (aspectFree()) {
        showPixels();
        return;
    }
    if (leading(Bwidth) > kWidest) Bwidth.setText(numText(kWidest));
    if (leading(Bwidth) != 0) store(QStringLiteral("width"), Bwidth.text());
    if (std::abs(ScrollBar1.value() - leading(Bwidth)) >= 1) {
        ScrollBar1.setValue(sliderForWidth(leading(Bwidth)));
        Bwidth.setCaret(int(Bwidth.text().size()));
        if (is(st.focusField, "Bwidth")) size2();
        bitspropixel();
    }
}

void Geometry::heightChange() {
    if (st.busy) return;
    try {
        Bheight.setText(numText(leading(Bheight)));
        if (leading(Bheight) < 10) return;
        if (aspectFree()) {
            showPixels();
            return;
        }
        Bheight.setBackColor(pastel());
        if (is(st.focusField, "Bheight")) {
            res.resolution();
            size2();
            return;
        }
        ScrollBar1.setValue(sliderForHeight(leading(Bheight), shape(), Halves::Up));
        Bheight.setCaret(int(Bheight.text().size()));
        if (leading(Bheight) != 0) store(QStringLiteral("height"), Bheight.text());
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'height'"), 2);
    }
}

void Geometry::heighteingabe() {
    try {
        if (aspectFree()) return;
        if (is(ratio.caption(), ":1")) st.aspectValue = aspectOf(leading(aspect), true);
        if (is(ratio.caption(), ":100")) st.aspectValue = aspectOf(leading(aspect), false);
        ScrollBar1.setValue(sliderForHeight(leading(Bheight), shape(), Halves::ToEven));
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'heighteingabe'"));
    }
}

void Geometry::widthEnter() {
    try {
        if (is(Bwidth.text(), "0")) Bwidth.setText(QStringLiteral("4"));
        // A free aspect ratio leaves the slider behind: the typed width stays.
        if (!aspectFree()) Bwidth.setText(numText(widthFromSlider(ScrollBar1.value())));
        Bheight.setText(numText(evenHeight(leading(Bheight))));
        Bwidth.setFocus();
        Bwidth.setCaret(int(Bwidth.text().size()));
        st.busy = false;
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'width'"));
    }
}

void Geometry::heightEnter() {
    try {
        heighteingabe();
        Bheight.setText(numText(evenHeight(leading(Bheight))));
        if (is(Bheight.text(), "0")) Bheight.setText(QStringLiteral("4"));
        size();
        Bheight.setText(numText(evenHeight(leading(Bheight))));
        if (!aspectFree()) Bwidth.setText(numText(widthFromSlider(ScrollBar1.value())));
        Bheight.setFocus();
        Bheight.setCaret(int(Bheight.text().size()));
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'width'"));
    }
}

void Geometry::widthLostFocus() {
    st.focusField = QStringLiteral("none");
    try {
        if (is(Bwidth.text(), "0")) Bwidth.setText(QStringLiteral("8"));
        if (aspectFree()) return;
        const bool moved = std::abs(ScrollBar1.value() - leading(Bwidth)) >= 4;
        if (moved) ScrollBar1.setValue(sliderForWidth(leading(Bwidth)));
        st.busy = true;
        Bwidth.setText(numText(widthFromSlider(ScrollBar1.value())));
        Bheight.setText(numText(evenHeight(leading(Bheight))));
        st.busy = false;
        if (moved) {
            size();
            bitspropixel();
        } else {
            // The writes above ran no handlers: the pixel count follows them here.
            showPixels();
        }
    } catch (const RuntimeError&) {
        feature(QStringLiteral("Featurename: 'width_lostfocus'"));
    }
}

void Geometry::heightLostFocus() {
    st.focusField = QStringLiteral("none");
    st.busy = false;
    if (aspectFree()) return;
    // A height at zero or below (a pasted minus sign) gives the slider nothing to stand on.
    if (leading(Bheight) <= 0) Bheight.setText(QStringLiteral("2"));
    heighteingabe();
    // The slider's refresh, also where the slider already stood there and so raised nothing: the
    // height comes back even and the width within the slider's reach.
    size();
}

void Geometry::sliderChange() {
    // The width being typed moves the slider; the read-out keeps up with it. While a typed bits
    // per pixel value sets the resolution, the slider must not fight it for the width.
    if (is(st.focusField, "Bwidth") || is(st.focusField, "bitsperpixel")) {
        scrollvalue.setText(numText(ScrollBar1.value()));
        return;
    }
    try {
        // The far left end stands for the smallest width, as the first step does: no picture is
        // 0 pixels wide.
        const qint64 released = ScrollBar1.value();
        ScrollBar1.setValue(sliderSnap(released));
        // At the far left end the snap's own change has refreshed the block.
        if (released <= 1) return;
        size();
        scrollvalue.setText(numText(ScrollBar1.value()));
    } catch (const RuntimeError&) {
        message(QStringLiteral("error in SB1_change"));
    }
}

}  // namespace geometry
