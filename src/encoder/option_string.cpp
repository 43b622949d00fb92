#include "encoder/option_string.h"

namespace encoder {
using forms::num::leading;

namespace {

QString rateToken(const QString& mode) {
    if (mode == QLatin1String("1pass")) return QStringLiteral("-bv1 ");
    if (mode == QLatin1String("1st")) return QStringLiteral("-bvn1 ");
    if (mode == QLatin1String("2nd")) return QStringLiteral("-bvnn ");
    return QString();
}

QString filterNumber(const QString& resample) {
    if (resample == QLatin1String("very soft")) return QStringLiteral(",1 ");
    if (resample == QLatin1String("soft")) return QStringLiteral(",2 ");
    if (resample == QLatin1String("sharp")) return QStringLiteral(",3 ");
    return QStringLiteral(",4 ");
}

QString qualityNumber(const QString& quality) {
    if (quality == QLatin1String("Fastest")) return QStringLiteral("1 ");
    if (quality == QLatin1String("Standard")) return QStringLiteral("5 ");
    if (quality == QLatin1String("Slow")) return QStringLiteral("64 ");
    if (quality == QLatin1String("Slowest")) return QStringLiteral("192 ");
    return QString();
}

QString vbvToken(const QString& profile, const QString& bitrate, const forms::NumberLocale& loc) {
    const auto vbv = vbvFigures(profile, bitrate);
    if (!vbv) return QString();
    return QStringLiteral("-vbv ") + forms::num::text(vbv->rate, loc) + QLatin1Char(',') +
           QString::number(vbv->buffer) + QLatin1Char(',') + QString::number(vbv->initial) +
           QLatin1Char(' ');
}

QString profileToken(const QString& profile) {
    static const char* const names[] = {"None", "Handheld", "Portable", "HomeThter", "Hight Def"};
    for (int i = 0; i < 5; ++i)
        if (profile == QLatin1String(names[i]))
            return QStringLiteral("-profile ") + QString::number(i);
    return QString();
}

}  // namespace

// The buffer sizes each hardware profile allows; the rate follows the bitrate except for the two
// small profiles.
std::optional<Vbv> vbvFigures(const QString& profile, const QString& bitrate) {
    const double rate = leading(bitrate) * 10000;
    if (profile == QLatin1String("Handheld")) return Vbv{1280000, 262144, 196608};
    if (profile == QLatin1String("Portable")) return Vbv{768000, 1048576, 786432};
    if (profile == QLatin1String("HomeThter")) return Vbv{rate, 3145728, 2359296};
    if (profile == QLatin1String("Hight Def") || profile == QLatin1String("None"))
        return Vbv{rate, 6291456, 4718592};
    return std::nullopt;
}

QString optionString(const OptionInputs& in, const forms::NumberLocale& loc) {
    const auto number = [&](const QString& t) { return forms::num::text(leading(t), loc); };
    const QString quote = QStringLiteral("\"");
    const bool onePass = in.mode == QLatin1String("1pass");
    const bool secondPass = in.mode == QLatin1String("2nd");

    QString s = rateToken(in.mode);
    s += in.bitrate + QLatin1Char(' ');
    if (in.crop != 0)
        s += QStringLiteral("-c ") + number(in.cropLeft) + QLatin1Char(',') + number(in.cropRight) +
             QLatin1Char(',') + number(in.cropTop) + QLatin1Char(',') + number(in.cropBottom) +
             QLatin1Char(' ');
    if (in.resize == 1)
        s += QStringLiteral("-r ") + in.width + QLatin1Char(',') + in.height +
             filterNumber(in.resample);
    if (in.pre != QLatin1String("None")) s += QStringLiteral("-pre ") + in.pre + QLatin1Char(' ');
    if (in.psy != QLatin1String("None"))
        s +=
            in.psy == QLatin1String("Fast") ? QStringLiteral("-psy 2 ") : QStringLiteral("-psy 1 ");
    s += QStringLiteral("-key ") + in.keyframes + QLatin1Char(' ');
    if (!onePass) {
        s += QStringLiteral("-log ") + quote + in.dir + QStringLiteral("divx.log") + quote +
             QLatin1Char(' ');
        if (in.log == 1 && secondPass) s += QStringLiteral(" -w ");
        if (in.mv == 1)
            s += QStringLiteral(" -mv ") + quote + in.dir + QStringLiteral("mvinfo.bin") + quote +
                 QLatin1Char(' ');
    }
    if (in.prompt == 0) s += QStringLiteral("-p ");
    if (in.bFrames) s += QStringLiteral("-b ");
    if (in.gmc) s += QStringLiteral("-g ");
    if (in.qpel) s += QStringLiteral("-q ");
    s += QStringLiteral("-sc ") + number(in.sceneChange) + QLatin1Char(' ');
    s += QStringLiteral("-pq ") + qualityNumber(in.quality);
    if (onePass) s += vbvToken(in.profile, in.bitrate, loc);
    if (secondPass) s += QStringLiteral("-mod ") + in.modulation + QStringLiteral("0000 ");
    s += profileToken(in.profile);
    if (in.noFeedback == 1) s += QStringLiteral(" -nf");
    return s;
}

}  // namespace encoder
