#pragma once

#include <span>

namespace i18n {

enum Language { German, English, French };

// The window a caption lives on.
enum class Place { Main, Settings, Preview, About };

// One label's caption in each language; nullptr where that language leaves the label alone.
struct CaptionRow {
    Place place;
    const char* label;
    const char* text[3];  // indexed by Language
};

std::span<const CaptionRow> captionTable();
// The hint DivXBox shows in place of an option string: a language switch writes it, the
// calculator writes the German one or else the English one when no bitrate is left, and the copy
// button copies neither of those two.
const char* divxHint(Language lang);
// Clear-all's hint: in English, english true, one of its own; otherwise the German one.
const char* clearAllHint(bool english);
// The menu item that copies the settings as an ffmpeg command.
const char* copyFfmpegCaption(Language lang);
// The code kept in currentLanguage and stored as "language".
const char* languageCode(Language lang);

}  // namespace i18n
