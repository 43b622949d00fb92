#pragma once

#include "app/subsystem.h"
#include "appearance/look.h"
#include "i18n/languages.h"

namespace appearance {

// The notes box with its keywords: pictures, themes, jokes and debug mode.
class Notes : public app::Subsystem {
  public:
    Notes(app::Korvel& k, app::DebugLog& log, Look& look, i18n::Languages& lang);

  private:
    void noteboxChange();
    void keyword(const QString& text);
    void debugKeyword();
    void showPicture(const char* picture);
    void asciiPicture(const QStringList& lines);

    Look& look;
    i18n::Languages& lang;
};

// The ASCII pictures of the notes keywords, by keyword group; empty when none.
QStringList asciiPictureFor(const QString& keyword);
// The product name and version in ASCII letters, for the debug window.
QStringList banner();

}  // namespace appearance
