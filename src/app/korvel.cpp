#include "app/korvel.h"

#include "app/lifecycle.h"
#include "appearance/about.h"
#include "appearance/controls.h"
#include "appearance/notes.h"
#include "calc/controls.h"
#include "calc/disk_window.h"
#include "calc/spin.h"
#include "encoder/controls.h"
#include "encoder/import.h"
#include "encoder/settings_window.h"
#include "geometry/controls.h"
#include "i18n/controls.h"
#include "i18n/help.h"
#include "preview/controls.h"

namespace app {

// One of each subsystem, each given the ones it calls, which are built before it. Two pairs call
// each other: the preview, opened, refreshes the geometry that sizes it, and the calculator
// completes the start-up that the lifecycle began. There the first is given a member built after
// it, which it calls only once the program runs.
struct Korvel::Subsystems {
    Korvel& k;
    DebugLog log{k.debug.get<forms::TextBox>("debugtext"), k.st, k.sv};
    i18n::Languages lang{k, log};
    appearance::Look look{k, log, lang};
    appearance::Notes notes{k, log, look, lang};
    appearance::About about{k, log};
    i18n::Help help{k, log};
    geometry::Rating rating{k, log};
    encoder::Encoder enc{k, log, rating};
    encoder::Import import{k, log, enc};
    geometry::Solver res{k, log, enc};
    preview::Preview preview{k, log, geo, look};
    geometry::Geometry geo{k, log, res, enc, preview};
    encoder::SettingsWindow settings{k, log, enc, geo, look};
    calc::Calculator calc{k, log, enc, life};
    calc::DiskWindow disk{k, log};
    calc::Spinners spin{k, log, calc};
    Lifecycle life{k, log, look, lang, geo, enc, calc};
};

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

    subsystems_.reset(new Subsystems{*this});
    defineVars();
}

Korvel::~Korvel() = default;

std::variant<encoder::FfmpegJob, encoder::FfmpegRefusal> Korvel::ffmpegJob(
    const QByteArray& input, const QByteArray& output) {
    return subsystems_->enc.ffmpegJob(input, output);
}

void Korvel::copyFfmpegCommand(const QByteArray& input, const QByteArray& output) {
    subsystems_->enc.copyFfmpegCommand(input, output);
}

void Korvel::rebuildOptionString() {
    subsystems_->enc.DivX();
}

void Korvel::defineVars() {
    const auto text = [](const QString* s) { return [s] { return *s; }; };
    const auto flag = [](const bool* b) {
        return [b] { return *b ? QStringLiteral("True") : QStringLiteral("False"); };
    };
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
            subsystems_->life.exitCommand();
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
