#include "media/progress.h"

#include <algorithm>
#include <cmath>

#include "forms/numbers.h"

namespace media {

std::optional<ProgressReader::Tick> ProgressReader::feed(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0) return std::nullopt;
    const QByteArray key = line.left(eq).trimmed(), value = line.mid(eq + 1).trimmed();
    bool ok = false;
    if (key == "out_time_us") {
        // Before the first frame it reads "N/A"; the last good value stands.
        const double us = value.toDouble(&ok);
        if (ok && us >= 0) seconds_ = us / 1e6;
    } else if (key == "progress") {
        return Tick{seconds_, value == "end"};
    }
    return std::nullopt;
}

double shareDone(int pass, int passes, double passSeconds, double filmSeconds) {
    if (passes < 1 || filmSeconds <= 0) return 0;
    const double inPass = std::clamp(passSeconds / filmSeconds, 0.0, 1.0);
    return std::clamp((pass - 1 + inPass) / passes, 0.0, 1.0);
}

std::optional<double> secondsLeft(double secondsGone, double share) {
    if (share < 0.01 || secondsGone <= 0) return std::nullopt;
    return secondsGone / share * (1 - std::min(share, 1.0));
}

Message sizeLine(qint64 bytes, double targetMB) {
    const double mb = bytes / (1024.0 * 1024.0);
    const QString size = QString::number(mb, 'f', 1);
    if (targetMB <= 0) return {Says::Size, {size}};
    // Rounded first, so a miss too small to show is "+0.00 %", never "-0.00 %".
    const double miss = std::round((mb - targetMB) / targetMB * 10000) / 100;
    return {Says::SizeOfAsked,
            {size, forms::num::pointText(targetMB),
             QLatin1Char(miss < 0 ? '-' : '+') + QString::number(std::abs(miss), 'f', 2)}};
}

}  // namespace media
