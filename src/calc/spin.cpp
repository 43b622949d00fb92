#include "calc/spin.h"

#include <cmath>

#include "app/korvel.h"

namespace calc {
using forms::Button;
using forms::TextBox;
using forms::Timer;

namespace {
// The standard audio bitrates in kbit/s, in the order the buttons step through them.
constexpr int kAudioRates[] = {0,   8,   12,  18,  20,   24,   32,   40,   48,  56,
                               64,  80,  96,  112, 128,  160,  192,  224,  256, 320,
                               352, 384, 512, 705, 1024, 1026, 1152, 1411, 1536};

const QString kZero = QStringLiteral("00");

// The audio field read as a whole number (halves to even), without the 32-bit limit.
double audioRate(double x) {
    return std::nearbyint(x);
}
}  // namespace

Spinners::Spinners(app::Korvel& k, app::DebugLog& log, Calculator& calc)
    : Subsystem(k, log),
      HH(k.form1.get<TextBox>("HH")),
      MM(k.form1.get<TextBox>("MM")),
      SS(k.form1.get<TextBox>("SS")),
      audio(k.form1.get<TextBox>("audio")),
      calc(calc) {
    auto& f = k.form1;
    repeatWhileHeld(f.get<Button>("timeUp"), f.get<Timer>("Timer1"), [this] { SpinIt(1); });
    repeatWhileHeld(f.get<Button>("timeDn"), f.get<Timer>("Timer2"), [this] { SpinIt(-1); });
    repeatWhileHeld(f.get<Button>("audioUp"), f.get<Timer>("Timer3"), [this] { audioGrow(); });
    repeatWhileHeld(f.get<Button>("audioDn"), f.get<Timer>("Timer4"), [this] { audioDown(); });
}

// A click steps once, a held button keeps stepping. The release reaches the button that took the
// press even when the mouse has left it, so the repeat always stops.
void Spinners::repeatWhileHeld(Button& button, Timer& timer, const forms::Handler& step) {
    button.onClick = button.onDblClick = timer.onTimer = step;
    button.onMouseDown = [&timer](const forms::MouseArgs&) { timer.setEnabled(true); };
    button.onMouseUp = [&timer](const forms::MouseArgs&) { timer.setEnabled(false); };
}

// Two digits below 10 ("05"), the number as it is from 10 on ("58", never "058"). A step below
// zero stays at "00": a minus sign in a time field is no time and would only end in an error
// message.
QString Spinners::padded(const QString& base, int d) const {
    const double n = locale(base) + d;
    if (n > 9) return numText(n);
    if (n < 0) return kZero;
    return QStringLiteral("0") + numText(n);
}

void Spinners::SpinIt(int d) {
    // The time is derived from the size: nothing to step.
    if (HH.readOnly()) return;
    try {
        if (st.activeTimeField == QLatin1String("HH"))
            stepHours(d);
        else if (st.activeTimeField == QLatin1String("MM"))
            stepCarrying(MM, HH, d);
        else if (st.activeTimeField == QLatin1String("SS"))
            stepSeconds(d);
    } catch (const forms::RuntimeError&) {
        // A time field holding something other than a number is not stepped.
    }
}

void Spinners::stepHours(int d) {
    if (HH.text().isEmpty()) HH.setText(kZero);
    const QString base = HH.text() == kZero ? st.timeBeforeEdit : HH.text();
    HH.setText(padded(base, d));
}

// A step past 59 or below 00 carries into the field above.
void Spinners::stepCarrying(TextBox& field, TextBox& above, int d) {
    if (field.text().isEmpty()) field.setText(QStringLiteral("0"));
    if (d < 0 && field.text() == kZero) {
        field.setText(QStringLiteral("59"));
        if (locale(above) > 0) above.setText(numText(locale(above) - 1));
        calc.timeLostFocus(above);
    } else if (d > 0 && locale(field) == 59) {
        field.setText(kZero);
        above.setText(numText(locale(above) + 1));
        calc.timeLostFocus(above);
    } else {
        const QString base = field.text() == QLatin1String("0") ? st.timeBeforeEdit : field.text();
        field.setText(padded(base, d));
        if (leading(above) < 0) above.setText(kZero);
    }
}

void Spinners::stepSeconds(int d) {
    const auto zero = [this](const TextBox& f) { return isNumber(f) && locale(f) == 0; };
    if (d < 0 && zero(MM) && zero(SS) && isNumber(HH) && locale(HH) > 0) {
        // 01:00:00 down is 00:59:59.
        const double h = locale(HH);
        HH.setText(h > 10 ? numText(h - 1) : QStringLiteral("0") + numText(h - 1));
        MM.setText(QStringLiteral("59"));
        SS.setText(QStringLiteral("59"));
        return;
    }
    stepCarrying(SS, MM, d);
}

void Spinners::audioGrow() {
    const double x = audioRate(leading(audio));
    for (int rate : kAudioRates) {
        if (rate > x) {
            audio.setText(QString::number(rate));
            return;
        }
    }
}

void Spinners::audioDown() {
    const double x = audioRate(leading(audio));
    for (auto it = std::rbegin(kAudioRates); it != std::rend(kAudioRates); ++it) {
        if (*it < x) {
            audio.setText(QString::number(*it));
            return;
        }
    }
    // Nothing below: the field stays at 0 (an empty audio field would fail the next
    // recalculation).
    audio.setText(QStringLiteral("0"));
}

}  // namespace calc
