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
// The hint written into DivXBox on a language switch.
const char* divxHint(Language lang);
// The menu item that copies the settings as an ffmpeg command.
const char* copyFfmpegCaption(Language lang);
// The code kept in currentLanguage and stored as "language".
const char* languageCode(Language lang);

}  // namespace i18n
