#include "media/probe.h"

#include <QDir>
#include <algorithm>
#include <fstream>

#include "forms/numbers.h"

namespace media {

ProbeResult checkFile(const QString& file) {
    namespace fs = std::filesystem;
    const fs::path path = nativePath(file);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    const QString name = quotedName(file);
    ProbeResult r;
    r.film.file = file;
    if (!fs::exists(status))
        r = {Problem::Unreadable, {Says::NoFile, {name}}, r.film};
    else if (fs::is_directory(status))
        r = {Problem::Unreadable, {Says::IsFolder, {name}}, r.film};
    else if (!fs::is_regular_file(status))
        r = {Problem::Unreadable, {Says::NotAFile, {name}}, r.film};
    else if (fs::file_size(path, ec) == 0)
        r = {Problem::Empty, {Says::IsEmpty, {name}}, r.film};
    else if (!std::ifstream(path, std::ios::binary).is_open())
        r = {Problem::Unreadable, {Says::MayNotRead, {name}}, r.film};
    return r;
}

ProbeResult toolFailure(const ToolEnd& end, const QString& tool, const QString& file,
                        Says missing) {
    const QString name = quotedName(file);
    const QString last = end.lastLines.isEmpty() ? QString() : end.lastLines.last();
    ProbeResult r;
    r.film.file = file;
    switch (end.kind) {
        case ToolEnd::Missing:
            r.problem = Problem::MissingTool;
            r.message = missingToolMessage(tool, missing);
            break;
        case ToolEnd::TimedOut:
            r.problem = Problem::TimedOut;
            r.message = {Says::TookTooLong, {tool, name, QString::number(end.limitMs / 1000.0)}};
            break;
        case ToolEnd::Cancelled:
            r.problem = Problem::Cancelled;
            r.message = Says::Cancelled;
            break;
        case ToolEnd::NotStarted:
            r.problem = Problem::ToolFailed;
            r.message = end.unnamable.isEmpty()
                            ? Message(Says::CouldNotStart, {tool, end.detail})
                            : Message(Says::CannotHandName, {tool, quotedName(end.unnamable)});
            break;
        default:
            r.problem = Problem::ToolFailed;
            r.message = last.isEmpty() ? Message(Says::StoppedWithError, {tool, name})
                                       : Message(Says::StoppedWithErrorSaying, {tool, name, last});
    }
    return r;
}

Probe::Probe(QObject* parent) : QObject(parent) {
    connect(&run_, &ToolRun::finished, this,
            [this](const ToolEnd& end) { checkingEnd_ ? endRead(end) : formatRead(end); });
}

bool Probe::start(const QString& file) {
    if (running_) return false;
    running_ = true;
    checkingEnd_ = false;
    clock_.start();
    result_ = checkFile(file);
    if (!result_.ok()) {
        QTimer::singleShot(0, this, [this] { finish(result_.problem, result_.message); });
        return true;
    }
    // "file:" keeps a name from passing for an option or another protocol.
    arg_ = QStringLiteral("file:") + QDir::cleanPath(QDir::current().absoluteFilePath(file));
    run_.start(QStringLiteral("ffprobe"),
               {"-v", "error", "-print_format", "json", "-show_format", "-show_streams", arg_},
               limitMs_, true);
    return true;
}

void Probe::cancel() {
    if (run_.running()) run_.cancel();
}

void Probe::finish(Problem p, const Message& message) {
    result_.problem = p;
    result_.message = message;
    running_ = false;
    emit finished(result_);
}

void Probe::formatRead(const ToolEnd& end) {
    const QString name = quotedName(result_.film.file);
    if (end.kind == ToolEnd::Exited && end.exitCode != 0) {
        QString why = end.lastLines.value(end.lastLines.size() - 1);
        if (why.startsWith(arg_ + QLatin1String(": "))) why.remove(0, arg_.size() + 2);
        return finish(Problem::NotAFilm, {Says::NotAFilm, {name, why}});
    }
    if (!end.succeeded()) {
        const ProbeResult f =
            toolFailure(end, QStringLiteral("ffprobe"), result_.film.file, Says::NeedsToolToRead);
        return finish(f.problem, f.message);
    }
    ProbeReading reading = readProbe(end.output);
    reading.film.file = result_.film.file;
    result_.film = reading.film;
    if (reading.problem == Problem::AudioOnly)
        return finish(Problem::AudioOnly,
                      {Says::OnlySound, {name, reading.film.audio.front().codec}});
    if (reading.problem != Problem::None)
        return finish(reading.problem, {Says::NothingToRead, {name}});
    if (reading.film.seconds <= 0) return finish(Problem::None, {});
    // The last seconds must really be there.
    checkingEnd_ = true;
    const double from = std::max(0.0, reading.film.seconds - 5);
    run_.start(QStringLiteral("ffprobe"),
               {"-v", "error", "-read_intervals", forms::num::pointText(from) + QLatin1Char('%'),
                "-show_entries", "packet=pts_time,duration_time", "-of", "csv=p=0", arg_},
               limitMs_ > 0 ? int(std::max<qint64>(1, limitMs_ - clock_.elapsed())) : 0, true);
}

void Probe::endRead(const ToolEnd& end) {
    if (end.kind != ToolEnd::Exited) {
        const ProbeResult f =
            toolFailure(end, QStringLiteral("ffprobe"), result_.film.file, Says::NeedsToolToRead);
        return finish(f.problem, f.message);
    }
    if (end.exitCode != 0)
        return finish(Problem::Truncated, {Says::Damaged,
                                           {quotedName(result_.film.file),
                                            end.lastLines.value(end.lastLines.size() - 1)}});
    // A file cut short announces the whole film; ffprobe complains where its data stops.
    const double seconds = result_.film.seconds, reached = packetsEnd(end.output);
    if (!end.lastLines.isEmpty() && reached < seconds - std::max(1.0, seconds / 100))
        return finish(Problem::Truncated,
                      {Says::CutShort,
                       {quotedName(result_.film.file), clockText(seconds), clockText(reached)}});
    finish(Problem::None, {});
}

}  // namespace media
