#include "appearance/notes.h"

#include "app/korvel.h"

namespace appearance {
using forms::TextBox;

namespace {
const QString kCrlf = QStringLiteral("\r\n");

bool oneOf(const QString& text, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (text == QLatin1String(w)) return true;
    return false;
}
}  // namespace

Notes::Notes(app::Korvel& k, app::DebugLog& log, Look& look, i18n::Languages& lang)
    : Subsystem(k, log), look(look), lang(lang) {
    k.form1.get<TextBox>("notebox").onChange = [this] { noteboxChange(); };
}

void Notes::noteboxChange() {
    auto& notebox = k.form1.get<TextBox>("notebox");
    const QString text = notebox.text();
    store(QStringLiteral("notebox"), text);
    notebox.setBackColor(pastel());
    keyword(text);
}

// Whole texts only, case as written; the first group that matches acts.
void Notes::keyword(const QString& t) {
    if (t == QLatin1String("registry")) {
        message(QStringLiteral("This is disabled in this version!"),
                QStringLiteral("Notice = 'registry'"));
    } else if (t == QLatin1String("dumb")) {
        showPicture("dumb");
    } else if (t == QLatin1String("dumber")) {
        showPicture("dumber");
    } else if (oneOf(t, {"top", "shot", "hot"})) {
        showPicture("hot");
    } else if (oneOf(t, {"monkeys", "twelve"})) {
        showPicture("tm");
    } else if (oneOf(t, {"UKJ", "red", "ukj"})) {
        look.redTheme();
    } else if (t == QLatin1String("fuck")) {
        message(QStringLiteral("fuck yourself!"));
    } else if (t == QLatin1String("bitch")) {
        // The text is stored already. While the stored text is being restored at start-up it
        // must not end every start at once.
        if (!st.busy) k.endProgram(false);
    } else if (t == QLatin1String("shit")) {
        message(QStringLiteral("shit happens!"));
    } else if (oneOf(t, {"bright", "green", "dot"})) {
        look.greenTheme();
    } else if (t == QLatin1String("debug")) {
        debugKeyword();
    } else if (oneOf(t, {"glint", "breathe", "blink", "flash", "twink"})) {
        look.startBreathing();
    } else if (t == QLatin1String("log")) {
        if (!st.debugMode) return;
        message(QStringLiteral("logging enabled!"));
        st.logRequested = true;
        k.form1.get<TextBox>("notebox").setText(QStringLiteral("Look for 'log.txt'"));
    } else if (oneOf(t, {"kentucky", "schreit", "ficken", "rtl", "RTL"})) {
        lang.spoonerGerman();
    } else if (oneOf(t, {"basel", "fcb", "FCB"})) {
        look.baselGerman();
    } else if (oneOf(t, {"lila", "white", "purple"})) {
        look.purpleTheme();
    } else if (oneOf(t, {"rnd", "random", "bunt", "gay", "colored", "colorful", "paint"})) {
        look.RndColor();
    } else if (const QStringList art = asciiPictureFor(t); !art.isEmpty()) {
        asciiPicture(art);
    }
}

void Notes::debugKeyword() {
    st.debugMode = true;
    k.form1.get<TextBox>("notebox").setText(QStringLiteral("Restart Korvel to disable debugmode!"));
    k.debug.show();
    k.keepOnScreen(k.debug);
    // The program's inner values, shown to read: typing into them would feed the calculator
    // values it never checks.
    for (const char* name : {"hkbitps", "hkBytesps", "scrollvalue", "hgroesse", "US"}) {
        auto& field = k.form1.get<TextBox>(QLatin1String(name));
        field.setReadOnly(true);
        field.setVisible(true);
    }
    auto& debugtext = k.debug.get<TextBox>("debugtext");
    debugtext.setText(banner().join(kCrlf));
    message(QStringLiteral("degubmode enabled!"));
    debugtext.setText(QString());
    debugLog.restart();
}

// A picture keyword: the preview shows it, stretched to the window while it is resized.
void Notes::showPicture(const char* picture) {
    k.form2.load();
    auto& thepic = k.form2.get<forms::Picture>("thepic");
    thepic.setPicture(QLatin1String(picture));
    thepic.setGeometry(0, 0, k.form2.width(), k.form2.height());
    k.form2.get<forms::Timer>("imgsize").setEnabled(true);
}

void Notes::asciiPicture(const QStringList& lines) {
    k.debug.get<TextBox>("debugtext").setText(lines.join(kCrlf));
}

}  // namespace appearance
