#include "calc/bitrate.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "app/settings_table.h"
#include "forms/numbers.h"

namespace calc {
using namespace forms::num;

double videoBitrate(double sizeMB, double minutes, double audioKbps, double alg, double alg2) {
    return div(sizeMB * 8 * alg, minutes * 60) - audioKbps + alg2;
}

qint64 recommendedBitrate(double sizeMB, double minutes, double audioKbps, double alg,
                          double alg2) {
    if (sizeMB == 0 || minutes == 0) return 0;
    // The window keeps the result as text of 15 digits before it rounds it.
    const double r = leading(pointText(videoBitrate(sizeMB, minutes, audioKbps, alg, alg2)));
    if (r < 1) return 0;
    return qint64(std::min(Int(r + 0.5), 16000.0));
}

qint64 recommendedBitrate(const platform::SettingsStore& store, double sizeMB, double minutes,
                          double audioKbps) {
    return recommendedBitrate(sizeMB, minutes, audioKbps,
                              leading(app::settings::read(store, app::settings::setting("alg1"))),
                              leading(app::settings::read(store, app::settings::setting("alg2"))));
}

std::optional<double> playMinutesOf(const QString& hhmmss) {
    static const QRegularExpression time(QStringLiteral("^(\\d{1,2}):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch m = time.match(hhmmss);
    if (!m.hasMatch()) return std::nullopt;
    const double hh = m.captured(1).toDouble(), mm = m.captured(2).toDouble(),
                 ss = m.captured(3).toDouble();
    if (hh > 59 || mm > 59 || ss > 59) return std::nullopt;
    // The window keeps the minutes as text of 15 digits.
    return leading(pointText(mm + hh * 60 + ss / 60));
}

namespace {
// A number as a script writes it: digits with at most one decimal point, no sign or unit.
bool plainNumber(const QString& t) {
    static const QRegularExpression plain(QStringLiteral("^(\\d+\\.?\\d*|\\.\\d+)$"));
    return plain.match(t).hasMatch();
}
}  // namespace

std::optional<double> fileSizeOf(const QString& mb) {
    if (!plainNumber(mb) || leading(mb) > 100000) return std::nullopt;
    return std::nearbyint(leading(mb));
}

std::optional<double> audioRateOf(const QString& kbps) {
    if (!plainNumber(kbps)) return std::nullopt;
    return leading(kbps);
}

}  // namespace calc
