#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/korvel.h"
#include "encoder/settings_window.h"

namespace encoder {
using forms::TextBox;

namespace {
const QString kPercent = QStringLiteral(" %");
}

void SettingsWindow::wireNumbers() {
    // The threshold is typed fresh; leaving it empty or below 1 gives the codec's 50 %.
    SC.onGotFocus = [this] { SC.setText(QString()); };
    SC.onChange = [this] { scChange(); };
    SC.onLostFocus = [this] { scLostFocus(); };
    modu.onChange = [this] { moduChange(); };
    modscroll.onScroll = [this] { modscrollMoved(false); };
    modscroll.onChange = [this] { modscrollMoved(true); };
    PV.onChange = [this] { pvChange(); };
    PV.onClick = [this] { pvChange(); };
    Korveltrans.onChange = [this] { transparencyChange(); };
}

void SettingsWindow::scChange() {
    if (leading(SC) > 100) SC.setText(QStringLiteral("100 %"));
    SC.setCaret(int(SC.text().size()));
    enc.DivX();
    store(QStringLiteral("SC"), numText(leading(SC)));
    SC.setBackColor(pastel());
}

void SettingsWindow::scLostFocus() {
    if (leading(SC) < 1) SC.setText(QStringLiteral("50 %"));
    SC.setText(numText(leading(SC)) + kPercent);
}

// The modulation as the scroll bar shows it, in single precision (0.35 - 0.25 reads 0.1).
QString SettingsWindow::singleText(double x) const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", double(float(x)));
    return numText(std::strtod(buf, nullptr));
}

void SettingsWindow::modscrollMoved(bool released) {
    modu.setText(singleText(modscroll.value() / 100.0 - 0.25));
    if (released) debug(QStringLiteral("modscroll_Change"));
}

// The field and the scroll bar show the same modulation, -0.25 .. 0.25.
void SettingsWindow::moduChange() {
    debug(QStringLiteral("modu_Change #0"));
    if (!modu.text().isEmpty() && modu.text().contains(QLatin1Char(','))) {
        modu.setText(forms::num::replaceFirst(modu.text(), QLatin1Char(','), QLatin1Char('.')));
        debug(QStringLiteral("modu_Change #1"));
        modu.setCaret(int(modu.text().size()));
    }
    if (leading(modu) != 0) {
        debug(QStringLiteral("modu_Change #2"));
        if (leading(modu) > 0.25) modu.setText(numText(0.25));
        if (leading(modu) < -0.25) modu.setText(numText(-0.25));
        debug(QStringLiteral("modu_Change #3"));
        modscroll.setValue(whole((leading(modu) + 0.25) * 100));
    }
    modu.setBackColor(pastel());
    store(QStringLiteral("mod"), modu.text());
    enc.DivX();
    debug(QStringLiteral("modu_Change #4"));
}

// The pixel ratio lives in the main window, written with a point whatever the locale; the
// picture's height follows it through the width slider.
void SettingsWindow::pvChange() {
    const QString t = forms::num::trimBlanks(PV.text());
    if (t.contains(QLatin1Char(',')))
        st.pixelRatio = forms::num::replaceFirst(t, QLatin1Char(','), QLatin1Char('.'));
    else
        st.pixelRatio = forms::num::pointText(leading(t));
    // A width being typed (not yet a number, or beyond the slider) leaves the slider alone.
    auto& slider = k.form1.get<forms::ScrollBar>("ScrollBar1");
    const QString width = k.form1.get<TextBox>("Bwidth").text();
    if (isNumber(width))
        slider.setValue(std::clamp<qint64>(whole(std::clamp(locale(width), -1e9, 1e9)),
                                           slider.min(), slider.max()));
    geo.size();
    store(QStringLiteral("PV"), PV.text());
    PV.setBackColor(pastel());
}

// The opacity of the main, settings, disk and About windows, 20 .. 100 %.
void SettingsWindow::transparencyChange() {
    Korveltrans.setText(numText(leading(Korveltrans)) + kPercent);
    Korveltrans.setCaret(int(Korveltrans.text().size()) - 2);
    const qint64 percent = whole(std::clamp(leading(Korveltrans), 20.0, 100.0));
    const int alpha = int(whole(double(percent) * 255 / 100));
    for (forms::Window* w : {&k.form1, &f3, &k.disk, &k.about}) {
        w->load();
        look.SetAlpha(*w, alpha);
    }
    store(QStringLiteral("transparency1"), numText(leading(Korveltrans)));
    Korveltrans.setBackColor(pastel());
}

}  // namespace encoder
