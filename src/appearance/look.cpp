#include "appearance/look.h"

#include "app/korvel.h"

namespace appearance {
using forms::Color;
using forms::Kind;

namespace {
constexpr int kBreathPeriod = 510;
}

Look::Look(app::Korvel& k, app::DebugLog& log, i18n::Languages& lang)
    : Subsystem(k, log), lang(lang) {
    wire();
}

void Look::wire() {
    auto& f1 = k.form1;
    f1.onMouseDown = [this](const forms::MouseArgs& m) { press(m); };
    f1.onMouseMove = [this](const forms::MouseArgs& m) { drag(m); };
    f1.onMouseUp = [this](const forms::MouseArgs&) { release(); };
    f1.get<forms::Button>("min").onClick = [this] { sizeMin(); };
    f1.get<forms::Button>("midi").onClick = [this] { sizeMid(); };
    f1.get<forms::Button>("max").onClick = [this] { sizeMax(); };
    f1.get<forms::Timer>("breath").onTimer = [this] { breathe(); };
}

int Look::SetAlpha(forms::Window& w, int alpha) {
    if (alpha < 0 || alpha > 255) return 1;
    const int status = k.sv.effects.setOpacity(w.name(), alpha);
    if (status == 0) w.setOpacity(alpha);
    return status == 0 ? 0 : 2;
}

void Look::alphaAll(int alpha) {
    for (forms::Window* w : {&k.form1, &k.form3, &k.disk, &k.about})
        SetAlpha(*w, alpha);
}

// --- dragging the main window -------------------------------------------------------------

void Look::press(const forms::MouseArgs& m) {
    st.dragX = int(whole(m.x));
    st.dragY = int(whole(m.y));
    st.dragging = true;
    const double t = leading(k.form3.get<forms::TextBox>("Korveltrans"));
    // A see-through window is easier to place while it moves.
    if (t > 60 && t < 100) alphaAll(50);
}

void Look::drag(const forms::MouseArgs& m) {
    if (!st.dragging) return;
    auto& f1 = k.form1;
    const int dx = int(whole(st.dragX - m.x)), dy = int(whole(st.dragY - m.y));
    f1.move(f1.left() - dx, f1.top() - dy);
    k.form3.move(k.form3.left() - dx, k.form3.top() - dy);
    k.disk.move(f1.left() - 3250, f1.top() + 1000);
    const int red = int(Int(random() * 80 + 1)) + 150;
    const int green = int(Int(random() * 100 + 1)) + 150;
    const int blue = int(Int(random() * 80 + 1)) + 150;
    f1.get<forms::Label>("info").setForeColor(Color::rgb(red, green, blue));
}

void Look::release() {
    st.dragging = false;
    // Rewriting the field re-applies the configured transparency to every window.
    auto& trans = k.form3.get<forms::TextBox>("Korveltrans");
    trans.setText(numText(leading(trans)));
}

// --- size modes ------------------------------------------------------------------------------

void Look::sizeMode(int height, const char* next, bool hideSettings, bool showExtras,
                    const char* stored) {
    auto& f1 = k.form1;
    f1.resize(f1.width(), height);
    for (const char* b : {"min", "midi", "max"})
        f1.get<forms::Button>(QLatin1String(b)).setVisible(qstrcmp(b, next) == 0);
    if (hideSettings) k.form3.hide();
    for (const char* c :
         {"getReg", "textReg", "ClearAll", "textclear", "pic_calc", "english", "deutsch"})
        f1.find(QLatin1String(c))->setVisible(showExtras);
    store(QStringLiteral("WinSize"), QLatin1String(stored));
}

void Look::sizeMin() {
    sizeMode(2500, "midi", true, false, "min");
}
void Look::sizeMid() {
    sizeMode(4200, "max", true, true, "mid");
}
void Look::sizeMax() {
    sizeMode(5280, "min", false, true, "max");
}

// --- breathing -------------------------------------------------------------------------------

void Look::startBreathing() {
    k.form1.get<forms::Timer>("breath").setEnabled(true);
}

// The opacity falls from 255 in steps of 10 and rises again; the one step below 0 is refused.
void Look::breathe() {
    int& level = st.breathLevel;
    if (level == 0)
        level = 255;
    else if (level < kBreathPeriod)
        level += 10;
    else
        level = 1;
    alphaAll(level < 256 ? level : kBreathPeriod - level);
}

// --- themes ----------------------------------------------------------------------------------

void Look::RndColor() {
    k.sv.random.reseed();
    const auto any = [this] {
        return Color::rgb(int(whole(random() * 255)), int(whole(random() * 255)),
                          int(whole(random() * 255)));
    };
    for (forms::Window* w : {&k.form1, &k.form3, &k.disk, &k.form2, &k.about}) {
        w->setBackColor(any());
        for (const auto& c : w->controls()) {
            switch (c->kind()) {
                case Kind::Label:
                    c->setForeColor(any());
                    break;
                case Kind::TextBox:
                case Kind::ComboBox:
                case Kind::Button:
                case Kind::CheckBox:
                case Kind::OptionButton:
                    c->setBackColor(any());
                    break;
                default:
                    break;
            }
        }
    }
    k.form1.get<forms::Label>("info").setCaption(QStringLiteral("Who wanna be a painter man"));
}

void Look::purpleTheme() {
    const Color purple = Color::rgb(156, 0, 185), white = Color::rgb(255, 255, 255);
    k.form1.setPicture(QString());
    k.form1.setBackColor(white);
    for (const auto& c : k.form1.controls()) {
        if (c->kind() == Kind::Label) {
            c->setForeColor(purple);
        } else if (c->name() == QLatin1String("notebox")) {
            c->setForeColor(purple);  // every note repaints its background light
        } else if (c->kind() == Kind::TextBox || c->kind() == Kind::ComboBox) {
            c->setBackColor(purple);
            c->setForeColor(white);
        } else if (c->kind() == Kind::CheckBox || c->kind() == Kind::OptionButton) {
            c->setBackColor(purple);
        }
    }
    k.form3.setBackColor(purple);
    k.disk.setBackColor(purple);
    k.form2.setPicture(QString());
    k.form2.setBackColor(purple);
    k.form1.get<forms::TextBox>("notebox").setText(QStringLiteral("I like purple!"));
    k.form1.get<forms::Label>("info").setCaption(
        QStringLiteral("               Zimbrol - do you feel it!"));
    lang.purpleLanguage();
}

void Look::baselGerman() {
    const Color red = Color::rgb(255, 0, 0), blue = Color::rgb(0, 0, 255);
    auto& f1 = k.form1;
    // The colours come first: the dialect's captions and crest follow.
    f1.setPicture(QString());
    f1.setBackColor(blue);
    for (const char* c : {"asp43", "asp169", "OptionTime", "OptionSize"})
        f1.find(QLatin1String(c))->setBackColor(red);
    k.disk.setBackColor(red);
    for (const char* c : {"Alg", "Alg2", "kbpsLock"})
        f1.find(QLatin1String(c))->setBackColor(blue);
    k.form3.setBackColor(blue);
    auto& shape = f1.get<forms::Picture>("baselShape");
    shape.setGeometry(0, 0, 3135, 5295);
    shape.setBackColor(red);
    shape.setVisible(true);
    lang.baselCaptions();
}

void Look::signalTheme(const char* backdrop, Color strong, Color deep, const char* caption) {
    auto& f1 = k.form1;
    f1.setPicture(QLatin1String(backdrop));
    for (const char* c : {"asp43", "asp169", "OptionTime", "OptionSize", "Alg", "Alg2", "kbpsLock"})
        f1.find(QLatin1String(c))->setBackColor(strong);
    k.disk.setBackColor(deep);
    k.form3.setBackColor(deep);
    f1.get<forms::Label>("info").setCaption(QLatin1String(caption));
}

void Look::redTheme() {
    signalTheme("ten", Color::rgb(255, 0, 0), Color::rgb(200, 0, 0),
                "       Dulm - by the goddamn Devil!");
}

void Look::greenTheme() {
    signalTheme("green", Color::rgb(0, 255, 0), Color::rgb(0, 128, 0),
                "       Korvel - I love Photoshop!");
}

}  // namespace appearance
