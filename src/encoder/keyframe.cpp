#include <cmath>

#include "encoder/encoder.h"

namespace encoder {

void Encoder::wireKeyframes() {
    keyframebox.onChange = [this] { keyframeChange(); };
    keyframebox.onLostFocus = [this] { keyframeLostFocus(); };
}

// The interval is repaired as it is typed: the number it starts with, without a sign, at most
// 4000 frames. Writing the repaired text runs this again, which then finds nothing to repair.
void Encoder::keyframeChange() {
    if (st.busy || keyframebox.text().isEmpty()) return;
    keyframebox.setText(numText(std::abs(leading(keyframebox))));
    if (leading(keyframebox) > 4000) keyframebox.setText(QStringLiteral("4000"));
    DivX();
    store(QStringLiteral("MKI"), keyframebox.text());
    keyframebox.setBackColor(pastel());
}

// No keyframes at all is no valid interval: one keyframe a frame, and the user is told.
void Encoder::keyframeLostFocus() {
    const QString old = keyframebox.text();
    if (!old.isEmpty() && old != QLatin1String("0")) return;
    keyframebox.setText(QStringLiteral("1"));
    message(QStringLiteral("MKI = \"%1\"\rMKI set to \"1\"").arg(old), QStringLiteral("ERROR"));
}

}  // namespace encoder
