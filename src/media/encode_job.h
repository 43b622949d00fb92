#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <optional>
#include <vector>

#include "encoder/ffmpeg_command.h"
#include "media/film_info.h"
#include "media/problem.h"
#include "media/progress.h"
#include "media/tool_run.h"

namespace media {

struct EncodeInput {
    // Each pass: the program ("ffmpeg"), then its arguments. The last argument of the last pass
    // is the output; earlier passes must not write it.
    std::vector<QStringList> passes;
    QString source;          // the film; never overwritten
    QString output;          // the finished file
    QStringList passFiles;   // files the passes leave beside it (statistics), removed at the end
    double filmSeconds = 0;  // the film's play time, for the share done
    double targetMB = 0;     // the size asked (MB of 1024 x 1024 bytes); 0: none
    bool overwrite = false;  // the user agreed to replace an existing output
};

// The encode of a command built for `film` and `output` (the names it was built with): each
// pass as an argument list, the statistics file two passes share among the files to remove.
EncodeInput encodeInput(const encoder::FfmpegJob& job, const FilmInfo& film, const QString& output,
                        double targetMB, bool overwrite);

struct EncodeProgress {
    int pass = 0, passes = 0;           // pass 1..passes now running
    double share = 0;                   // of the whole job, 0..1
    std::optional<double> secondsLeft;  // an estimate, once it can be told
};

struct EncodeResult {
    Problem problem = Problem::None;
    Message message;        // for the user; on success the size line
    QStringList lastLines;  // ffmpeg's last words when it failed
    qint64 bytes = 0;       // the finished file's size
    bool ok() const { return problem == Problem::None; }
    static EncodeResult failure(Problem p, const Message& message, const QStringList& lines = {}) {
        return {p, message, lines, 0};
    }
};

// Runs the passes of an encode one after another, reporting progress from ffmpeg's
// "-progress" output. The output is written under a temporary name beside it and takes its own
// name only when the last pass has finished, so nothing half-written ever bears it. A cancel, a
// failure and destruction stop ffmpeg and remove the partial output; the statistics files go
// whenever the job ends.
class EncodeJob : public QObject {
    Q_OBJECT
  public:
    explicit EncodeJob(QObject* parent = nullptr);
    ~EncodeJob() override;
    // False (and nothing happens) while a job runs.
    bool start(const EncodeInput& input);
    void cancel();
    bool running() const { return running_; }

  signals:
    void progress(const media::EncodeProgress& p);
    void finished(const media::EncodeResult& result);

  private:
    void runPass();
    void passEnded(const ToolEnd& end);
    void complete();
    void finish(EncodeResult r);
    void removeLeftovers();
    EncodeResult check() const;

    std::unique_ptr<ToolRun> run_;
    EncodeInput in_;
    QString partial_;
    ProgressReader reader_;
    QElapsedTimer clock_;
    int pass_ = 0;
    bool running_ = false, cancelled_ = false;
};

}  // namespace media
