#pragma once

#include "app/subsystem.h"
#include "i18n/captions.h"

namespace i18n {

// The window a caption or help label lives on.
forms::Window& windowOf(app::Korvel& k, Place place);

// Caption sets of the three languages and the two joke sets.
class Languages : public app::Subsystem {
  public:
    Languages(app::Korvel& k, app::DebugLog& log);
    // A flag's click: the captions, the option string's hint and the stored language.
    void apply(Language lang);

    // Spoonerised German: notes text, credit line and captions; stores "german".
    void spoonerGerman();
    // The Basel dialect's words: notes text, credit line, captions and the crest in the debug
    // window; stores "german". The Basel theme applies its colours first, then calls this.
    void baselCaptions();
    // The purple theme's share: help in English from now on, captions untouched, nothing stored.
    void purpleLanguage();

  private:
    // Writes a joke caption, or the text when the name is a text box (DivXBox).
    void write(Place place, const char* name, const char* text);
};

}  // namespace i18n
