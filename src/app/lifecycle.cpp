#include "app/lifecycle.h"

#include <algorithm>

#include "app/korvel.h"
#include "app/version.h"
#include "i18n/captions.h"

namespace app {
using forms::CheckBox;
using forms::RuntimeError;
using forms::TextBox;
using settings::pick;
using settings::rows;
using settings::Setting;
using settings::setting;

namespace {
const QString kDebugNote = QStringLiteral("Restart Korvel to disable debugmode!");
}  // namespace

Lifecycle::Lifecycle(Korvel& k, DebugLog& log, appearance::Look& look, i18n::Languages& lang,
                     geometry::Geometry& geo, encoder::Encoder& enc, calc::Calculator& calc)
    : Subsystem(k, log), look(look), lang(lang), geo(geo), enc(enc), calc(calc) {
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

TextBox& Lifecycle::field(const Setting& s) {
    return settings::windowOf(k, s).get<TextBox>(QLatin1String(s.control));
}

// Read with "none": whether the key is there at all.
bool Lifecycle::versionStored() const {
    return k.sv.store.read(setting("version").key, "none") != QLatin1String("none");
}

// An unclean end of the last run (no exit command since the last start) erases the store, as
// does a newer program; a first run finds no marker and erases nothing. Settings exist once a
// keyframe interval was stored: absent, it counts as 0 here, not as the field's 200.
void Lifecycle::checkMarker() {
    const double before = locale(stored(setting("version")));
    const double difference = versionNumber() - before;
    if (difference > 0 && locale(k.sv.store.read(setting("MKI").key, "0")) > 0)
        k.sv.store.eraseAll();
    store(setting("version").key, numText(difference));
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

void Lifecycle::restore(std::span<const Setting> rows) {
    for (const Setting& s : rows)
        settings::setControl(k, s, stored(s));
}

// The table's rows in its order, with what falls between them.
void Lifecycle::restore() {
    auto& f1 = k.form1;
    const QString mode = stored(setting("WinSize"));
    if (mode == QLatin1String("max")) look.sizeMax();
    if (mode == QLatin1String("mid")) look.sizeMid();
    if (mode == QLatin1String("min")) look.sizeMin();

    restore(rows("lock1", "lock1"));
    // Under the lock the options are read again, size before time, after the lock's click has
    // selected them: a stored option the click could not read fails start-up here.
    if (f1.get<CheckBox>("kbpsLock").value() == 1) restore(rows("lock2", "lock3"));
    store(setting("cleared").key, "0");

    restore(rows("HH", "bitrate"));
    auto& kbitps = field(setting("bitrate"));
    f1.get<TextBox>("hkBytesps").setText(numText(locale(kbitps) / 8));
    if (kbitps.text() == QLatin1String("0")) f1.get<TextBox>("kBytesps").setText("0");

    restore(rows("aspect", "ratio"));
    // The stored width sets the slider before the field. A free aspect ratio lets the width pass
    // the slider's end; the slider stops there rather than refusing the value and costing every
    // stored setting.
    f1.get<forms::ScrollBar>("ScrollBar1")
        .setValue(std::clamp<qint64>(whole(locale(stored(setting("width")))), 0, 2000));
    restore(rows("width", "QPx"));
    // Resize once more after the motion boxes, as start-up always has: their clicks leave it
    // alone, so it gets the value it already holds and raises nothing.
    restore(rows("resize", "resize"));
    restore(rows("VBR", "notebox"));
    auto& notebox = field(setting("notebox"));
    if (notebox.text() == kDebugNote) notebox.setText("debug: off");
    restore(rows("alg1", "alg2"));

    k.form3.load();
    restore(rows("Feetback", "ud2"));
    field(setting("SC")).setText(stored(setting("SC")) + QStringLiteral(" %"));
    restore(rows("PV", "do_mv"));
    if (k.form3.get<CheckBox>("checkCrop").value() == 1)
        f1.get<forms::Picture>("CropPic").setVisible(true);
    // The windows' transparency fields apply an opacity below 100 %.
    for (const Setting* s : {&setting("transparency1"), &setting("transparency2")}) {
        const qint64 t = whole(leading(stored(*s)));
        if (t >= 100) continue;
        settings::windowOf(k, *s).load();
        field(*s).setText(numText(double(t)) + QStringLiteral(" %"));
    }

    const int red = 150 + int(Int(random() * 80 + 1));
    const int green = 150 + int(Int(random() * 100 + 1));
    const int blue = 150 + int(Int(random() * 80 + 1));
    f1.get<forms::Label>("info").setForeColor(forms::Color::rgb(red, green, blue));

    st.currentLanguage = stored(setting("language"));
    if (st.currentLanguage == QLatin1String("german")) lang.apply(i18n::German);
    if (st.currentLanguage == QLatin1String("french")) lang.apply(i18n::French);

    refresh();
}

void Lifecycle::refresh() {
    auto& kbitps = k.form1.get<TextBox>("kbitps");
    st.busy = false;
    geo.size();
    k.form1.get<TextBox>("bitrate").setText(numText(leading(kbitps) * 1000) +
                                            QStringLiteral(" bps"));
    geo.bitspropixel();
    enc.DivX();
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
        for (TextBox* t : {&HH, &MM, &SS})
            t->setText("0");
        calc.setTimeEditable(true);
        SS.setText(stored(setting("seconds")));
        calc.setTimeEditable(false);
        for (TextBox* t : {&HH, &MM, &SS})
            calc.timeLostFocus(*t);
    }
    geo.readAspect();
    if (st.pixelRatio.isEmpty()) st.pixelRatio = QStringLiteral("1");
    st.focusField = QStringLiteral("none");
    st.busy = false;
}

// Each key on its own: a value that cannot be read is left out, the others are written.
void Lifecycle::put(const Setting& s, const std::function<QString()>& value) {
    try {
        store(s.key, value());
    } catch (const RuntimeError&) {
    }
}

void Lifecycle::save(Picked picked) {
    for (const Setting* s : picked)
        put(*s, [&] { return settings::controlValue(k, *s); });
}

// The exit command writes its keys in an order of its own.
void Lifecycle::exitCommand() {
    const Setting& cleared = setting("cleared");
    if (stored(cleared) == QLatin1String(cleared.fallback)) k.endProgram(true);
    save(pick({"HH", "MM", "SS"}));
    put(setting("seconds"), [&] {
        return numText(locale(field(setting("HH"))) * 3600 + locale(field(setting("MM"))) * 60 +
                       locale(field(setting("SS"))));
    });
    save(pick({"size", "audio"}));
    // A width or height of 0 is never kept: the last one that was not survives it.
    for (const Setting* s : pick({"width", "height"}))
        if (leading(field(*s)) != 0) save(Picked(&s, 1));
    save(pick({"framerate", "bitrate", "aspect", "ratio",   "MKI",      "lock1", "lock2",
               "lock3",     "resize",  "BiDir",  "GMC",     "QPx",      "alg1",  "alg2",
               "VBR",       "PrePro",  "Psy",    "Profile", "Feetback", "PQ",    "Error"}));
    put(setting("SC"), [&] { return numText(leading(field(setting("SC")))); });
    put(setting("version"), [] { return versionDigits(); });
    put(setting("language"), [&] { return st.currentLanguage; });
    k.endProgram(true);
}

void Lifecycle::reset(Picked picked) {
    for (const Setting* s : picked)
        settings::setControl(k, *s, QLatin1String(s->fallback));
}

// One pass of clear-all: the settings it resets go back to the values of a fresh installation,
// in an order of its own, among fields no key keeps. True when the window came out clear.
bool Lifecycle::clearPass() {
    auto& f1 = k.form1;
    const auto text = [&](const char* name) -> TextBox& {
        return f1.get<TextBox>(QLatin1String(name));
    };

    st.busy = true;
    if (versionStored()) k.sv.store.eraseAll();
    reset(pick({"lock1", "HH", "MM", "SS"}));
    st.playMinutes = QStringLiteral("0");
    text("US").setText("0");  // the hidden minutes follow the play time they mirror
    text("hgroesse").setText("0");
    reset(pick({"size", "audio"}));
    text("groesse").setReadOnly(false);
    text("groesse").setPointer(forms::Pointer::Default);
    text("kBytesps").setText("0");
    reset(pick({"bitrate"}));
    text("bitrate").setText("0 kbps");  // the bit/s field
    f1.get<CheckBox>("Profile").setValue(0);
    reset(pick({"MKI"}));
    text("DivXBox").setText(
        QString::fromUtf8(i18n::clearAllHint(st.currentLanguage == QLatin1String("english"))));
    reset(pick({"width", "height"}));
    text("pixels").setText(
        QString::number(settings::fallbackNumber("width") * settings::fallbackNumber("height")) +
        QStringLiteral(" px"));
    reset(pick({"aspect", "ratio"}));
    k.form3.load();
    reset(pick({"Crop"}));
    for (const Setting* s : pick({"left", "right", "top", "bottom"})) {
        reset(Picked(&s, 1));
        field(*s).setBackColor(pastel());
    }
    reset(pick({"PV", "VBR", "PrePro", "Psy", "Profile", "resize", "BiDir", "GMC", "QPx"}));
    for (const char* c : {"Bwidth", "Bheight", "aspect", "pixels", "framerate", "bitsperpixel",
                          "bitrate", "keyframebox"})
        text(c).setBackColor(pastel());

    for (const Setting* s : pick({"size", "audio", "bitrate", "MKI", "HH", "MM", "SS"}))
        if (field(*s).text() != QLatin1String(s->fallback)) return false;
    return text("kBytesps").text() == QLatin1String("0");
}

void Lifecycle::clearAll() {
    // A handler that keeps refilling a field must not hang the program: a few passes at most.
    for (int pass = 0; pass < 5 && !clearPass(); ++pass) {
    }
    if (versionStored()) k.sv.store.eraseAll();
    // The reset wrote 133.33 while busy; the picture geometry must follow it, not the old ratio.
    geo.readAspect();
    st.busy = false;
}

}  // namespace app
