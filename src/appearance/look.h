#pragma once

#include "app/subsystem.h"
#include "i18n/languages.h"

namespace appearance {

// Window transparency, dragging the main window, size modes, breathing and colour themes.
class Look : public app::Subsystem {
  public:
    Look(app::Korvel& k, app::DebugLog& log, i18n::Languages& lang);
    // Applies an opacity (0 transparent .. 255 opaque). 0 applied, 1 refused, 2 platform error.
    int SetAlpha(forms::Window& w, int alpha);
    void sizeMin();
    void sizeMid();
    void sizeMax();
    void startBreathing();

    // Themes (their keywords are in the notes box).
    void RndColor();
    void purpleTheme();
    void baselGerman();
    void redTheme();
    void greenTheme();

  private:
    void wire();
    void press(const forms::MouseArgs& m);
    void drag(const forms::MouseArgs& m);
    void release();
    void breathe();
    void sizeMode(int height, const char* next, bool hideSettings, bool showExtras,
                  const char* stored);
    void alphaAll(int alpha);
    // The red and green themes differ only in their colours and backdrop.
    void signalTheme(const char* backdrop, forms::Color strong, forms::Color deep,
                     const char* caption);

    i18n::Languages& lang;
};

}  // namespace appearance
