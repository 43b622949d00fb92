#pragma once

#include "app/part.h"
#include "encoder/option_string.h"

namespace encoder {

// The encoder settings of the main window and the option string built from them.
class Encoder : public app::Part {
  public:
    explicit Encoder(app::Korvel& k);
    // Rebuilds the option string into DivXBox (which rates it).
    void DivX();
    // The hardware profile decides which motion options are available.
    void mpeg4();

  private:
    OptionInputs inputs() const;

    // buttons.cpp
    void wireButtons();
    void vbrClick();
    void resizeClick();
    void settingsClick();
    void cropPicClick();
    void copyClick();
    void showSettings(int rightOfMain);

    // keyframe.cpp
    void wireKeyframes();
    void keyframeChange();
    void keyframeLostFocus();

    forms::Button &ButtonVBR, &ButtonProfile, &ButtonPsy, &ButtonPre, &DivXbutton;
    forms::CheckBox &CheckBiDir, &CheckGMC, &CheckQPx, &CheckResize;
    forms::TextBox &keyframebox, &DivXBox;
};

}  // namespace encoder
