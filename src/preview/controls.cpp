#include "preview/controls.h"

#include "app/declare.h"
#include "app/settings_table.h"

namespace preview {
using namespace app::declare;

void declareControls(forms::Window& p) {
    p.setBackColor(forms::colors::black);
    p.resize(twips(360), twips(270));
    picture(p, "thepic", QString(), {0, 0, 0, 0});
    label(p, "Label1", "Korvel - Preview", {4, 4, 110, 15})
        .setForeColor(forms::Color::rgb(160, 160, 160));
    field(p, "transparency", app::settings::fallback("transparency2"), {116, 2, 46, 19});
    // The grip: the mouse resizes with it, Tab passes it by.
    pictureButton(p, "sizebutton", "grip", {348, 258, 12, 12}).tabStop = forms::TabStop::ClickOnly;
    p.addTabOrder({"transparency"});
    p.add<forms::Timer>("DivXTimer", 80);
    p.add<forms::Timer>("imgsize", 100);
    for (const char* name : {"dumb", "dumber", "hot", "tm"})
        picture(p, name, name, {0, 0, 0, 0}).setVisible(false);
}

}  // namespace preview
