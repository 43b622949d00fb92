#pragma once

#include "app/subsystem.h"
#include "encoder/ffmpeg_command.h"
#include "geometry/rating.h"

namespace encoder {

// The encoder settings of the main window and the option string built from them.
class Encoder : public app::Subsystem {
  public:
    Encoder(app::Korvel& k, app::DebugLog& log, geometry::Rating& rating);
    // Rebuilds the option string into DivXBox (which rates it).
    void DivX();
    // The hardware profile decides which motion options are available.
    void mpeg4();
    // The current settings as ffmpeg runs for those two files, or why there are none.
    std::variant<FfmpegJob, FfmpegRefusal> ffmpegJob(const QByteArray& input,
                                                     const QByteArray& output);
    // "Copy ffmpeg command": the command for the film and the file to write on the clipboard, or
    // a message that says what to change instead (the clipboard keeps what it had).
    void copyFfmpegCommand(const QByteArray& input, const QByteArray& output);

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
    geometry::Rating& rating;
};

}  // namespace encoder
