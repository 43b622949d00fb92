#include "calc/calculator.h"

#include <algorithm>
#include <cmath>

#include "app/korvel.h"
#include "app/settings_table.h"
#include "calc/bitrate.h"
#include "i18n/captions.h"

namespace calc {
using forms::RuntimeError;
using forms::TextBox;

Calculator::Calculator(app::Korvel& k, app::DebugLog& log, encoder::Encoder& enc,
                       app::Lifecycle& life)
    : Subsystem(k, log),
      HH(k.form1.get<TextBox>("HH")),
      MM(k.form1.get<TextBox>("MM")),
      SS(k.form1.get<TextBox>("SS")),
      US(k.form1.get<TextBox>("US")),
      groesse(k.form1.get<TextBox>("groesse")),
      hgroesse(k.form1.get<TextBox>("hgroesse")),
      audio(k.form1.get<TextBox>("audio")),
      audioMB(k.form1.get<TextBox>("audioMB")),
      kbitps(k.form1.get<TextBox>("kbitps")),
      hkbitps(k.form1.get<TextBox>("hkbitps")),
      kBytesps(k.form1.get<TextBox>("kBytesps")),
      hkBytesps(k.form1.get<TextBox>("hkBytesps")),
      Alg(k.form1.get<TextBox>("Alg")),
      Alg2(k.form1.get<TextBox>("Alg2")),
      bitrate(k.form1.get<TextBox>("bitrate")),
      DivXBox(k.form1.get<TextBox>("DivXBox")),
      audiokbps(k.form1.get<forms::Label>("audiokbps")),
      audioUp(k.form1.get<forms::Button>("audioUp")),
      audioDn(k.form1.get<forms::Button>("audioDn")),
      DivXbutton(k.form1.get<forms::Button>("DivXbutton")),
      kbpsLock(k.form1.get<forms::CheckBox>("kbpsLock")),
      OptionSize(k.form1.get<forms::OptionButton>("OptionSize")),
      OptionTime(k.form1.get<forms::OptionButton>("OptionTime")),
      enc(enc),
      life(life) {
    wire();
}

void Calculator::wire() {
    hkbitps.onChange = [this] { hkbitpsChange(); };
    hkBytesps.onChange = [this] { hkBytespsChange(); };
    hgroesse.onChange = [this] { hgroesseChange(); };
    kbitps.onChange = [this] { kbitpsChange(); };
    kbitps.onGotFocus = [this] { kbitpsGotFocus(); };
    kbitps.onLostFocus = [this] { kbitpsLostFocus(); };
    kBytesps.onChange = [this] { kBytespsChange(); };
    groesse.onChange = [this] { groesseChange(); };
    audio.onChange = [this] { audioChange(); };
    audiokbps.onClick = [this] { audiokbpsClick(); };
    audioMB.onChange = [this] {
        if (leading(US) != 0) audioFromSize();
        audioMB.setBackColor(pastel());
    };
    // With no play time there is no audio bitrate to fill the size: the time is being typed.
    US.onChange = [this] {
        if (audioMB.visible() && leading(US) != 0) audioFromSize();
    };
    Alg.onChange = [this] { algChange(Alg, "alg1"); };
    Alg2.onChange = [this] { algChange(Alg2, "alg2"); };
    for (TextBox* f : {&Alg, &Alg2})
        f->onLostFocus = [this, f] { f->setText(numText(leading(*f))); };
    kbpsLock.onClick = [this] { lockClick(); };
    OptionSize.onClick = [this] { optionSizeClick(); };
    OptionTime.onClick = [this] { optionTimeClick(); };

    HH.onChange = [this] { timeChange(HH, "HH"); };
    MM.onChange = [this] { timeChange(MM, "MM"); };
    SS.onChange = [this] { timeChange(SS, "SS"); };
    HH.onGotFocus = [this] { timeGotFocus(HH, "HH"); };
    MM.onGotFocus = [this] { timeGotFocus(MM, "MM"); };
    SS.onGotFocus = [this] { timeGotFocus(SS, "SS"); };
    for (TextBox* f : {&HH, &MM, &SS}) {
        f->onLostFocus = [this, f] { timeLostFocus(*f); };
        // A derived play time sends the focus on to the copy button.
        f->handsFocusOn = [this, f] { return HH.readOnly() && !(f == &HH && st.busy); };
    }

    // Fields showing "0" are emptied for typing; size and audio get "0" back when left empty.
    for (TextBox* f : {&audio, &groesse, &kBytesps}) {
        f->onGotFocus = [f] {
            if (f->text() == QLatin1String("0")) f->setText(QString());
        };
    }
    for (TextBox* f : {&audio, &groesse}) {
        f->onLostFocus = [this, f] {
            if (f->text().isEmpty())
                f->setText(QStringLiteral("0"));
            else if (!isNumber(*f))  // letters typed while the change could not repair them
                f->setText(numText(leading(*f)));
        };
    }
    // A kByte/s field left empty shows the current bitrate again rather than staying blank.
    kBytesps.onLostFocus = [this] {
        if (kBytesps.text().isEmpty())
            kBytesps.setText(numText(Int(leading(hkBytesps) * 10 + 0.5) / 10));
    };
}

// --- the formula ---------------------------------------------------------------------------

void Calculator::rechnen() {
    if (st.busy) return;
    try {
        if (kbpsLock.value() == 0) {
            if (!isNumber(groesse)) {
                kbitps.setText(QStringLiteral("0"));
            } else if (groesse.text() == QLatin1String("0") ||
                       st.playMinutes == QLatin1String("0") || st.playMinutes.isEmpty()) {
                hkbitps.setText(QStringLiteral("0"));
            } else {
                const double r = videoBitrate(locale(groesse), locale(US), locale(audio),
                                              leading(Alg), leading(Alg2));
                const QString s = numText(r);
                if (locale(s) < 1)
                    hkbitps.setText(QStringLiteral("0"));
                else if (std::abs(leading(hkbitps) - locale(s)) > 0)
                    hkbitps.setText(s);
            }
        }
        if (kbitps.text() == QLatin1String("0"))
            DivXBox.setText(
                QString::fromUtf8(i18n::divxHint(german() ? i18n::German : i18n::English)));
        enc.DivX();
    } catch (const RuntimeError&) {
        message(german() ? QStringLiteral("Fehler! Bitte Algorithmus kontrollieren.")
                         : QStringLiteral("ERROR! check algorithm."));
        debug(QStringLiteral("Error in rechnen"));
    }
}

void Calculator::hkbitpsChange() {
    debug(QStringLiteral("hkbitps_Change"));
    pointForm(hkbitps);
    kbitps.setText(numText(Int(leading(hkbitps) + 0.5)));
}

void Calculator::hkBytespsChange() {
    debug(QStringLiteral("hkBytesps"));
    pointForm(hkBytesps);
    kBytesps.setText(numText(Int(leading(hkBytesps) * 10 + 0.5) / 10));
}

void Calculator::hgroesseChange() {
    groesse.setText(numText(Int(locale(hgroesse) + 0.5)));
}

void Calculator::kbitpsChange() {
    if (st.focusField != QLatin1String("bitsperpixel") && st.busy) return;
    // A size that is not a number (a damaged stored value) counts by its leading number.
    const qint64 savedSize =
        whole(std::clamp(isNumber(groesse) ? locale(groesse) : leading(groesse), 0.0, 100000.0));
    if (kbitps.text().isEmpty()) return;
    debug(QStringLiteral("kbitps_Change #1"));
    qint64 v;
    // A number in exponent form ("1e308") is as large as it reads, not its mantissa.
    const double typed = isNumber(kbitps) ? locale(kbitps) : leading(kbitps);
    if (typed < 0) {
        // No bitrate is below nothing; the change this makes runs the rest.
        kbitps.setText(QStringLiteral("0"));
        return;
    }
    if (typed < 16001) {
        v = whole(leading(kbitps));
        // Typed letters are cut to the leading number; the change this makes runs the rest.
        if (!isNumber(kbitps)) {
            kbitps.setText(numText(v));
            return;
        }
    } else {
        // At or above 16001 the bitrate ends at the maximum. A text that is not a number goes
        // there directly too, so a huge pasted number can neither overflow nor come back in
        // exponent form and be read as its mantissa.
        v = 16000;
        if (isNumber(kbitps)) debug(QStringLiteral("kbitps_Change #2"));
        kbitps.setText(QStringLiteral("16000"));
        groesse.setText(numText(double(savedSize)));
    }
    if (kbitps.text().isEmpty()) {
        hgroesse.setText(QStringLiteral("0"));
    } else if (leading(kbitps) > 16000) {
        debug(QStringLiteral("kbitps_Change #3"));
        kbitps.setText(QStringLiteral("16000"));
        groesse.setText(numText(double(savedSize)));
    }
    if (std::abs(leading(hkBytesps) - locale(kbitps) / 8) > 0.2)
        hkBytesps.setText(numText(leading(kbitps) / 8));
    if (isNumber(groesse) && isNumber(kbitps) && OptionSize.value()) try {
            const QString s = numText(
                div(locale(st.playMinutes) * 60 * (locale(kbitps) + leading(audio) - leading(Alg2)),
                    locale(Alg) * 8));
            const double diff = std::abs(locale(groesse) - locale(s));
            if (st.playMinutes != QLatin1String("0") && diff >= 0.9 &&
                leading(kbitps) > leading(audio)) {
                hgroesse.setText(s);
                if (diff > 8 && kbitps.text() != QLatin1String("16000"))
                    groesse.setForeColor(forms::colors::black);
            }
        } catch (const RuntimeError&) {
            // A formula field that is no number yet: the size is derived once it is one.
        }
    const QString before = kbitps.text();
    bitrate.setText(numText(locale(kbitps) * 1000) + QStringLiteral(" bps"));
    // The bit/s field's cascade may have settled a newer bitrate (a typed bits per pixel value
    // sets it); writing this one back over it would start the two chasing each other.
    if (kbitps.text() != before) return;
    kbitps.setText(numText(double(v)));
    locked();
    enc.DivX();
    store(QStringLiteral("bitrate"), kbitps.text());
    kbitps.setBackColor(pastel());
    if (st.focusField == QLatin1String("kbitps")) kbitps.setCaret(int(kbitps.text().size()));
}

void Calculator::kBytespsChange() {
    try {
        debug(QStringLiteral("kbytesps_Change"));
        if (kBytesps.text() == QLatin1String("0") || kBytesps.text().isEmpty()) return;
        const QString typed = kBytesps.text();
        const bool typedNumber = isNumber(typed);
        if (!typedNumber) {
            kBytesps.setText(numText(leading(typed)));
            if (kBytesps.text().isEmpty()) return;
        }
        if (std::abs(leading(kbitps) - locale(kBytesps) * 8) >= 1 &&
            std::abs(locale(kBytesps) - locale(hkBytesps)) >= 1)
            kbitps.setText(numText(leading(numText(locale(kBytesps) * 8))));
        // The user's text stays as typed; a text that was not a number stays corrected, so the
        // handler does not start over on it.
        if (typedNumber) kBytesps.setText(typed);
        kBytesps.setBackColor(pastel());
        enc.DivX();
    } catch (const RuntimeError&) {
        feature(QStringLiteral("[Featurename: 'kbytesps']"));
        kBytesps.setText(QStringLiteral("0"));
    }
}

void Calculator::groesseChange() {
    if (st.busy || groesse.readOnly()) return;
    groesse.setForeColor(forms::colors::black);
    if (groesse.text().isEmpty()) return;
    // A number in exponent form ("1e308") is as large as it reads, not its mantissa.
    const double typed = isNumber(groesse) ? locale(groesse) : leading(groesse);
    if (typed > 100000) groesse.setText(QStringLiteral("100000"));
    if (typed < 0) groesse.setText(QStringLiteral("0"));  // no film is smaller
    const qint64 n = whole(leading(groesse));
    if (!isNumber(groesse)) {
        groesse.setText(numText(leading(groesse)));
        if (groesse.text().isEmpty()) {
            groesse.setText(QStringLiteral("0"));
            kbitps.setText(QStringLiteral("0"));
        }
    }
    // A size of 0 leaves no bitrate, as the formula says for it.
    if (kbpsLock.value() == 0) {
        rechnen();
        locked();
    }
    if (OptionTime.value() && locale(groesse) > 0) locked();
    groesse.setText(numText(double(n)));
    store(QStringLiteral("size"), groesse.text());
    groesse.setBackColor(pastel());
}

void Calculator::audioChange() {
    if (st.busy || audio.text().isEmpty()) return;
    audio.setText(numText(leading(audio)));
    if (audio.text().isEmpty()) audio.setText(QStringLiteral("0"));
    rechnen();
    locked();
    store(QStringLiteral("audio"), audio.text());
    audio.setBackColor(pastel());
}

void Calculator::audiokbpsClick() {
    if (audiokbps.caption() == QLatin1String(" kbps")) {
        audiokbps.setCaption(QStringLiteral(" MB"));
        audioMB.setVisible(true);
        try {
            audioMB.setText(numText(
                Int(leading(numText(playMinutesShown() * 60)) * leading(audio) / 1024 / 8 + 0.5)));
        } catch (const RuntimeError&) {
            audioMB.setText(QStringLiteral("0"));  // an audio size too large to show
        }
        audioUp.setVisible(false);
        audioDn.setVisible(false);
    } else {
        audiokbps.setCaption(QStringLiteral(" kbps"));
        audioMB.setVisible(false);
        audioUp.setVisible(true);
        audioDn.setVisible(true);
        audio.setFocus();
    }
}

// The audio bitrate that fills the audio size over the play time.
void Calculator::audioFromSize() {
    // With the lock deriving the time, the audio bitrate moves the play time, which would move
    // the audio bitrate again: one fill at a time.
    if (fillingAudio_) return;
    const struct Filling {
        bool& flag;
        explicit Filling(bool& f) : flag(f) { flag = true; }
        ~Filling() { flag = false; }
    } filling(fillingAudio_);
    try {
        audio.setText(numText(Int(
            div(leading(audioMB) * 1024, leading(numText(playMinutesShown() * 60))) * 8 + 0.5)));
    } catch (const RuntimeError&) {
        // An audio size no bitrate can fill keeps the audio bitrate as it was.
    }
}

// The minutes in US; a time not yet folded in (US empty) counts as none.
double Calculator::playMinutesShown() const {
    return isNumber(US) ? locale(US) : leading(US);
}

void Calculator::algChange(TextBox& field, const char* key) {
    rechnen();
    locked();
    store(QLatin1String(key), field.text());
    field.setForeColor(pastel());
}

// --- the lock --------------------------------------------------------------------------------

void Calculator::locked() {
    if (kbpsLock.value() != 1) return;
    // A formula field that is not (yet) a number leaves the derived value as it was; leaving the
    // field puts its leading number back.
    try {
        derive();
    } catch (const RuntimeError&) {
        debug(QStringLiteral("Error in locked"));
    }
}

void Calculator::derive() {
    if (!OptionTime.value()) {
        const double size = Int(
            div(leading(st.playMinutes) * 60 * (leading(audio) + leading(kbitps) - leading(Alg2)),
                locale(Alg) * 8) +
            0.5);
        // The size field's bounds hold for a derived size too (a negative Alg gives less than
        // nothing).
        groesse.setText(numText(std::clamp(size, 0.0, 100000.0)));
        return;
    }
    // Up to 50 kbit/s the time stays at zero.
    const bool derive = locale(kbitps) > 50;
    const QString t = derive ? numText(div(leading(groesse) * 8 * leading(Alg),
                                           leading(audio) + leading(kbitps) - leading(Alg2)))
                             : QString();
    for (TextBox* f : {&HH, &MM, &SS})
        f->setText(QStringLiteral("00"));
    if (!derive) return;
    const double seconds = locale(t);
    HH.setText(numText(Int(seconds / 3600)));
    MM.setText(numText(Int(seconds / 60 - locale(HH) * 60)));
    SS.setText(numText(Int(seconds - (locale(MM) * 60 + locale(HH) * 3600))));
    for (TextBox* f : {&HH, &MM, &SS})
        if (locale(*f) < 10) f->setText(QStringLiteral("0") + f->text());
}

void Calculator::setTimeEditable(bool editable) {
    for (TextBox* f : {&HH, &MM, &SS}) {
        f->setReadOnly(!editable);
        f->setPointer(editable ? forms::Pointer::Default : forms::Pointer::NoDrop);
    }
}

void Calculator::setSizeEditable(bool editable) {
    groesse.setReadOnly(!editable);
    groesse.setPointer(editable ? forms::Pointer::Default : forms::Pointer::NoDrop);
}

void Calculator::lockClick() {
    try {
        if (kbpsLock.value() == 0) {
            setSizeEditable(true);
            kbitps.setReadOnly(false);
            hkbitps.setReadOnly(false);
            setTimeEditable(true);
            OptionTime.setEnabled(false);
            OptionSize.setEnabled(false);
        } else {
            kbitps.setReadOnly(true);
            hkbitps.setReadOnly(true);
            OptionTime.setEnabled(true);
            OptionSize.setEnabled(true);
            const auto& loc = rt.locale();
            OptionSize.setValue(forms::num::toBool(stored(app::settings::setting("lock2")), loc));
            OptionTime.setValue(forms::num::toBool(stored(app::settings::setting("lock3")), loc));
            if (OptionTime.value()) setTimeEditable(false);
        }
        store(QStringLiteral("lock1"),
              kbpsLock.value() == 0 ? QStringLiteral("0") : QStringLiteral("1"));
    } catch (const RuntimeError&) {
    }
}

void Calculator::optionSizeClick() {
    OptionTime.setValue(false);
    setSizeEditable(false);
    setTimeEditable(true);
    locked();
    for (const auto& s : app::settings::rows("lock2", "lock3"))
        save(s);
}

void Calculator::optionTimeClick() {
    OptionSize.setValue(false);
    setSizeEditable(true);
    setTimeEditable(false);
    for (const auto& s : app::settings::rows("lock2", "lock3"))
        save(s);
}

void Calculator::kbitpsGotFocus() {
    st.focusField = QStringLiteral("kbitps");
    if (kbitps.text() == QLatin1String("0")) kbitps.setText(QString());
    st.kbitpsWasLocked = kbitps.readOnly();
    if (st.kbitpsWasLocked) {
        kbitps.setReadOnly(false);
        hkbitps.setReadOnly(false);
    }
}

void Calculator::kbitpsLostFocus() {
    st.focusField = QStringLiteral("none");
    if (st.kbitpsWasLocked) {
        kbitps.setReadOnly(true);
        hkbitps.setReadOnly(true);
    }
    // Left empty, the bitrate goes back to 0 like every other emptied field.
    if (kbitps.text().isEmpty()) kbitps.setText(QStringLiteral("0"));
}

}  // namespace calc
