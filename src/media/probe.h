#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "media/film_info.h"
#include "media/message.h"
#include "media/tool_run.h"

namespace media {

struct ProbeResult {
    Problem problem = Problem::None;
    Message message;  // for the user; empty on success
    FilmInfo film;
    bool ok() const { return problem == Problem::None; }
};

// Reads a film with ffprobe: its play time, picture and sound, then whether the file really
// reaches that play time (a download cut short announces the whole film). Asynchronous: the
// result comes as finished(), from the event loop, after start() and also after cancel().
class Probe : public QObject {
    Q_OBJECT
  public:
    explicit Probe(QObject* parent = nullptr);
    // For both of ffprobe's runs together; 20 s unless set, 0 for none.
    void setTimeLimit(int ms) { limitMs_ = ms; }
    // False (and nothing happens) while a probe runs.
    bool start(const QString& file);
    void cancel();
    bool running() const { return running_; }

  signals:
    void finished(const media::ProbeResult& result);

  private:
    void formatRead(const ToolEnd& end);
    void endRead(const ToolEnd& end);
    void finish(Problem p, const Message& message);

    ToolRun run_;
    QElapsedTimer clock_;
    int limitMs_ = 20000;
    bool running_ = false, checkingEnd_ = false;
    QString arg_;
    ProbeResult result_;
};

// Whether a file can be read as a film at all (it exists, is a file, has bytes, opens); the
// message names what is wrong.
ProbeResult checkFile(const QString& file);

// The tool's failure in the user's terms: not installed (`missing` says what it was needed
// for), too slow, stopped, with its last line.
ProbeResult toolFailure(const ToolEnd& end, const QString& tool, const QString& file, Says missing);

}  // namespace media
