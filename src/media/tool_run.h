#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include "media/file_name.h"
#include "media/message.h"

namespace media {

// How one run of ffmpeg or ffprobe ended.
struct ToolEnd {
    enum Kind { Exited, Missing, NotStarted, TimedOut, Crashed, Cancelled } kind = Exited;
    int exitCode = 0;
    QByteArray output;      // standard output, when kept
    QStringList lastLines;  // the last lines of its error output
    QString detail;         // why it did not start
    QString unnamable;      // the name it could not be handed, when that was why
    int limitMs = 0;        // the time limit it ran into
    bool succeeded() const { return kind == Exited && exitCode == 0; }
    static ToolEnd of(Kind k, const QString& detail = {}) {
        ToolEnd e;
        e.kind = k;
        e.detail = detail;
        return e;
    }
};

// One run of an outside tool: looked up on PATH, started with an argument list (never through a
// shell, standard input closed), stopped at its time limit, on cancel() and on destruction. The
// end always comes from the event loop, never from inside start() or cancel().
class ToolRun : public QObject {
    Q_OBJECT
  public:
    explicit ToolRun(QObject* parent = nullptr);
    ~ToolRun() override;

    // tool: a name found on PATH ("ffmpeg") or a path. timeLimitMs 0: no limit.
    void start(const QString& tool, const QStringList& args, int timeLimitMs, bool keepOutput);
    void cancel() { stop(ToolEnd::Cancelled); }
    bool running() const { return started_ && !ended_; }

  signals:
    void outputLine(const QByteArray& line);
    void errorLine(const QByteArray& line);
    void finished(const media::ToolEnd& end);

  private:
    void read(QProcess::ProcessChannel channel);
    void end(ToolEnd e);
    void stop(ToolEnd::Kind why);

    QProcess process_;
    QTimer limit_;
    NameBridge names_;
    QByteArray partial_[2];
    ToolEnd result_;
    int limitMs_ = 0;
    bool keep_ = false, started_ = false, ended_ = false;
    ToolEnd::Kind stopping_ = ToolEnd::Exited;
};

// The message for a tool that is not installed, naming the package that brings it; `need` says
// what for (Says::NeedsToolToRead ...).
Message missingToolMessage(const QString& tool, Says need);

}  // namespace media
