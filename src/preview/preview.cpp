#include "preview/preview.h"

#include <limits>

#include "app/korvel.h"

namespace preview {

namespace {
// Twips as the window takes them: whole, and within what a window can measure.
int wholeTwips(double t) {
    const double limit = std::numeric_limits<int>::max() / 2;
    if (!(t > -limit)) return int(-limit);
    if (t > limit) return int(limit);
    return int(forms::num::Int(t + 0.5));
}
}  // namespace

Preview::Preview(app::Korvel& k, app::DebugLog& log, geometry::Geometry& geo,
                 appearance::Look& look)
    : Subsystem(k, log),
      geo(geo),
      look(look),
      f2(k.form2),
      sizebutton(k.form2.get<forms::Button>("sizebutton")),
      DivXTimer(k.form2.get<forms::Timer>("DivXTimer")) {
    wireMoving();
    wireResizing();
}

void Preview::fit(double widthTwips, double heightTwips) {
    f2.resize(wholeTwips(widthTwips), wholeTwips(heightTwips));
    placeGrip();
    // A picture the program makes larger stays on the screen; one the user's grip sizes is left
    // where the user has it.
    if (f2.visible() && !k.pv.resizing) k.keepOnScreen(f2);
}

void Preview::placeGrip() {
    sizebutton.move(f2.width() - 180, f2.height() - 180);
}

void Preview::stopp() {
    auto& pv = k.pv;
    pv.resizing = false;
    k.form1.get<forms::TextBox>("aspect").setText(QStringLiteral("FREE"));
    fit(5400, 4050);
    k.form1.get<forms::ScrollBar>("ScrollBar1").setValue(qint64(360));
    scold();
    pv.moving = false;
    pv.resizing = false;
    DivXTimer.setEnabled(false);
    st.focusField = QStringLiteral("none");
}

// Three moods by the draw; from the eleventh time on, the last word and the end of the program,
// without saving.
void Preview::scold() {
    auto& pv = k.pv;
    const int r = int(Int(random() * 10));
    const bool enough = pv.scoldCount >= 10;
    if (r == 4 || r == 5 || r == 9) {
        if (enough) {
            for (const char* line :
                 {"Are you talking to me?", "Are YOU talking to me?", "Are you talking to ME?",
                  "Who else are you talking to?", "Are you talking to me?",
                  "Well, I'm the only one here!", "Who the f*** do you think you're talking to?",
                  "Oh yeah?!", "He?", "OK!"})
                message(QString::fromLatin1(line));
        } else {
            message(QStringLiteral("WHAT ARE YOU TRYING TO DO?!"));
        }
    } else if (r == 8) {
        message(enough ? QStringLiteral("I CAN BE MEAN TOO!")
                       : QStringLiteral("I'M GONNA TELL YOUR MOM!"));
    } else {
        message(enough ? QStringLiteral("THATS ENOUGH!") : QStringLiteral("STOP THAT!"));
    }
    if (enough) k.endProgram(false);
    ++pv.scoldCount;
}

}  // namespace preview
