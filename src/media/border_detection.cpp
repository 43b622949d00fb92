#include "media/border_detection.h"

#include <QDir>
#include <algorithm>

#include "forms/numbers.h"

namespace media {

using forms::num::pointText;

BorderDetection::BorderDetection(QObject* parent) : QObject(parent) {
    connect(&probe_, &Probe::finished, this, [this](const ProbeResult& r) {
        if (!r.ok()) return finish(r.problem, r.message);
        film_ = r.film;
        stretches_ = chooseStretches(film_.seconds, kStretches, 1);
        next();
    });
    // cropdetect reports on every frame; within a stretch the last report covers them all.
    connect(&run_, &ToolRun::errorLine, this, [this](const QByteArray& line) {
        if (const auto area = readCropLine(line)) lastArea_ = area;
    });
    connect(&run_, &ToolRun::finished, this, [this](const ToolEnd& end) { stretchRead(end); });
}

bool BorderDetection::start(const QString& file) {
    if (running_) return false;
    running_ = true;
    cancelled_ = false;
    areas_.clear();
    clock_.start();
    probe_.setTimeLimit(limitMs_);
    probe_.start(file);
    return true;
}

void BorderDetection::cancel() {
    if (!running_) return;
    cancelled_ = true;
    probe_.cancel();
    run_.cancel();
}

void BorderDetection::next() {
    const int done = int(areas_.size());
    emit progress(done, int(stretches_.size()));
    if (done == int(stretches_.size()))
        return finish(Problem::None, {}, bordersThroughout(areas_, film_.width, film_.height));
    const Stretch& s = stretches_[done];
    lastArea_.reset();
    // Seeking before the input jumps to a keyframe; only keyframes are decoded, a few of them,
    // and no more than a minute of the film is read.
    const QString input =
        QStringLiteral("file:") + QDir::cleanPath(QDir::current().absoluteFilePath(film_.file));
    // clang-format off
    const QStringList args = {
        "-nostdin", "-hide_banner", "-nostats",
        "-ss", pointText(s.start), "-noaccurate_seek", "-skip_frame", "nokey", "-t", "60",
        "-i", input,
        "-map", "0:v:0", "-frames:v", "3", "-an", "-sn", "-dn",
        "-vf", "cropdetect=round=2:skip=0:reset=0", "-f", "null", "-"};
    // clang-format on
    run_.start(QStringLiteral("ffmpeg"), args,
               limitMs_ > 0 ? int(std::max<qint64>(1, limitMs_ - clock_.elapsed())) : 0, false);
}

void BorderDetection::stretchRead(const ToolEnd& end) {
    if (cancelled_) return finish(Problem::Cancelled, Says::Cancelled);
    if (!end.succeeded()) {
        const ProbeResult f =
            toolFailure(end, QStringLiteral("ffmpeg"), film_.file, Says::NeedsToolToFindBorders);
        return finish(f.problem, f.message);
    }
    // A stretch that gave no frame says nothing, as a black one does.
    areas_.push_back(lastArea_.value_or(PictureArea{1, 0, 1, 0}));
    next();
}

void BorderDetection::finish(Problem p, const Message& message, Borders b) {
    running_ = false;
    emit finished({p, message, b});
}

}  // namespace media
