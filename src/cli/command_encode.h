#pragma once

#include <QIODevice>
#include <QTextStream>

#include "encoder/ffmpeg_command.h"
#include "media/probe.h"

// The film tools on the command line, where nothing else happens meanwhile: a film read at
// once, and an encode with its progress line.
namespace cli {

// Reads a film, waiting for ffprobe.
media::ProbeResult probeNow(const QString& file);

// Runs `job`, built for `film` and `output`, with a progress line on `err` (rewritten in place on
// a terminal, a line per percent otherwise) and the size line on `out` at the end. Ctrl+C,
// SIGTERM and SIGHUP stop it, and nothing half-written is left. The exit status: 0 for a
// finished file, 1 for an encode that failed or was stopped, 2 for an output it may not write.
int encodeNow(const encoder::FfmpegJob& job, const media::FilmInfo& film, const QString& output,
              double targetMB, bool overwrite, QIODevice& out, QTextStream& err);

}  // namespace cli
