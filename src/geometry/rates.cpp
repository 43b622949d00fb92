// Frame rate and the video bitrate in bit/s.
#include "app/korvel.h"
#include "geometry/geometry.h"

namespace geometry {
using forms::TextBox;

void Geometry::framerateGotFocus() {
    st.previousText = framerate.text();
    framerate.setText(QString());
}

void Geometry::framerateLostFocus() {
    if (framerate.text().isEmpty()) {
        framerate.setText(st.previousText);
    } else {
        // Written back with a point: where the decimal separator is a comma, the leading-number
        // rule would read "29,97" as 29.
        const QString typed = forms::num::replaceFirst(forms::num::trimBlanks(framerate.text()),
                                                       QLatin1Char(','), QLatin1Char('.'));
        framerate.setText(forms::num::pointText(leading(typed)) + QStringLiteral(" fps"));
    }
    if (leading(framerate) < 1) framerate.setText(QStringLiteral("25 fps"));
    bitspropixel();
}

void Geometry::framerateChange() {
    if (isNumber(framerate)) {
        bitspropixel();
        enc.DivX();
    }
    store(QStringLiteral("framerate"), framerate.text());
    framerate.setBackColor(pastel());
}

// The bitrate in bit/s is not typed: the focus moves on to the kbit/s field.
void Geometry::bitrateGotFocus() {
    kbitps.setFocus();
    st.previousText = bitrate.text();
    bitrate.setText(QString());
}

void Geometry::bitrateLostFocus() {
    if (bitrate.text().isEmpty())
        bitrate.setText(st.previousText);
    else
        bitrate.setText(numText(Int(leading(bitrate)) * 1000) + QStringLiteral(" bps"));
    bitspropixel();
}

void Geometry::bitrateEnter() {
    // The text it had when it got the focus is in bit/s already; only a typed one is in kbit/s.
    if (bitrate.text() == st.previousText) return;
    bitrateLostFocus();
    if (leading(bitrate) < 1000) bitrate.setText(QStringLiteral("1000"));
    bitspropixel();
}

void Geometry::bitrateChange() {
    // Emptied only for the moment the focus passes on: that is no bitrate of 0.
    if (bitrate.text().isEmpty()) return;
    kbitps.setText(numText(leading(bitrate) / 1000));
    bitspropixel();
    res.resolution();
    k.form3.load();
    k.form3.get<TextBox>("udX").setText(numText(leading(kbitps)));
    bitrate.setBackColor(pastel());
}

}  // namespace geometry
