#pragma once

#include <QByteArrayList>
#include <QIODevice>
#include <QTextStream>
#include <optional>

#include "forms/numbers.h"

namespace cli {

// The command line as the system gave it: file names keep their bytes, valid text or not.
QByteArrayList commandLineWords(int argc, char** argv);

// Answers the command line where it asks for no window: the usage, the version, a mistake, the
// ffmpeg command for the stored settings (--ffmpeg) or the recommended bitrate (--bitrate), which
// only read the settings store, or an encode (--encode). Returns the exit status then; nothing
// when the program should open its window, with the film named for it in `film`. The Qt
// platform's own options (-platform, -style, ...) pass through to the window.
std::optional<int> answerCommandLine(const QByteArrayList& words, QIODevice& out, QTextStream& err,
                                     QByteArray* film = nullptr);

// Numbers are written with the decimal point of the system's language, as in the window.
forms::NumberLocale systemNumberLocale();

}  // namespace cli
