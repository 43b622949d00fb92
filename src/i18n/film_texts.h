#pragma once

#include <QString>

#include "i18n/captions.h"

namespace i18n {

// The texts of the film features' menus, buttons and windows.
enum class FilmText {
    OpenFilm,       // the main window's right-click menu
    OpenFilmTitle,  // the file dialog
    FilmFiles,      // its filter, %1 the patterns
    AllFiles,
    EncodeMenu,   // beside "Copy ffmpeg command"
    FilmTooltip,  // the option string's tooltip, %1 the film
    Detect,       // beside the crop fields
    DetectName,   // what a screen reader calls it
    DetectProgress,
    Cancel,
    NoFilmYet,
    EncodeTitle,  // the encode window
    Source,
    SourceName,
    NoFilm,
    ChooseFilm,
    Output,
    OutputName,
    ChooseOutput,
    ChooseOutputName,
    OutputTitle,
    AviFiles,
    Commands,
    CommandsName,
    Start,
    ProgressName,
    StatusName,
    PassShare,  // %1 pass, %2 passes, %3 percent done
    TimeLeft,   // %1 H:MM:SS
    Replace,    // %1 the file
    StopEncode,
    NeedFilm,
    Count
};

// The text in a language, with its %1, %2 ... still in it.
QString filmText(FilmText t, Language lang);

}  // namespace i18n
