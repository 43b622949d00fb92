#pragma once

#include <QByteArrayList>
#include <QStringList>
#include <variant>

#include "encoder/option_string.h"
#include "i18n/captions.h"

namespace encoder {

// What the ffmpeg command is built from: the option string's own inputs (with its decisions:
// a motion option counts only when its box is checked and enabled) and what the codec takes
// from elsewhere.
struct FfmpegInputs {
    OptionInputs codec;
    double audioKbps = 0;      // the audio field, kbit/s; 0 or less leaves the sound out
    double pixelRatio = 1;     // PV, the width of a pixel over its height
    bool userDefined = false;  // CheckUD: the option string on screen is the user's own
};

// One run of ffmpeg: the program and its arguments as the system hands them over, file names in
// the system's own bytes (they need not be valid text).
struct FfmpegRun {
    QByteArray program;
    QByteArrayList arguments;
    // The same for QProcess, with global options (such as "-progress pipe:1 -nostats") first.
    // Qt passes text, so a name that is not valid in the system's encoding cannot go this way.
    QStringList processArguments(const QByteArrayList& globalOptions = {}) const;
};

// The settings as ffmpeg runs, one per pass; the last one writes `output`. Two passes share the
// statistics file `output` + "-0.log". No run overwrites a file without asking ffmpeg's own
// question on the terminal; a runner without one adds "-y" once the user agreed.
struct FfmpegJob {
    QStringList notes;  // lines for the reader: what the runs leave out or change, and why
    QList<FfmpegRun> passes;
    QByteArray input, output;  // as the runs name them ("./" before a name ffmpeg would misread)
    double videoKbps = 0;      // the video bitrate the runs ask for
};

// Why the settings give no command, with the figures the message names (kbit/s).
struct FfmpegRefusal {
    enum Reason { NoFileName, SameFile, NoVideo, AboveField, AboveProfile, OutOfRange };
    Reason reason;
    double videoKbps = 0, limitKbps = 0;
    QString profile;
};

// ffmpeg's own MPEG-4 encoder (tagged DX50) into an AVI file, with the sound in a codec that
// carries the audio bitrate asked, or the nearest one that does (the difference then goes to
// the video, so the size holds). A command that ffmpeg would refuse or that would miss the size
// the settings ask for is refused instead.
std::variant<FfmpegJob, FfmpegRefusal> ffmpegJob(const FfmpegInputs& in, const QByteArray& input,
                                                 const QByteArray& output);

// The job as text for a POSIX shell: each note as a "# " line, then one line per pass, file
// names in single quotes, so no shell expands them.
QByteArray shellText(const FfmpegJob& job);

// A word a POSIX shell reads back unchanged: in single quotes.
QByteArray shellQuoted(const QByteArray& word);

// What to say instead of a command, in the user's language and number format.
QString refusalText(const FfmpegRefusal& r, i18n::Language lang, const forms::NumberLocale& loc);

// The sound ffmpeg writes for an audio bitrate: the codec, its rate and the options it takes.
struct FfmpegSound {
    double kbps = 0;  // 0: no sound
    QByteArrayList arguments;
    QString name;  // for the reader: "MP3", "AC-3, 48000 Hz", "PCM, 44100 Hz mono"
};
FfmpegSound ffmpegSound(double audioKbps);

}  // namespace encoder
