#include "app/lifecycle.h"

#include <algorithm>

#include "app/korvel.h"
#include "app/version.h"
#include "appearance/look.h"
#include "calc/bitrate.h"
#include "calc/calculator.h"
#include "encoder/encoder.h"
#include "geometry/geometry.h"
#include "i18n/languages.h"

namespace app {
using forms::CheckBox;
using forms::RuntimeError;
using forms::TextBox;

namespace {
QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
const QString kDebugNote = QStringLiteral("Restart Korvel to disable debugmode!");
}  // namespace

Lifecycle::Lifecycle(Korvel& k) : Part(k) {
    k.form1.onLoad = [this] { load(); };
    k.form1.get<forms::Button>("exit").onClick = [this] { exitCommand(); };
    k.form1.get<forms::Button>("ClearAll").onClick = [this] { clearAll(); };
}

int Lifecycle::versionNumber() {
    return version::major * 100 + version::minor * 10 + version::revision;
}

QString Lifecycle::versionDigits() {
    return QString::number(version::major) + QString::number(version::minor) +
           QString::number(version::revision);
}

// An unclean end of the last run (no exit command since the last start) erases the store, as
// does a newer program; a first run finds no marker and erases nothing.
void Lifecycle::checkMarker() {
    const double before = locale(stored("version", "170"));
    const double difference = versionNumber() - before;
    if (difference > 0 && locale(stored("MKI", "0")) > 0) k.sv.store.eraseAll();
    store("version", numText(difference));
}

void Lifecycle::load() {
    st.busy = true;
    try {
        checkMarker();
        restore();
    } catch (const RuntimeError&) {
        // A stored value the program cannot take: start over from the defaults next time. What
        // was restored so far still gets its derived fields, so the window agrees with itself.
        k.sv.store.eraseAll();
        try {
            refresh();
        } catch (const RuntimeError&) {
            st.busy = true;
        }
    }
}

void Lifecycle::restore() {
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    const auto text = [&](forms::Window& w, const char* name) -> TextBox& {
        return w.get<TextBox>(QLatin1String(name));
    };
    const auto box = [&](forms::Window& w, const char* name) -> CheckBox& {
        return w.get<CheckBox>(QLatin1String(name));
    };
    const auto number = [&](const char* key, const char* fallback) {
        return whole(locale(stored(QLatin1String(key), QLatin1String(fallback))));
    };
    const auto restoreText = [&](forms::Window& w, const char* name, const char* key,
                                 const char* fallback) {
        text(w, name).setText(stored(QLatin1String(key), QLatin1String(fallback)));
    };

    const QString mode = stored("WinSize", "max");
    if (mode == QLatin1String("max")) k.look->sizeMax();
    if (mode == QLatin1String("mid")) k.look->sizeMid();
    if (mode == QLatin1String("min")) k.look->sizeMin();

    auto& lock = box(f1, "kbpsLock");
    lock.setValue(number("lock1", "0"));
    if (lock.value() == 1) {
        f1.get<forms::OptionButton>("OptionSize")
            .setValue(forms::num::toBool(stored("lock2", "False"), rt.locale()));
        f1.get<forms::OptionButton>("OptionTime")
            .setValue(forms::num::toBool(stored("lock3", "False"), rt.locale()));
    }
    store("cleared", "0");

    restoreText(f1, "HH", "HH", "00");
    restoreText(f1, "MM", "MM", "00");
    restoreText(f1, "SS", "SS", "00");
    restoreText(f1, "groesse", "size", "0");
    restoreText(f1, "audio", "audio", "0");
    restoreText(f1, "framerate", "framerate", "25");
    restoreText(f1, "kbitps", "bitrate", "0");
    auto& kbitps = text(f1, "kbitps");
    text(f1, "hkBytesps").setText(numText(locale(kbitps) / 8));
    if (kbitps.text() == QLatin1String("0")) text(f1, "kBytesps").setText("0");

    restoreText(f1, "aspect", "aspect", "133.33");
    f1.get<forms::Label>("ratio").setCaption(stored("ratio", ":100"));
    // A free aspect ratio lets the width pass the slider's end; the slider stops there rather
    // than refusing the value and costing every stored setting.
    f1.get<forms::ScrollBar>("ScrollBar1")
        .setValue(std::clamp<qint64>(number("width", "720"), 0, 2000));
    restoreText(f1, "Bwidth", "width", "720");
    restoreText(f1, "Bheight", "height", "540");
    restoreText(f1, "keyframebox", "MKI", "200");

    box(f1, "CheckResize").setValue(number("resize", "0"));
    box(f1, "CheckBiDir").setValue(number("BiDir", "1"));
    box(f1, "CheckGMC").setValue(number("GMC", "1"));
    box(f1, "CheckQPx").setValue(number("QPx", "1"));
    box(f1, "CheckResize").setValue(number("resize", "0"));
    f1.get<forms::Button>("ButtonVBR").setCaption(stored("VBR", "1pass"));
    f1.get<forms::Button>("ButtonPre").setCaption(stored("PrePro", "None"));
    f1.get<forms::Button>("ButtonPsy").setCaption(stored("Psy", "Fast"));
    f1.get<forms::Button>("ButtonProfile").setCaption(stored("Profile", "None"));

    auto& notebox = text(f1, "notebox");
    notebox.setText(stored("notebox", ""));
    if (notebox.text() == kDebugNote) notebox.setText("debug: off");

    restoreText(f1, "Alg", "alg1", calc::kAlgDefault);
    restoreText(f1, "Alg2", "alg2", calc::kAlg2Default);

    f3.load();
    box(f3, "CheckFeetback").setValue(number("Feetback", "1"));
    f3.get<forms::Button>("ButtonPQ").setCaption(stored("PQ", "Slow"));
    box(f3, "CheckError").setValue(number("Error", "1"));
    box(f3, "checkCrop").setValue(number("Crop", "0"));
    restoreText(f3, "cropTop", "top", "0");
    restoreText(f3, "cropLeft", "left", "0");
    restoreText(f3, "cropRight", "right", "0");
    restoreText(f3, "cropBottom", "bottom", "0");
    box(f3, "CheckUD").setValue(number("ud", "0"));
    restoreText(f3, "ud1", "ud1", "-bv1");
    restoreText(f3, "ud2", "ud2",
                "-psy 2 -key 200 -b -g -q -sc 50 -pq 64 -vbv 6800000,6291456,4718592 -profile 0 "
                "-nf");
    text(f3, "SC").setText(stored("SC", "50") + QStringLiteral(" %"));
    restoreText(f3, "PV", "PV", "1.0");
    restoreText(f3, "modu", "mod", "0.00");
    restoreText(f3, "Dir", "dir", "c:\\");
    box(f3, "log").setValue(number("do_log", "1"));
    box(f3, "MV").setValue(number("do_mv", "0"));
    if (box(f3, "checkCrop").value() == 1) f1.get<forms::Picture>("CropPic").setVisible(true);

    const qint64 t1 = whole(leading(stored("transparency1", "100 %")));
    if (t1 < 100) text(f3, "Korveltrans").setText(numText(double(t1)) + QStringLiteral(" %"));
    const qint64 t2 = whole(leading(stored("transparency2", "100 %")));
    if (t2 < 100) {
        k.form2.load();
        text(k.form2, "transparency").setText(numText(double(t2)) + QStringLiteral(" %"));
    }

    const int red = 150 + int(Int(random() * 80 + 1));
    const int green = 150 + int(Int(random() * 100 + 1));
    const int blue = 150 + int(Int(random() * 80 + 1));
    f1.get<forms::Label>("info").setForeColor(forms::Color::rgb(red, green, blue));

    st.currentLanguage = stored("language", "english");
    if (st.currentLanguage == QLatin1String("german")) k.lang->deutsch_Click();
    if (st.currentLanguage == QLatin1String("french")) k.lang->french_Click();

    refresh();
}

void Lifecycle::refresh() {
    auto& kbitps = k.form1.get<TextBox>("kbitps");
    st.busy = false;
    k.geo->size();
    k.form1.get<TextBox>("bitrate").setText(numText(leading(kbitps) * 1000) +
                                            QStringLiteral(" bps"));
    k.geo->bitspropixel();
    k.enc->DivX();
    st.busy = true;
}

void Lifecycle::completeStartup() {
    auto& f1 = k.form1;
    f1.get<TextBox>("notebox").setFocus();
    auto& HH = f1.get<TextBox>("HH");
    auto& MM = f1.get<TextBox>("MM");
    auto& SS = f1.get<TextBox>("SS");
    if (f1.get<CheckBox>("kbpsLock").value() == 1 &&
        f1.get<forms::OptionButton>("OptionTime").value()) {
        // The derived time comes back from the stored total of seconds.
        for (TextBox* t : {&HH, &MM, &SS}) {
            t->setText("0");
            t->setReadOnly(false);
            t->setPointer(forms::Pointer::Default);
        }
        SS.setText(stored("seconds", "00"));
        for (TextBox* t : {&HH, &MM, &SS}) {
            t->setReadOnly(true);
            t->setPointer(forms::Pointer::NoDrop);
        }
        for (TextBox* t : {&HH, &MM, &SS})
            k.calc->timeLostFocus(*t);
    }
    readAspectValue();
    if (st.pixelRatio.isEmpty()) st.pixelRatio = QStringLiteral("1");
    st.focusField = QStringLiteral("none");
    st.busy = false;
}

void Lifecycle::readAspectValue() {
    const double aspect = leading(k.form1.get<TextBox>("aspect"));
    st.aspectValue =
        float(k.form1.get<forms::Label>("ratio").caption() == QLatin1String(":1") ? aspect
                                                                                  : aspect / 100);
}

void Lifecycle::exitCommand() {
    if (stored("cleared", "cleared") == QLatin1String("cleared")) k.endProgram(true);
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    // Each key on its own: a value that cannot be read is left out, the others are written.
    const auto put = [&](const char* key, const std::function<QString()>& value) {
        try {
            store(QLatin1String(key), value());
        } catch (const RuntimeError&) {
        }
    };
    const auto textOf = [&](forms::Window& w, const char* name) {
        return [&w, name] { return w.get<TextBox>(QLatin1String(name)).text(); };
    };
    const auto captionOf = [&](forms::Window& w, const char* name) {
        return [&w, name] { return w.find(QLatin1String(name))->caption(); };
    };
    const auto valueOf = [&](forms::Window& w, const char* name) {
        return [&w, name] { return QString::number(w.get<CheckBox>(QLatin1String(name)).value()); };
    };
    const auto selected = [&](const char* name) {
        return [&f1, name] {
            return boolText(f1.get<forms::OptionButton>(QLatin1String(name)).value());
        };
    };

    put("HH", textOf(f1, "HH"));
    put("MM", textOf(f1, "MM"));
    put("SS", textOf(f1, "SS"));
    put("seconds", [&] {
        return numText(locale(f1.get<TextBox>("HH")) * 3600 + locale(f1.get<TextBox>("MM")) * 60 +
                       locale(f1.get<TextBox>("SS")));
    });
    put("size", textOf(f1, "groesse"));
    put("audio", textOf(f1, "audio"));
    if (leading(f1.get<TextBox>("Bwidth")) != 0) put("width", textOf(f1, "Bwidth"));
    if (leading(f1.get<TextBox>("Bheight")) != 0) put("height", textOf(f1, "Bheight"));
    put("framerate", textOf(f1, "framerate"));
    put("bitrate", textOf(f1, "kbitps"));
    put("aspect", textOf(f1, "aspect"));
    put("ratio", captionOf(f1, "ratio"));
    put("MKI", textOf(f1, "keyframebox"));
    put("lock1", valueOf(f1, "kbpsLock"));
    put("lock2", selected("OptionSize"));
    put("lock3", selected("OptionTime"));
    put("resize", valueOf(f1, "CheckResize"));
    put("BiDir", valueOf(f1, "CheckBiDir"));
    put("GMC", valueOf(f1, "CheckGMC"));
    put("QPx", valueOf(f1, "CheckQPx"));
    put("alg1", textOf(f1, "Alg"));
    put("alg2", textOf(f1, "Alg2"));
    put("VBR", captionOf(f1, "ButtonVBR"));
    put("PrePro", captionOf(f1, "ButtonPre"));
    put("Psy", captionOf(f1, "ButtonPsy"));
    put("Profile", captionOf(f1, "ButtonProfile"));
    put("Feetback", valueOf(f3, "CheckFeetback"));
    put("PQ", captionOf(f3, "ButtonPQ"));
    put("Error", valueOf(f3, "CheckError"));
    put("SC", [&] { return numText(leading(f3.get<TextBox>("SC"))); });
    put("version", [] { return versionDigits(); });
    put("language", [&] { return st.currentLanguage; });
    k.endProgram(true);
}

// One pass of clear-all; true when the window came out clear.
bool Lifecycle::clearPass() {
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    const auto text = [&](forms::Window& w, const char* name) -> TextBox& {
        return w.get<TextBox>(QLatin1String(name));
    };
    const auto set = [&](forms::Window& w, const char* name, const char* value) {
        text(w, name).setText(QLatin1String(value));
    };
    const auto versionStored = [&] { return stored("version", "none") != QLatin1String("none"); };

    st.busy = true;
    if (versionStored()) k.sv.store.eraseAll();
    f1.get<CheckBox>("kbpsLock").setValue(0);
    for (const char* t : {"HH", "MM", "SS"})
        set(f1, t, "00");
    st.playMinutes = QStringLiteral("0");
    set(f1, "US", "0");  // the hidden minutes follow the play time they mirror
    for (const char* t : {"hgroesse", "groesse", "audio"})
        set(f1, t, "0");
    text(f1, "groesse").setReadOnly(false);
    text(f1, "groesse").setPointer(forms::Pointer::Default);
    set(f1, "kBytesps", "0");
    set(f1, "kbitps", "0");
    set(f1, "bitrate", "0 kbps");
    f1.get<CheckBox>("Profile").setValue(0);
    set(f1, "keyframebox", "200");
    text(f1, "DivXBox")
        .setText(
            st.currentLanguage == QLatin1String("english")
                ? QStringLiteral("Use this String in DivX 5.05")
                : QStringLiteral("Diese Einstellungen können Sie für den DivX Encoder verwenden."));
    set(f1, "Bwidth", "720");
    set(f1, "Bheight", "540");
    set(f1, "pixels", "388800 px");
    set(f1, "aspect", "133.33");
    f1.get<forms::Label>("ratio").setCaption(":100");
    f3.load();
    f3.get<CheckBox>("checkCrop").setValue(0);
    for (const char* c : {"cropLeft", "cropRight", "cropTop", "cropBottom"}) {
        set(f3, c, "0");
        text(f3, c).setBackColor(pastel());
    }
    set(f3, "PV", "1.0");
    f1.get<forms::Button>("ButtonVBR").setCaption("1pass");
    f1.get<forms::Button>("ButtonPre").setCaption("None");
    f1.get<forms::Button>("ButtonPsy").setCaption("Fast");
    f1.get<forms::Button>("ButtonProfile").setCaption("None");
    f1.get<CheckBox>("CheckResize").setValue(0);
    for (const char* c : {"CheckBiDir", "CheckGMC", "CheckQPx"})
        f1.get<CheckBox>(c).setValue(1);
    for (const char* c : {"Bwidth", "Bheight", "aspect", "pixels", "framerate", "bitsperpixel",
                          "bitrate", "keyframebox"})
        text(f1, c).setBackColor(pastel());

    for (const char* t : {"groesse", "audio", "kBytesps", "kbitps"})
        if (text(f1, t).text() != QLatin1String("0")) return false;
    if (text(f1, "keyframebox").text() != QLatin1String("200")) return false;
    for (const char* t : {"HH", "MM", "SS"})
        if (text(f1, t).text() != QLatin1String("00")) return false;
    return true;
}

void Lifecycle::clearAll() {
    // A handler that keeps refilling a field must not hang the program: a few passes at most.
    for (int pass = 0; pass < 5 && !clearPass(); ++pass) {
    }
    if (stored("version", "none") != QLatin1String("none")) k.sv.store.eraseAll();
    // The reset wrote 133.33 while busy; the picture geometry must follow it, not the old ratio.
    readAspectValue();
    st.busy = false;
}

}  // namespace app
