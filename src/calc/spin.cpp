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
    auto& timeUp = f.get<Button>("timeUp");
    auto& timeDn = f.get<Button>("timeDn");
    auto& audioUp = f.get<Button>("audioUp");
    auto& audioDn = f.get<Button>("audioDn");
    timeUp.onClick = timeUp.onDblClick = [this] { SpinIt(1); };
    timeDn.onClick = timeDn.onDblClick = [this] { SpinIt(-1); };
    audioUp.onClick = audioUp.onDblClick = [this] { audioGrow(); };
    audioDn.onClick = audioDn.onDblClick = [this] { audioDown(); };

    auto& timer1 = f.get<Timer>("Timer1");
    auto& timer2 = f.get<Timer>("Timer2");
    auto& timer3 = f.get<Timer>("Timer3");
    auto& timer4 = f.get<Timer>("Timer4");
    repeatWhileHeld(timeUp, timer1);
    repeatWhileHeld(timeDn, timer2);
    repeatWhileHeld(audioUp, timer3);
    repeatWhileHeld(audioDn, timer4);
    timer1.onTimer = [this] { SpinIt(1); };
    timer2.onTimer = [this] { SpinIt(-1); };
    timer3.onTimer = [this] { audioGrow(); };
    timer4.onTimer = [this] { audioDown(); };
}

// The release reaches the button that took the press even when the mouse has left it, so the
// repeat always stops.
void Spinners::repeatWhileHeld(Button& button, Timer& timer) {
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
            stepMinutes(d);
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

void Spinners::stepMinutes(int d) {
    if (MM.text().isEmpty()) MM.setText(QStringLiteral("0"));
    if (d < 0 && MM.text() == kZero) {
        MM.setText(QStringLiteral("59"));
        if (value(HH) > 0) HH.setText(numText(value(HH) - 1));
        calc.timeLostFocus(HH);
    } else if (d > 0 && value(MM) == 59) {
        MM.setText(kZero);
        HH.setText(numText(value(HH) + 1));
        calc.timeLostFocus(HH);
    } else {
        const QString base = MM.text() == QLatin1String("0") ? st.timeBeforeEdit : MM.text();
        MM.setText(padded(base, d));
        if (leading(HH) < 0) HH.setText(kZero);
    }
}

void Spinners::stepSeconds(int d) {
    const auto zero = [this](const TextBox& f) { return isNumber(f) && value(f) == 0; };
    if (d < 0 && zero(MM) && zero(SS) && isNumber(HH) && value(HH) > 0) {
        // 01:00:00 down is 00:59:59.
        const double h = value(HH);
        HH.setText(h > 10 ? numText(h - 1) : QStringLiteral("0") + numText(h - 1));
        MM.setText(QStringLiteral("59"));
        SS.setText(QStringLiteral("59"));
        return;
    }
    if (SS.text().isEmpty()) SS.setText(QStringLiteral("0"));
    if (d < 0 && SS.text() == kZero) {
        SS.setText(QStringLiteral("59"));
        if (value(MM) > 0) MM.setText(numText(value(MM) - 1));
        calc.timeLostFocus(MM);
    } else if (d > 0 && value(SS) == 59) {
        SS.setText(kZero);
        MM.setText(numText(value(MM) + 1));
        calc.timeLostFocus(MM);
    } else {
        const QString base = SS.text() == QLatin1String("0") ? st.timeBeforeEdit : SS.text();
        SS.setText(padded(base, d));
        if (leading(MM) < 0) MM.setText(kZero);
    }
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
