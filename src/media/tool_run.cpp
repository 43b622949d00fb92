#include "media/tool_run.h"

#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace media {

namespace {
constexpr int kLastLines = 12;
}

ToolRun::ToolRun(QObject* parent) : QObject(parent) {
#ifdef Q_OS_UNIX
    // A process group of its own: Ctrl+C at a terminal reaches Korvel, which stops the tool,
    // and not the tool too, which would end by itself and pass for a failure.
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, [this] { stop(ToolEnd::TimedOut); });
    connect(&process_, &QProcess::readyReadStandardOutput, this,
            [this] { read(QProcess::StandardOutput); });
    connect(&process_, &QProcess::readyReadStandardError, this,
            [this] { read(QProcess::StandardError); });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        end(ToolEnd::of(ToolEnd::NotStarted, process_.errorString()));
    });
    connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        // A last line without its line end counts too.
        for (auto channel : {QProcess::StandardOutput, QProcess::StandardError}) {
            read(channel);
            partial_[channel] += '\n';
            read(channel);
        }
        ToolEnd e = std::move(result_);
        e.exitCode = code;
        e.kind = stopping_ != ToolEnd::Exited    ? stopping_
                 : status == QProcess::CrashExit ? ToolEnd::Crashed
                                                 : ToolEnd::Exited;
        end(std::move(e));
    });
}

ToolRun::~ToolRun() {
    process_.disconnect(this);
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void ToolRun::start(const QString& tool, const QStringList& args, int timeLimitMs,
                    bool keepOutput) {
    if (running()) return;
    keep_ = keepOutput;
    started_ = true;
    ended_ = false;
    stopping_ = ToolEnd::Exited;
    result_ = {};
    partial_[0].clear();
    partial_[1].clear();
    QStringList usable;
    for (const QString& a : args) {
        // A file name with stray bytes goes through a link; "file:" keeps its place in front.
        const QString prefix = a.startsWith(QLatin1String("file:")) ? a.left(5) : QString();
        const QString name = names_.usable(a.mid(prefix.size()));
        if (name.isEmpty()) {
            ToolEnd e = ToolEnd::of(ToolEnd::NotStarted);
            e.unnamable = a.mid(prefix.size());
            return end(e);
        }
        usable << prefix + name;
    }
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return end(ToolEnd::of(ToolEnd::Missing));
    process_.setStandardInputFile(QProcess::nullDevice());
    limitMs_ = timeLimitMs;
    if (timeLimitMs > 0) limit_.start(timeLimitMs);
    process_.start(program, usable);
}

void ToolRun::stop(ToolEnd::Kind why) {
    if (!running()) return;
    if (process_.state() == QProcess::NotRunning) return end(ToolEnd::of(why));
    stopping_ = why;
    result_.limitMs = limitMs_;
    process_.kill();
}

void ToolRun::read(QProcess::ProcessChannel channel) {
    process_.setReadChannel(channel);
    const int c = channel;
    const QByteArray data = process_.readAll();
    if (!c && keep_) result_.output += data;
    QByteArray& buf = partial_[c];
    buf += data;
    qsizetype from = 0;
    for (qsizetype i = 0; i < buf.size(); ++i) {
        if (buf[i] != '\n' && buf[i] != '\r') continue;
        const QByteArray line = buf.mid(from, i - from);
        from = i + 1;
        if (line.isEmpty()) continue;
        if (c) {
            result_.lastLines << QString::fromLocal8Bit(line);
            if (result_.lastLines.size() > kLastLines) result_.lastLines.removeFirst();
            emit errorLine(line);
        } else {
            emit outputLine(line);
        }
    }
    buf.remove(0, from);
}

void ToolRun::end(ToolEnd e) {
    if (ended_) return;
    ended_ = true;
    limit_.stop();
    // From the event loop, so a receiver may start the next run at once.
    QTimer::singleShot(0, this, [this, e] { emit finished(e); });
}

Message missingToolMessage(const QString& tool, Says need) {
    Message m(need, {tool});
    return m += Says::ComesWithFfmpeg;
}

}  // namespace media
