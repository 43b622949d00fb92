#pragma once

#include "app/subsystem.h"
#include "calc/calculator.h"

namespace calc {

// The up/down buttons beside the play time and the audio bitrate, with auto-repeat while the
// mouse button is held on them.
class Spinners : public app::Subsystem {
  public:
    Spinners(app::Korvel& k, app::DebugLog& log, Calculator& calc);
    // Steps the time field that last had the focus by d (+1 or -1), carrying into the field above.
    void SpinIt(int d);
    // The next larger and the next smaller standard audio bitrate.
    void audioGrow();
    void audioDown();

  private:
    void stepHours(int d);
    void stepCarrying(forms::TextBox& field, forms::TextBox& above, int d);
    void stepSeconds(int d);
    QString padded(const QString& base, int d) const;
    void repeatWhileHeld(forms::Button& button, forms::Timer& timer, const forms::Handler& step);

    forms::TextBox &HH, &MM, &SS, &audio;
    Calculator& calc;
};

}  // namespace calc
