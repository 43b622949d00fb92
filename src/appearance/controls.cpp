#include "appearance/controls.h"

#include "app/declare.h"

namespace appearance {
using namespace app::declare;

void declareControls(forms::Window& f, forms::Window& about, forms::Window& debug) {
    f.setPicture("mainBackdrop");
    label(f, "info", "Korvel - bitrate calculator", {4, 3, 254, 14});
    pictureButton(f, "min", "modeMin", {318, 2, 14, 14});
    pictureButton(f, "midi", "modeMid", {318, 2, 14, 14}).setVisible(false);
    pictureButton(f, "max", "modeMax", {318, 2, 14, 14}).setVisible(false);
    button(f, "exit", "x", {336, 2, 14, 14});
    f.add<forms::Timer>("breath", 10);
    // Tab: the window's own buttons come last, and the credit line that opens About.
    f.addTabOrder({"min", "midi", "max"}, "french");
    f.addTabOrder({"info", "exit"}, "settingsbutton");

    label(f, "textclear", " Clear", {240, 64, 52, 15});
    button(f, "ClearAll", "clear", {296, 62, 52, 19});
    f.addTabOrder({"ClearAll"}, "writeReg");

    label(f, "preview", "Preview", {4, 256, 52, 15});
    button(f, "form2show", "show", {56, 254, 40, 19});
    label(f, "Note", "Notice", {104, 256, 40, 15});
    memo(f, "notebox", QString(), {146, 254, 204, 22});
    f.addTabOrder({"form2show"}, "ratio");
    f.addTabOrder({"notebox"}, "CropPic");

    // Theme backdrops and the Basel shape, shown only by their themes.
    picture(f, "ten", "ten", {0, 0, 0, 0}).setVisible(false);
    picture(f, "green", "green", {0, 0, 0, 0}).setVisible(false);
    picture(f, "baselShape", QString(), {0, 0, 209, 353}).setVisible(false);

    // Dark, so that the links' white and light blue read well.
    about.setBackColor(forms::Color::rgb(38, 45, 57));
    about.resize(twips(300), twips(170));
    label(about, "Label1", "Korvel5.1", {12, 10, 276, 30});
    label(about, "lblVersion", "Version", {12, 44, 276, 15});
    label(about, "lblDivXVersion", "Use with DivX 5.1.x", {12, 62, 276, 15});
    label(about, "Label3", "Web page", {12, 84, 276, 15});
    label(about, "Label2", "Mail a bug report", {12, 102, 276, 15});
    label(about, "Label6", "Report a bug - klick here!", {12, 120, 276, 15});
    label(about, "lblThanks", "Merci to our French translators!", {12, 142, 276, 15});
    about.addTabOrder({"lblDivXVersion", "Label3", "Label2", "Label6"});
    for (const auto& c : about.controls())
        c->setForeColor(forms::Color::rgb(255, 255, 255));
    about.get<forms::Label>("Label1").setForeColor(forms::Color::rgb(120, 230, 120));
    about.add<forms::Timer>("KorvelTimer", 500);

    debug.setCaption("Debug-Form");
    debug.resize(twips(420), twips(300));
    memo(debug, "debugtext", QString(), {0, 0, 420, 300}).setFontName("Courier New");
}

}  // namespace appearance
