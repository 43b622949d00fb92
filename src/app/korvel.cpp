#include "app/korvel.h"

#include "app/lifecycle.h"
#include "appearance/about.h"
#include "appearance/controls.h"
#include "appearance/look.h"
#include "appearance/notes.h"
#include "calc/calculator.h"
#include "calc/controls.h"
#include "calc/disk_window.h"
#include "calc/spin.h"
#include "encoder/controls.h"
#include "encoder/encoder.h"
#include "encoder/import.h"
#include "encoder/settings_window.h"
#include "geometry/controls.h"
#include "geometry/geometry.h"
#include "geometry/rating.h"
#include "geometry/solver.h"
#include "i18n/controls.h"
#include "i18n/help.h"
#include "i18n/languages.h"
#include "preview/controls.h"
#include "preview/preview.h"

namespace app {

namespace {
QString boolText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
}  // namespace

Korvel::Korvel(const platform::Services& services, forms::NumberLocale locale)
    : rt(locale),
      sv(services),
      form1(rt.addWindow(QStringLiteral("Form1"))),
      disk(rt.addWindow(QStringLiteral("Disk"))),
      form3(rt.addWindow(QStringLiteral("Form3"))),
      form2(rt.addWindow(QStringLiteral("Form2"))),
      about(rt.addWindow(QStringLiteral("frmAbout"))),
      debug(rt.addWindow(QStringLiteral("frmDebug"))) {
    form1.setCaption(QStringLiteral("Korvel"));
    form1.setFrameless(true);
    form2.setFrameless(true);
    form1.resize(5300, 5280);
    calc::declareControls(form1, disk);
    geometry::declareControls(form1);
    encoder::declareControls(form1, form3);
    preview::declareControls(form2);
    i18n::declareControls(form1);
    appearance::declareControls(form1, about, debug);

    life = std::make_unique<Lifecycle>(*this);
    calc = std::make_unique<calc::Calculator>(*this);
    diskWindow = std::make_unique<calc::DiskWindow>(*this);
    spin = std::make_unique<calc::Spinners>(*this);
    geo = std::make_unique<geometry::Geometry>(*this);
    res = std::make_unique<geometry::Solver>(*this);
    rating = std::make_unique<geometry::Rating>(*this);
    enc = std::make_unique<encoder::Encoder>(*this);
    settings = std::make_unique<encoder::SettingsWindow>(*this);
    import = std::make_unique<encoder::Import>(*this);
    preview = std::make_unique<preview::Preview>(*this);
    lang = std::make_unique<i18n::Languages>(*this);
    help = std::make_unique<i18n::Help>(*this);
    look = std::make_unique<appearance::Look>(*this);
    notes = std::make_unique<appearance::Notes>(*this);
    aboutWindow = std::make_unique<appearance::About>(*this);
    defineVars();
}

Korvel::~Korvel() = default;

void Korvel::defineVars() {
    const auto text = [](const QString* s) { return [s] { return *s; }; };
    const auto flag = [](const bool* b) { return [b] { return boolText(*b); }; };
    const auto number = [](const int* n) { return [n] { return QString::number(*n); }; };
    form1.defineVar("busy", flag(&st.busy));
    form1.defineVar("focusField", text(&st.focusField));
    form1.defineVar("playMinutes", text(&st.playMinutes));
    form1.defineVar("currentLanguage", text(&st.currentLanguage));
    form1.defineVar("debugMode", flag(&st.debugMode));
    // Single precision shows its own seven digits.
    form1.defineVar("aspectValue", [this] { return QString::number(st.aspectValue, 'g', 7); });
    form1.defineVar("pixelRatio", text(&st.pixelRatio));
    form1.defineVar("bppMode", text(&st.bppMode));
    form1.defineVar("kbitpsWasLocked", flag(&st.kbitpsWasLocked));
    form1.defineVar("timeBeforeEdit", text(&st.timeBeforeEdit));
    form1.defineVar("activeTimeField", text(&st.activeTimeField));
    form1.defineVar("previousText", text(&st.previousText));
    form1.defineVar("logRequested", flag(&st.logRequested));
    form1.defineVar("dragX", number(&st.dragX));
    form1.defineVar("dragY", number(&st.dragY));
    form1.defineVar("dragging", flag(&st.dragging));
    form1.defineVar("breathLevel", number(&st.breathLevel));
    form2.defineVar("moveX", text(&pv.moveX));
    form2.defineVar("moveY", text(&pv.moveY));
    form2.defineVar("moving", flag(&pv.moving));
    form2.defineVar("gripX", text(&pv.gripX));
    form2.defineVar("gripY", text(&pv.gripY));
    form2.defineVar("resizing", flag(&pv.resizing));
    form2.defineVar("gripRatio", text(&pv.gripRatio));
    form2.defineVar("scoldCount", number(&pv.scoldCount));
}

void Korvel::start() {
    rt.dispatch([this] {
        form1.load();
        form1.show();
        keepOnScreen(form1);
    });
    rt.userFocus(form1.get<forms::TextBox>("HH"));
}

void Korvel::userClose(forms::Window& w) {
    if (!w.visible()) return;
    // As with a click on the exit button, the field being edited finishes its edit first (an
    // emptied size gets its 0 back), so no half-typed value is stored.
    if (auto& exit = form1.get<forms::Button>("exit"); &w == &form1 && rt.canTakeFocus(exit))
        rt.userFocus(exit);
    rt.dispatch([this, &w] {
        if (&w == &form1) {
            life->exitCommand();
        } else {
            rt.raise(w.name(), "Unload", w.onUnload);
            w.hide();
        }
    });
}

void Korvel::endProgram(bool saved) {
    sv.programEnd.end(saved);
    rt.end();
}

}  // namespace app
