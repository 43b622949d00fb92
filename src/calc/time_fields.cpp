// The play time: three fields with carries, clamping, and the fold into minutes.
#include "app/korvel.h"
#include "app/lifecycle.h"
#include "calc/calculator.h"

namespace calc {
using forms::RuntimeError;
using forms::TextBox;

namespace {
// "0" in front of a value strictly between 0 and 10: "5" and "05" both show as "05".
bool singleDigit(double v) {
    return v > 0 && v < 10;
}
}  // namespace

void Calculator::timeChange(TextBox& field, const char* key) {
    // A number in exponent form ("5e3") is as large as it reads, not its mantissa.
    const double typed = isNumber(field) ? locale(field) : leading(field);
    const bool over = !field.text().isEmpty() && (leading(field) > 59 || typed > 59);
    try {
        carry(field, over);
    } catch (const RuntimeError&) {
        // Letters after the number: nothing to carry; folding the time below reports it.
    }
    store(QLatin1String(key), field.text());
    HHMMSS();
    if (&field == &HH) k.sv.random.reseed();
    field.setBackColor(pastel());
}

void Calculator::carry(TextBox& field, bool over) {
    if (over && &field == &HH) {
        HH.setText(QStringLiteral("59"));
    } else if (over && &field == &MM) {
        // Minutes carry into the hours.
        const double m = locale(MM);
        HH.setText(numText(Int(m / 60) + locale(HH)));
        MM.setText(numText(Int((m / 60 - Int(m / 60)) * 60 + 0.5)));
        for (TextBox* f : {&SS, &MM, &HH})
            if (singleDigit(leading(*f))) f->setText(QStringLiteral("0") + numText(leading(*f)));
    } else if (over && &field == &SS) {
        // Seconds carry into the minutes, unpadded.
        const double s = locale(SS);
        MM.setText(numText(Int(s / 60) + locale(MM)));
        SS.setText(numText(Int((s / 60 - Int(s / 60)) * 60 + 0.5)));
    }
}

void Calculator::timeGotFocus(TextBox& field, const char* name) {
    if (&field == &HH && st.busy) {
        life.completeStartup();
        return;
    }
    if (HH.readOnly()) {
        DivXbutton.setFocus();
        return;
    }
    st.timeBeforeEdit = field.text();
    field.setText(QString());
    st.activeTimeField = QLatin1String(name);
}

void Calculator::timeLostFocus(TextBox& field) {
    if (field.text().isEmpty()) field.setText(st.timeBeforeEdit);
    const double v = leading(field);
    if (v <= 0)
        field.setText(QStringLiteral("00"));
    else if (v < 10)
        field.setText(QStringLiteral("0") + numText(v));
    HHMMSS();
}

void Calculator::HHMMSS() {
    if (st.busy) return;
    try {
        const qint64 savedSize = whole(locale(groesse));
        for (TextBox* f : {&HH, &MM, &SS})
            if (f->text().isEmpty() || leading(*f) < 0) return;
        st.playMinutes = numText(locale(MM) + locale(HH) * 60 + locale(SS) / 60);
        US.setText(st.playMinutes);
        rechnen();
        groesse.setText(numText(double(savedSize)));
        if (OptionSize.value() && locale(US) > 0) locked();
    } catch (const RuntimeError&) {
        feature(QStringLiteral("[Featurename: 'HHMMSS']"));
    }
}

}  // namespace calc
