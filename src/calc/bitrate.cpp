#include "calc/bitrate.h"

#include <algorithm>

#include "forms/numbers.h"
#include "platform/services.h"

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
    return recommendedBitrate(
        sizeMB, minutes, audioKbps,
        leading(store.read(QStringLiteral("alg1"), QLatin1String(kAlgDefault))),
        leading(store.read(QStringLiteral("alg2"), QLatin1String(kAlg2Default))));
}

}  // namespace calc
