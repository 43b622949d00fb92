#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "media/problem.h"

namespace media {

struct AudioStream {
    QString codec;       // "mp3", "aac", "ac3" ...
    qint64 bitrate = 0;  // bit/s; 0 when the file does not say
};

// What ffprobe tells of a film.
struct FilmInfo {
    QString file;
    double seconds = 0;  // play time; 0 when the file does not say
    int width = 0, height = 0;
    QString sampleAspect, displayAspect;  // "64:45", "16:9"; empty when not given
    double frameRate = 0;                 // average, else nominal; 0 when unknown
    std::vector<AudioStream> audio;

    // The shape of the picture on screen (width over height): the display aspect ratio, else
    // the pixels' own shape times width over height; 0 without a picture.
    double displayRatio() const;
};

// ffprobe's JSON (-show_format -show_streams) read into FilmInfo. problem is None, NotAFilm (no
// JSON, no streams) or AudioOnly; cover pictures in sound files do not count as a picture.
struct ProbeReading {
    Problem problem = Problem::None;
    FilmInfo film;
};
ProbeReading readProbe(const QByteArray& json);

// "30000/1001", "16:9" as a number; 0 for "0/0", "N/A" or anything else.
double ratioValue(const QString& text);

// Where the film's packets end, in seconds: the latest pts_time + duration_time of ffprobe's
// csv lines "pts,duration"; 0 when there are none.
double packetsEnd(const QByteArray& csv);

// Seconds as H:MM:SS for messages.
QString clockText(double seconds);

}  // namespace media
