#pragma once

#include <QString>

#include "encoder/option_string.h"

namespace encoder {

// What the ffmpeg command is built from: the option string's own inputs (with its decisions:
// a motion option counts only when its box is checked and enabled) and the two values the
// codec takes from elsewhere.
struct FfmpegInputs {
    OptionInputs codec;
    double audioKbps = 0;   // audio, kbit/s; 0 leaves the sound out
    double pixelRatio = 1;  // PV, the width of a pixel over its height
};

// The settings as ffmpeg command lines that encode `input` into the AVI file `output` with
// ffmpeg's own MPEG-4 encoder and MP3 sound: a comment line naming what ffmpeg cannot do, then
// one line per pass (two passes share one pass-log file beside the output). The file names are
// quoted for a POSIX shell; every other word is a number or a fixed option. Throws
// forms::RuntimeError when a number cannot be written.
QString ffmpegCommand(const FfmpegInputs& in, const QString& input, const QString& output);

// A file name as one word for a POSIX shell that no shell expands and ffmpeg reads as a plain
// file: in single quotes, and a relative name that could pass for an option or a protocol
// ("-x.avi", "http:x") starts with "./".
QString shellFileName(const QString& name);

}  // namespace encoder
