#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "media/message.h"

namespace media {

// ffmpeg's "-progress" output: blocks of key=value lines, each closed by "progress=continue" or
// "progress=end". Fed line by line, it gives the film time written so far at each block's end.
class ProgressReader {
  public:
    struct Tick {
        double seconds = 0;  // out_time: the film time written so far
        bool end = false;    // the pass has finished writing
    };
    std::optional<Tick> feed(const QByteArray& line);

  private:
    double seconds_ = 0;
};

// Where an encode of `passes` passes stands, as a share 0..1 of the whole: the passes count
// alike, each by the film time written against the film's play time.
double shareDone(int pass, int passes, double passSeconds, double filmSeconds);

// Seconds still to go, from the seconds gone and the share done; nullopt until enough is done to
// tell.
std::optional<double> secondsLeft(double secondsGone, double share);

// The finished file's size against the size asked: "700.4 MB of 700 MB, +0.06 %" (megabytes of
// 1024 x 1024 bytes, as the calculator counts them); the size alone when none was asked.
Message sizeLine(qint64 bytes, double targetMB);

}  // namespace media
