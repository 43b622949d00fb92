#include "media/film_info.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace media {

namespace {
// ffprobe writes its numbers as JSON strings, with a point.
double number(const QJsonValue& v) {
    bool ok = false;
    const double x = v.toString().toDouble(&ok);
    return ok && std::isfinite(x) && x > 0 ? x : 0;
}
}  // namespace

double ratioValue(const QString& text) {
    static const QRegularExpression ratio(QStringLiteral("^\\s*([0-9.]+)(?:[:/]([0-9.]+))?\\s*$"));
    const QRegularExpressionMatch m = ratio.match(text);
    if (!m.hasMatch()) return 0;
    const double num = m.captured(1).toDouble(),
                 den = m.captured(2).isEmpty() ? 1 : m.captured(2).toDouble();
    return den > 0 && std::isfinite(num / den) ? num / den : 0;
}

double FilmInfo::displayRatio() const {
    if (width <= 0 || height <= 0) return 0;
    const double dar = ratioValue(displayAspect), sar = ratioValue(sampleAspect);
    return dar > 0 ? dar : width * (sar > 0 ? sar : 1) / height;
}

ProbeReading readProbe(const QByteArray& json) {
    ProbeReading r;
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonArray streams = doc.object().value(QLatin1String("streams")).toArray();
    FilmInfo& f = r.film;
    bool picture = false;
    double longest = 0;
    for (const QJsonValue& v : streams) {
        const QJsonObject s = v.toObject();
        const QString type = s.value(QLatin1String("codec_type")).toString();
        longest = std::max(longest, number(s.value(QLatin1String("duration"))));
        if (type == QLatin1String("audio")) {
            // Matroska keeps the rate among the stream's tags.
            double rate = number(s.value(QLatin1String("bit_rate")));
            if (rate == 0) rate = number(s.value(QLatin1String("tags")).toObject().value("BPS"));
            f.audio.push_back({s.value(QLatin1String("codec_name")).toString(), qint64(rate)});
        } else if (type == QLatin1String("video") && !picture &&
                   s.value("disposition").toObject().value("attached_pic").toInt() == 0) {
            picture = true;
            f.width = s.value(QLatin1String("width")).toInt();
            f.height = s.value(QLatin1String("height")).toInt();
            f.sampleAspect = s.value(QLatin1String("sample_aspect_ratio")).toString();
            f.displayAspect = s.value(QLatin1String("display_aspect_ratio")).toString();
            f.frameRate = ratioValue(s.value(QLatin1String("avg_frame_rate")).toString());
            if (f.frameRate == 0)
                f.frameRate = ratioValue(s.value(QLatin1String("r_frame_rate")).toString());
        }
    }
    const double format = number(doc.object().value("format").toObject().value("duration"));
    f.seconds = format > 0 ? format : longest;
    if (!picture) r.problem = f.audio.empty() ? Problem::NotAFilm : Problem::AudioOnly;
    return r;
}

double packetsEnd(const QByteArray& csv) {
    double end = 0;
    for (const QByteArray& line : csv.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(',');
        bool ok = false;
        const double pts = fields.value(0).toDouble(&ok);
        if (ok) end = std::max(end, pts + std::max(0.0, fields.value(1).toDouble()));
    }
    return end;
}

QString clockText(double seconds) {
    const qint64 s = std::llround(std::max(0.0, seconds));
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace media
