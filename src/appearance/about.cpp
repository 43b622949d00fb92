#include "appearance/about.h"

#include "app/korvel.h"
#include "app/links.h"
#include "app/version.h"

namespace appearance {
using forms::Color;
using forms::Label;

namespace {
const char* const kLinks[] = {"Label2", "Label3", "Label6", "lblDivXVersion"};
}

About::About(app::Korvel& k, app::DebugLog& log) : Subsystem(k, log), w(k.about) {
    k.form1.get<Label>("info").onClick = [this] { open(); };
    w.onLoad = [this] {
        w.setCaption(QStringLiteral("About Korvel"));
        w.get<Label>("lblVersion")
            .setCaption(QStringLiteral("Version %1.%2.%3")
                            .arg(app::version::major)
                            .arg(app::version::minor)
                            .arg(app::version::revision));
    };
    w.get<forms::Timer>("KorvelTimer").onTimer = [this] { tick(); };
    const std::pair<const char*, const char*> targets[] = {
        {"Label3", app::links::homepage},
        {"Label2", app::links::bugMail},
        {"Label6", app::links::bugPage},
        {"lblDivXVersion", app::links::codecPage}};
    for (const auto& [name, target] : targets) {
        auto& link = w.get<Label>(QLatin1String(name));
        link.setPointer(forms::Pointer::Hand);
        link.onClick = [this, target = QString::fromUtf8(target)] {
            // A link that leads nowhere says so; a documentation file is named by its name.
            if (this->k.sv.launcher.open(target)) return;
            const QString doc = QStringLiteral("doc:");
            const QString shown = target.startsWith(doc) ? target.mid(doc.size()) : target;
            message(QStringLiteral("Sorry, nothing could open %1 :-(").arg(shown));
        };
        link.onMouseMove = [&link](const forms::MouseArgs&) {
            link.setForeColor(Color::rgb(200, 200, 255));
        };
    }
    w.onMouseDown = [this](const forms::MouseArgs& m) { press(m); };
    w.onMouseMove = [this](const forms::MouseArgs& m) {
        unlight();
        drag(m);
    };
    w.onMouseUp = [this](const forms::MouseArgs&) { moving_ = false; };
    // Closed by a double click or by the window system, the name stops changing.
    w.onUnload = [this] { w.get<forms::Timer>("KorvelTimer").setEnabled(false); };
    w.onDblClick = [this] {
        w.onUnload();
        w.hide();
    };
    w.onKeyDown = forms::onEscape(w.onDblClick);
}

void About::open() {
    w.show();
    k.keepOnScreen(w);
    w.get<forms::Timer>("KorvelTimer").setEnabled(true);
}

// Twice a second the product name takes another colour and font.
void About::tick() {
    auto& name = w.get<Label>("Label1");
    const int red = int(Int(random() * 100 + 51));
    const int green = int(Int(random() * 50 + 202));
    const int blue = int(Int(random() * 100 + 51));
    name.setForeColor(Color::rgb(red, green, blue));
    static const char* const fonts[] = {
        "Arial",       "Verdana",       "Arial Narrow",    "Comic Sans MS", "Courier New",
        "Arial Black", "MS Sans Serif", "Times New Roman", "Tahoma",        "Lucida Blackletter"};
    name.setFontName(QLatin1String(fonts[int(Int(random() * 10)) % 10]));
}

// A link lights up under the mouse and stays lit, even when the mouse goes straight on to the
// next link, until the mouse crosses the window's surface.
void About::unlight() {
    for (const char* n : kLinks)
        w.get<Label>(QLatin1String(n)).setForeColor(Color::rgb(255, 255, 255));
}

void About::press(const forms::MouseArgs& m) {
    pressX_ = int(whole(m.x));
    pressY_ = int(whole(m.y));
    moving_ = true;
}

void About::drag(const forms::MouseArgs& m) {
    if (!moving_) return;
    w.move(w.left() - int(whole(pressX_ - m.x)), w.top() - int(whole(pressY_ - m.y)));
}

}  // namespace appearance
