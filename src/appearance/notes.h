#pragma once

#include "app/subsystem.h"

namespace appearance {

// The notes box with its keywords, and the debug window with its log file.
class Notes : public app::Subsystem {
  public:
    explicit Notes(app::Korvel& k);
    // Appends one entry to the debug window (and so to the log file).
    void debugwrite(const QString& entry);
    // In debug mode: says once in the log why the settings of this session will not be kept.
    void noteUnkeptSettings();

  private:
    void noteboxChange();
    void keyword(const QString& text);
    void debugKeyword();
    void showPicture(const char* picture);
    void asciiPicture(const QStringList& lines);

    QString notedUnkept_;
};

// The ASCII pictures of the notes keywords, by keyword group; empty when none.
QStringList asciiPictureFor(const QString& keyword);
// The product name and version in ASCII letters, for the debug window.
QStringList banner();

}  // namespace appearance
