// Pictures of every window for the documentation, drawn by the program itself on Qt's
// offscreen platform: the main window in each language, and every other window in English.
// Usage: korvel-screenshots OUTPUT_FOLDER [SUFFIX]   (run with QT_SCALE_FACTOR=2 for "@2x").
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>

#include "app/korvel.h"
#include "i18n/languages.h"
#include "platform/memory_services.h"
#include "ui/border_button.h"
#include "ui/film_opener.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace {

// A program with a film typed in, so the fields show a real calculation.
struct Program {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    ui::View view{k.rt};
    ui::FilmOpener films{k, view};
    ui::BorderButton borders{k, view, films};  // "Detect" beside the crop fields
    Program() {
        k.start();
        for (auto [name, text] : {std::pair{"HH", "01"},
                                  {"MM", "30"},
                                  {"SS", "00"},
                                  {"audio", "96"},
                                  {"groesse", "700"}})
            k.rt.userType(k.form1.get<forms::TextBox>(name), QString::fromLatin1(text));
        k.rt.userFocus(k.form1.get<forms::TextBox>("notebox"));
    }
    bool grab(forms::Window& w, const QString& file) {
        k.rt.dispatch([&w] { w.show(); });
        QApplication::processEvents();
        QWidget* widget = view.window(w);
        return widget && widget->grab().save(file);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvel-screenshots OUTPUT_FOLDER [SUFFIX]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto file = [&](const QString& name) { return out.filePath(name + suffix + ".png"); };
    bool ok = true;

    const std::pair<const char*, void (i18n::Languages::*)()> languages[] = {
        {"en", &i18n::Languages::english_Click},
        {"de", &i18n::Languages::deutsch_Click},
        {"fr", &i18n::Languages::french_Click}};
    for (const auto& [code, choose] : languages) {
        Program p;
        p.k.rt.dispatch([&] { (p.k.lang.get()->*choose)(); });
        ok &= p.grab(p.k.form1, file(QStringLiteral("main-") + QLatin1String(code)));
        ok &= p.grab(p.k.form3, file(QStringLiteral("settings-") + QLatin1String(code)));
    }
    {
        Program p;
        for (auto* w : {&p.k.disk, &p.k.form2, &p.k.about})
            ok &= p.grab(*w, file(w->name().toLower()));
        p.k.rt.userType(p.k.form1.get<forms::TextBox>("notebox"), QStringLiteral("debug"));
        p.k.rt.userType(p.k.form1.get<forms::TextBox>("groesse"), QStringLiteral("701"));
        ok &= p.grab(p.k.debug, file(QStringLiteral("frmdebug")));
        ok &= p.grab(p.k.form1, file(QStringLiteral("main-debug")));
    }
    // The smaller window heights, and the themes the notes keywords switch on.
    for (const char* mode : {"min", "midi"}) {
        Program p;
        if (QLatin1String(mode) == QLatin1String("midi")) p.k.rt.userClick(*p.k.form1.find("min"));
        p.k.rt.userClick(*p.k.form1.find(QLatin1String(mode)));
        ok &= p.grab(p.k.form1, file(QStringLiteral("main-") + QLatin1String(mode)));
    }
    for (const char* theme : {"red", "green", "purple", "basel", "rnd"}) {
        Program p;
        p.k.rt.userPaste(p.k.form1.get<forms::TextBox>("notebox"), QLatin1String(theme));
        ok &= p.grab(p.k.form1, file(QStringLiteral("theme-") + QLatin1String(theme)));
    }
    return ok ? 0 : 1;
}
