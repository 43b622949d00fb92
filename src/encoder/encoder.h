#pragma once

#include "app/part.h"
#include "encoder/ffmpeg_command.h"

namespace encoder {

// The encoder settings of the main window and the option string built from them.
class Encoder : public app::Part {
  public:
    explicit Encoder(app::Korvel& k);
    // Rebuilds the option string into DivXBox (which rates it).
    void DivX();
    // The hardware profile decides which motion options are available.
    void mpeg4();
    // The current settings as ffmpeg command lines for those two files (see ffmpegCommand()).
    // Throws forms::RuntimeError when a number cannot be written.
    QString ffmpegCommand(const QString& input, const QString& output);

  private:
    OptionInputs inputs() const;
    FfmpegInputs ffmpegInputs() const;

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
