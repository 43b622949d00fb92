#include "encoder/ffmpeg_command.h"

#include <QStringList>

namespace encoder {
using forms::num::leading;
using forms::num::pointText;

namespace {

// ffmpeg reads numbers with a point whatever the user's locale.
QString number(const QString& text) {
    return pointText(leading(text));
}

// What the codec would do that ffmpeg's MPEG-4 encoder has no option for, as far as the
// settings ask for it.
QString leftOut(const OptionInputs& in) {
    const bool twoPass = in.mode != QLatin1String("1pass");
    QStringList items;
    if (in.gmc) items << QStringLiteral("global motion compensation");
    if (in.psy != QLatin1String("None")) items << QStringLiteral("psychovisual enhancement");
    if (in.pre != QLatin1String("None")) items << QStringLiteral("pre-processing");
    items << QStringLiteral("performance/quality") << QStringLiteral("scene-change threshold");
    if (in.mode == QLatin1String("2nd")) items << QStringLiteral("modulation");
    if (twoPass) items << QStringLiteral("log file (ffmpeg keeps its own beside the output)");
    if (twoPass && in.mv == 1) items << QStringLiteral("motion-vector file");
    return QStringLiteral("# Not carried over to ffmpeg: ") + items.join(QStringLiteral(", ")) +
           QLatin1Char('\n');
}

// Crop first, then resize, as the codec does; the pixel ratio travels with the picture.
QString filters(const FfmpegInputs& f) {
    const OptionInputs& in = f.codec;
    QStringList chain;
    if (in.crop != 0) {
        const double left = leading(in.cropLeft), top = leading(in.cropTop);
        chain << QStringLiteral("crop=iw-%1:ih-%2:%3:%4")
                     .arg(pointText(left + leading(in.cropRight)),
                          pointText(top + leading(in.cropBottom)), pointText(left), pointText(top));
    }
    if (in.resize == 1)
        chain << QStringLiteral("scale=") + number(in.width) + QLatin1Char(':') + number(in.height);
    chain << QStringLiteral("setsar=") + pointText(f.pixelRatio > 0 ? f.pixelRatio : 1);
    return chain.join(QLatin1Char(','));
}

}  // namespace

QString shellFileName(const QString& name) {
    QString n = name;
    const auto colon = n.indexOf(QLatin1Char(':')), slash = n.indexOf(QLatin1Char('/'));
    if (n.startsWith(QLatin1Char('-')) || (colon >= 0 && (slash < 0 || colon < slash)))
        n.prepend(QStringLiteral("./"));
    n.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + n + QLatin1Char('\'');
}

QString ffmpegCommand(const FfmpegInputs& f, const QString& input, const QString& output) {
    const OptionInputs& in = f.codec;
    const bool twoPass = in.mode == QLatin1String("1st") || in.mode == QLatin1String("2nd");
    const double kbps = leading(in.bitrate);
    QString text = leftOut(in);

    QString video =
        QStringLiteral(" -c:v mpeg4 -vtag DX50 -b:v ") + pointText(kbps) + QLatin1Char('k');
    // The option string names the limits in one pass only; in two passes the profile number
    // carries them, and "None" has none.
    const auto vbv = vbvFigures(in.profile, in.bitrate);
    if (vbv && (in.mode == QLatin1String("1pass") || in.profile != QLatin1String("None"))) {
        video += QStringLiteral(" -maxrate ") + pointText(vbv->rate) +
                 QStringLiteral(" -bufsize ") + QString::number(vbv->buffer);
        if (vbv->rate < kbps * 1000)
            text += QStringLiteral(
                        "# The %1 profile allows at most %2 kbit/s: ffmpeg refuses a "
                        "higher video bitrate.\n")
                        .arg(in.profile, pointText(vbv->rate / 1000));
    }
    if (in.bFrames) video += QStringLiteral(" -bf 1");
    if (in.qpel) video += QStringLiteral(" -flags +qpel");
    video += QStringLiteral(" -g ") + number(in.keyframes) + QStringLiteral(" -vf ") + filters(f);

    const QString audio = f.audioKbps > 0 ? QStringLiteral(" -c:a libmp3lame -b:a ") +
                                                pointText(f.audioKbps) + QLatin1Char('k')
                                          : QStringLiteral(" -an");
    const QString start = QStringLiteral("ffmpeg -i ") + shellFileName(input) + video;
    const QString finish =
        audio + QStringLiteral(" -f avi ") + shellFileName(output) + QLatin1Char('\n');
    if (!twoPass) return text + start + finish;
    // Both passes share one statistics file, named after the output.
    const QString log = QStringLiteral(" -passlogfile ") + shellFileName(output);
    text += start + QStringLiteral(" -pass 1") + log + QStringLiteral(" -an -f null -\n");
    text += start + QStringLiteral(" -pass 2") + log + finish;
    return text;
}

}  // namespace encoder
