#include "media/encode_job.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include "media/file_name.h"
#include "media/probe.h"

namespace media {

namespace fs = std::filesystem;

namespace {

QString absolute(QString name) {
    if (name.startsWith(QLatin1String("file:"))) name.remove(0, 5);
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}

// A name beside the output that no other file has, keeping its extension for ffmpeg.
QString partialName(const QString& output) {
    const QFileInfo info(output);
    const QString suffix =
        hasStrayBytes(info.suffix()) ? QString() : QLatin1Char('.') + info.suffix();
    std::error_code ec;
    for (;;) {
        const QString name = info.absolutePath() + QStringLiteral("/.korvel-") +
                             QString::number(QRandomGenerator::global()->generate64(), 36) + suffix;
        if (!fs::exists(nativePath(name), ec)) return name;
    }
}

}  // namespace

EncodeInput encodeInput(const encoder::FfmpegJob& job, const FilmInfo& film, const QString& output,
                        double targetMB, bool overwrite) {
    EncodeInput in;
    for (const encoder::FfmpegRun& run : job.passes) {
        QStringList pass{fromNativeBytes(run.program)};
        for (const QByteArray& a : run.arguments)
            pass << fromNativeBytes(a);
        in.passes.push_back(pass);
    }
    in.source = film.file;
    in.output = output;
    if (job.passes.size() > 1) in.passFiles = {output + QStringLiteral("-0.log")};
    in.filmSeconds = film.seconds;
    in.targetMB = targetMB;
    in.overwrite = overwrite;
    return in;
}

EncodeJob::EncodeJob(QObject* parent) : QObject(parent), run_(std::make_unique<ToolRun>()) {
    connect(run_.get(), &ToolRun::outputLine, this, [this](const QByteArray& line) {
        const auto tick = reader_.feed(line);
        if (!tick) return;
        const int passes = int(in_.passes.size());
        // A pass that has ended is done, whatever time its last frame bears.
        const double seconds = tick->end ? in_.filmSeconds : tick->seconds;
        const double share = shareDone(pass_, passes, seconds, in_.filmSeconds);
        emit progress({pass_, passes, share, secondsLeft(clock_.elapsed() / 1000.0, share)});
    });
    connect(run_.get(), &ToolRun::finished, this, [this](const ToolEnd& end) { passEnded(end); });
}

EncodeJob::~EncodeJob() {
    // ffmpeg is gone before its files are.
    run_.reset();
    if (running_) removeLeftovers();
}

EncodeResult EncodeJob::check() const {
    const QString& output = in_.output;
    const auto bad = [&output](Says says) {
        return EncodeResult::failure(Problem::BadOutput, {says, {quotedName(output)}});
    };
    if (in_.passes.empty() || in_.passes.back().size() < 2 ||
        absolute(in_.passes.back().back()) != output)
        return bad(Says::LastPassDoesNotWrite);
    for (std::size_t i = 0; i + 1 < in_.passes.size(); ++i)
        if (in_.passes[i].size() < 2 || absolute(in_.passes[i].back()) == output)
            return bad(Says::OnlyLastPassWrites);
    std::error_code ec;
    const fs::path target = nativePath(output);
    if (fs::exists(target, ec) && fs::equivalent(target, nativePath(in_.source), ec))
        return bad(Says::IsTheFilm);
    if (fs::is_directory(target, ec)) return bad(Says::OutputIsFolder);
    if (!fs::is_directory(target.parent_path(), ec)) return bad(Says::NoFolder);
    if (fs::exists(target, ec) && !in_.overwrite)
        return EncodeResult::failure(Problem::OutputExists,
                                     {Says::OutputExists, {quotedName(output)}});
    return {};
}

bool EncodeJob::start(const EncodeInput& input) {
    if (running_) return false;
    running_ = true;
    cancelled_ = false;
    in_ = input;
    // Fixed now: the job's folders stay what they were at the start.
    in_.output = absolute(in_.output);
    in_.source = absolute(in_.source);
    pass_ = 0;
    partial_.clear();
    clock_.start();
    EncodeResult refused = check();
    if (!refused.ok()) {
        QTimer::singleShot(0, this, [this, refused] { finish(refused); });
        return true;
    }
    partial_ = partialName(in_.output);
    in_.passes.back().back() = partial_;
    runPass();
    return true;
}

void EncodeJob::cancel() {
    if (!running_) return;
    cancelled_ = true;
    run_->cancel();
}

void EncodeJob::runPass() {
    ++pass_;
    reader_ = {};
    QStringList args = in_.passes[pass_ - 1].mid(1);
    // Progress as key=value lines on standard output; no keyboard, no prompts.
    args = QStringList{"-nostdin", "-y", "-progress", "pipe:1", "-nostats"} + args;
    run_->start(in_.passes[pass_ - 1].front(), args, 0, false);
}

void EncodeJob::passEnded(const ToolEnd& end) {
    const int passes = int(in_.passes.size());
    if (cancelled_ || end.kind == ToolEnd::Cancelled)
        return finish(EncodeResult::failure(Problem::Cancelled, Says::Cancelled));
    const QString tool = QFileInfo(in_.passes[pass_ - 1].front()).fileName();
    if (end.kind == ToolEnd::Exited && end.exitCode != 0)
        return finish(EncodeResult::failure(Problem::ToolFailed,
                                            {Says::StoppedInPass,
                                             {tool, QString::number(pass_), QString::number(passes),
                                              end.lastLines.join(QLatin1Char('\n'))}},
                                            end.lastLines));
    if (!end.succeeded()) {
        const ProbeResult f = toolFailure(end, tool, in_.source, Says::NeedsToolToEncode);
        return finish(EncodeResult::failure(f.problem, f.message, end.lastLines));
    }
    if (pass_ < passes) return runPass();
    complete();
}

void EncodeJob::complete() {
    std::error_code ec;
    const fs::path partial = nativePath(partial_), target = nativePath(in_.output);
    const auto written = fs::file_size(partial, ec);
    if (ec || written == 0)
        return finish(EncodeResult::failure(Problem::ToolFailed,
                                            {Says::WroteNothing, {quotedName(in_.output)}}));
    // The output may have appeared while ffmpeg ran.
    if (!in_.overwrite && fs::exists(target, ec))
        return finish(EncodeResult::failure(Problem::OutputExists,
                                            {Says::AppearedMeanwhile, {quotedName(in_.output)}}));
    fs::rename(partial, target, ec);
    if (ec)
        return finish(EncodeResult::failure(
            Problem::BadOutput, {Says::CouldNotRename,
                                 {quotedName(in_.output), QString::fromLocal8Bit(ec.message())}}));
    EncodeResult done;
    done.bytes = qint64(fs::file_size(target, ec));
    done.message = sizeLine(done.bytes, in_.targetMB);
    finish(done);
}

void EncodeJob::finish(EncodeResult r) {
    removeLeftovers();
    running_ = false;
    emit finished(r);
}

void EncodeJob::removeLeftovers() {
    std::error_code ec;
    if (!partial_.isEmpty()) fs::remove(nativePath(partial_), ec);
    for (const QString& f : in_.passFiles)
        fs::remove(nativePath(f), ec);
}

}  // namespace media
