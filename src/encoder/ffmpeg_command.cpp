#include "encoder/ffmpeg_command.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace encoder {
using forms::num::leading;
using forms::num::pointText;

namespace {

// The bitrate field takes no more than this; a larger stored value is no setting of the window.
constexpr double kFieldLimit = 16000;

// ffmpeg reads numbers with a point whatever the user's locale.
QByteArray number(double x) {
    return pointText(x).toLatin1();
}

// The interval as the keyframe field repairs it: the number it starts with, without a sign,
// 1 to 4000 frames; ffmpeg counts whole frames.
QByteArray keyframeInterval(const QString& text) {
    const double frames = std::min(std::abs(leading(text)), 4000.0);
    return QByteArray::number(std::max(1.0, std::nearbyint(frames)));
}

// The codec's resize filters from soft to sharp, as ffmpeg's scaler names its nearest kin.
const char* scaleFlags(const QString& resample) {
    if (resample == QLatin1String("very soft")) return "bilinear";
    if (resample == QLatin1String("soft")) return "bicubic";
    if (resample == QLatin1String("sharp")) return "spline";
    return "lanczos";
}

// Crop first, then resize, as the codec does; the pixel ratio travels with the picture. A crop
// amount below 0 crops nothing: ffmpeg cannot add to the picture.
QByteArray filters(const FfmpegInputs& f) {
    const OptionInputs& in = f.codec;
    QByteArrayList chain;
    if (in.crop != 0) {
        const auto amount = [](const QString& t) { return std::max(0.0, leading(t)); };
        const double left = amount(in.cropLeft), top = amount(in.cropTop);
        chain << "crop=iw-" + number(left + amount(in.cropRight)) + ":ih-" +
                     number(top + amount(in.cropBottom)) + ':' + number(left) + ':' + number(top);
    }
    if (in.resize == 1)
        chain << "scale=" + number(leading(in.width)) + ':' + number(leading(in.height)) +
                     ":flags=" + scaleFlags(in.resample);
    chain << "setsar=" + number(f.pixelRatio > 0 ? f.pixelRatio : 1);
    return chain.join(',');
}

// What the codec would do that ffmpeg's MPEG-4 encoder has no option for, as far as the
// settings ask for it.
QString leftOut(const FfmpegInputs& f) {
    const OptionInputs& in = f.codec;
    const bool twoPass = in.mode != QLatin1String("1pass");
    QStringList items;
    if (in.gmc) items << QStringLiteral("global motion compensation");
    if (in.psy != QLatin1String("None")) items << QStringLiteral("psychovisual enhancement");
    if (in.pre != QLatin1String("None")) items << QStringLiteral("pre-processing");
    items << QStringLiteral("performance/quality") << QStringLiteral("scene-change threshold");
    if (in.mode == QLatin1String("2nd")) items << QStringLiteral("modulation");
    if (twoPass) items << QStringLiteral("log file (ffmpeg keeps its own beside the output)");
    if (twoPass && in.mv == 1) items << QStringLiteral("motion-vector file");
    if (in.crop != 0) {
        for (const QString* side : {&in.cropLeft, &in.cropRight, &in.cropTop, &in.cropBottom})
            if (leading(*side) < 0) {
                items << QStringLiteral("crop amounts below 0 (taken as 0)");
                break;
            }
    }
    if (f.userDefined)
        items << QStringLiteral("your user-defined option string (this follows the settings)");
    return QStringLiteral("Not carried over to ffmpeg: ") + items.join(QStringLiteral(", "));
}

// The picture ffmpeg can make: MPEG-4 allows 8191 pixels a side, a pixel ratio of 255 at most.
bool pictureFits(const FfmpegInputs& f) {
    const OptionInputs& in = f.codec;
    const auto within = [](const QString& t, double low) {
        return leading(t) >= low && leading(t) <= 8191;
    };
    if (in.crop != 0)
        for (const QString* side : {&in.cropLeft, &in.cropRight, &in.cropTop, &in.cropBottom})
            if (leading(*side) > 8191) return false;
    if (in.resize == 1 && !(within(in.width, 1) && within(in.height, 1))) return false;
    return f.pixelRatio <= 255;
}

// ffmpeg would take "-x.avi" for an option and "http:x" for a protocol.
QByteArray plainFileName(const QByteArray& name) {
    const auto colon = name.indexOf(':'), slash = name.indexOf('/');
    if (name.startsWith('-') || (colon >= 0 && (slash < 0 || colon < slash))) return "./" + name;
    return name;
}

// What the reader should know of the sound: a codec other than MP3, and any difference.
QString soundNote(double audio, const FfmpegSound& sound, double asked, double video) {
    if (sound.kbps != audio)
        return QStringLiteral(
                   "Sound: %1 kbit/s is no rate ffmpeg writes as asked; %2 instead, and the video "
                   "gets %3 kbit/s in place of %4, so the size holds.")
            .arg(pointText(audio),
                 sound.kbps > 0 ? sound.name + QStringLiteral(" at ") + pointText(sound.kbps) +
                                      QStringLiteral(" kbit/s")
                                : QStringLiteral("no sound"),
                 pointText(video), pointText(asked));
    if (sound.kbps > 0 && sound.name != QLatin1String("MP3"))
        return QStringLiteral(
                   "Sound: %1 at %2 kbit/s (MP3 at the film's own sample rate carries 32 to 320).")
            .arg(sound.name, pointText(sound.kbps));
    return QString();
}

using Refusal = FfmpegRefusal;
Refusal refuse(Refusal::Reason why, double video = 0, double limit = 0,
               const QString& profile = {}) {
    return Refusal{why, video, limit, profile};
}

std::variant<FfmpegJob, FfmpegRefusal> build(const FfmpegInputs& f, const QByteArray& input,
                                             const QByteArray& output) {
    if (input.isEmpty() || output.isEmpty()) return refuse(Refusal::NoFileName);
    if (input == output) return refuse(Refusal::SameFile);
    if (!pictureFits(f)) return refuse(Refusal::OutOfRange);
    const OptionInputs& in = f.codec;
    const double asked = leading(in.bitrate);
    if (!(asked >= 1)) return refuse(Refusal::NoVideo, asked, 1);

    FfmpegJob job;
    job.input = plainFileName(input);
    job.output = plainFileName(output);
    job.notes << leftOut(f);
    // A sound of another rate than asked hands the difference to the video: the size holds.
    const FfmpegSound sound = ffmpegSound(f.audioKbps);
    // ffmpeg counts whole bits a second.
    job.videoKbps = std::round((asked + f.audioKbps - sound.kbps) * 1000) / 1000;
    if (!(job.videoKbps >= 1)) return refuse(Refusal::NoVideo, job.videoKbps, 1);
    if (std::max(asked, job.videoKbps) > kFieldLimit)
        return refuse(Refusal::AboveField, std::max(asked, job.videoKbps), kFieldLimit);
    if (const QString note = soundNote(f.audioKbps, sound, asked, job.videoKbps); !note.isEmpty())
        job.notes << note;

    const bool twoPass = in.mode == QLatin1String("1st") || in.mode == QLatin1String("2nd");
    QByteArrayList video{"-i",    job.input, "-c:v", "mpeg4",
                         "-vtag", "DX50",    "-b:v", number(job.videoKbps) + 'k'};
    // The option string names the limits in one pass only; in two passes the profile number
    // carries them, and "None" has none.
    const auto vbv = vbvFigures(in.profile, pointText(job.videoKbps));
    if (vbv && (!twoPass || in.profile != QLatin1String("None"))) {
        if (vbv->rate < job.videoKbps * 1000)
            return refuse(Refusal::AboveProfile, job.videoKbps, vbv->rate / 1000, in.profile);
        video << "-maxrate" << number(vbv->rate) << "-bufsize" << QByteArray::number(vbv->buffer)
              << "-rc_init_occupancy" << QByteArray::number(vbv->initial);
    }
    if (in.bFrames) video += QByteArrayList{"-bf", "1"};
    if (in.qpel) video += QByteArrayList{"-flags", "+qpel"};
    video << "-g" << keyframeInterval(in.keyframes) << "-vf" << filters(f);

    const QByteArrayList film = sound.arguments + QByteArrayList{"-f", "avi", job.output};
    if (!twoPass) {
        job.passes << FfmpegRun{"ffmpeg", video + film};
        return job;
    }
    // Both passes share one statistics file, named after the output; the first writes no film.
    const auto pass = [&](const char* n) {
        return video + QByteArrayList{"-pass", n, "-passlogfile", job.output};
    };
    job.passes << FfmpegRun{"ffmpeg", pass("1") + QByteArrayList{"-an", "-f", "null", "-"}};
    job.passes << FfmpegRun{"ffmpeg", pass("2") + film};
    return job;
}

// Words of ours that need no quotes; anything else is quoted.
bool plainWord(const QByteArray& w) {
    return !w.isEmpty() && std::all_of(w.begin(), w.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || QByteArray("+-=:,./_").contains(c);
    });
}

}  // namespace

QStringList FfmpegRun::processArguments(const QByteArrayList& globalOptions) const {
    QStringList list;
    for (const QByteArray& word : globalOptions + arguments)
        list << QFile::decodeName(word);
    return list;
}

std::variant<FfmpegJob, FfmpegRefusal> ffmpegJob(const FfmpegInputs& in, const QByteArray& input,
                                                 const QByteArray& output) {
    try {
        return build(in, input, output);
    } catch (const forms::RuntimeError&) {
        return refuse(Refusal::OutOfRange);
    }
}

QByteArray shellQuoted(const QByteArray& word) {
    QByteArray w = word;
    w.replace('\'', "'\\''");
    return '\'' + w + '\'';
}

QByteArray shellText(const FfmpegJob& job) {
    QByteArray text;
    for (const QString& note : job.notes)
        text += "# " + note.toUtf8() + '\n';
    for (const FfmpegRun& run : job.passes) {
        text += run.program;
        // File names are always quoted: the reader sees where to put their own.
        for (const QByteArray& w : run.arguments)
            text += ' ' + (plainWord(w) && w != job.input && w != job.output ? w : shellQuoted(w));
        text += '\n';
    }
    return text;
}

}  // namespace encoder
