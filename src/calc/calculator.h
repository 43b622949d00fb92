#pragma once

#include "app/subsystem.h"
#include "encoder/encoder.h"

namespace app {
class Lifecycle;  // which the calculator completes, so it is declared with it
}

namespace calc {

// The bitrate calculator: play time, file size, audio and video bitrate tied together by one
// formula, derived in one direction or, with the lock, in the other.
class Calculator : public app::Subsystem {
  public:
    Calculator(app::Korvel& k, app::DebugLog& log, encoder::Encoder& enc, app::Lifecycle& life);

    // Derives the video bitrate from size, time and audio while the lock is off.
    void rechnen();
    // With the lock on: derives the play time or the file size from the bitrate.
    void locked();
    // Folds the three time fields into the play time and recalculates.
    void HHMMSS();
    // What a time field does when it loses the focus (the spin buttons run it too).
    void timeLostFocus(forms::TextBox& field);
    // The time fields take typing, or (derived by the lock) refuse it.
    void setTimeEditable(bool editable);

  private:
    bool fillingAudio_ = false;  // audioFromSize() is writing the audio bitrate
    double playMinutesShown() const;
    void carry(forms::TextBox& field, bool over);  // a time field over 59 carries upwards
    void derive();                                 // the body of locked(), which catches its errors
    void wire();
    void hkbitpsChange();
    void hkBytespsChange();
    void hgroesseChange();
    void kbitpsChange();
    void kBytespsChange();
    void groesseChange();
    void audioChange();
    void audiokbpsClick();
    void audioFromSize();
    void timeChange(forms::TextBox& field, const char* key);
    void timeGotFocus(forms::TextBox& field, const char* name);
    void algChange(forms::TextBox& field, const char* key);
    void lockClick();
    void optionSizeClick();
    void optionTimeClick();
    void setSizeEditable(bool editable);
    void kbitpsGotFocus();
    void kbitpsLostFocus();

    forms::TextBox &HH, &MM, &SS, &US, &groesse, &hgroesse, &audio, &audioMB;
    forms::TextBox &kbitps, &hkbitps, &kBytesps, &hkBytesps, &Alg, &Alg2, &bitrate, &DivXBox;
    forms::Label& audiokbps;
    forms::Button &audioUp, &audioDn, &DivXbutton;
    forms::CheckBox& kbpsLock;
    forms::OptionButton &OptionSize, &OptionTime;
    encoder::Encoder& enc;
    app::Lifecycle& life;
};

}  // namespace calc
