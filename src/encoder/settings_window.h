#pragma once

#include "app/subsystem.h"
#include "appearance/look.h"
#include "encoder/encoder.h"
#include "geometry/geometry.h"

namespace encoder {

// The user-defined settings window: crop, resize filter, log and motion-vector files, feedback,
// scene change, performance/quality, modulation, pixel ratio, a user-defined string and the
// windows' transparency. Every control stores its value at once.
class SettingsWindow : public app::Subsystem {
  public:
    SettingsWindow(app::Korvel& k, app::DebugLog& log, Encoder& enc, geometry::Geometry& geo,
                   appearance::Look& look);

  private:
    // settings_window.cpp
    void wireChoices();
    void cropChange(forms::TextBox& field, const app::settings::Setting& s);
    void hideWindow();

    // settings_numbers.cpp
    void wireNumbers();
    void scChange();
    void scLostFocus();
    void moduChange();
    void modscrollMoved(bool released);
    void pvChange();
    void transparencyChange();
    QString singleText(double x) const;

    Encoder& enc;
    geometry::Geometry& geo;
    appearance::Look& look;
    forms::Window& f3;
    forms::TextBox &SC, &modu, &Korveltrans;
    forms::ScrollBar& modscroll;
    forms::ComboBox& PV;
};

}  // namespace encoder
