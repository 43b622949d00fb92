#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "media/borders.h"
#include "media/probe.h"

namespace media {

struct BorderResult {
    Problem problem = Problem::None;
    Message message;  // for the user; empty on success
    Borders borders;  // zeros when nothing was found
    bool ok() const { return problem == Problem::None; }
};

// Finds a film's black borders: reads the film (as Probe does, with its messages), then runs
// ffmpeg's cropdetect on a few short stretches spread over it, each reached by seeking, so a
// long film takes no longer than a short one. Asynchronous and cancellable like Probe.
class BorderDetection : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStretches = 5;

    explicit BorderDetection(QObject* parent = nullptr);
    // For the whole detection; 30 s unless set, 0 for none.
    void setTimeLimit(int ms) { limitMs_ = ms; }
    // False (and nothing happens) while a detection runs.
    bool start(const QString& file);
    void cancel();
    bool running() const { return running_; }

  signals:
    // Stretches looked at so far, of `total`.
    void progress(int done, int total);
    void finished(const media::BorderResult& result);

  private:
    void next();
    void stretchRead(const ToolEnd& end);
    void finish(Problem p, const Message& message, Borders b = {});

    Probe probe_;
    ToolRun run_;
    QElapsedTimer clock_;
    int limitMs_ = 30000;
    bool running_ = false, cancelled_ = false;
    FilmInfo film_;
    std::vector<Stretch> stretches_;
    std::vector<PictureArea> areas_;
    std::optional<PictureArea> lastArea_;
};

}  // namespace media
