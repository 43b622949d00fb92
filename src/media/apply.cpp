#include "media/apply.h"

#include <cmath>

#include "app/korvel.h"

namespace media {

using forms::TextBox;

namespace {
// Fixed decimals without the zeros at the end.
QString trimmed(double v, int decimals) {
    QString t = QString::number(v, 'f', decimals);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    }
    return t;
}

QString twoDigits(qint64 v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
}  // namespace

ClockFields clockFields(double seconds) {
    const qint64 s = qint64(std::ceil(std::max(0.0, seconds)));
    return {twoDigits(s / 3600), twoDigits(s / 60 % 60), twoDigits(s % 60)};
}

QString frameRateText(double fps) {
    return trimmed(fps, 3);
}

QString aspectText(double ratio, bool plainUnit) {
    const double v = plainUnit ? ratio : ratio * 100;
    for (int decimals = 4; decimals > 0; --decimals)
        if (trimmed(v, decimals).size() <= 6) return trimmed(v, decimals);
    return trimmed(v, 0);
}

Applied applyFilm(app::Korvel& k, const FilmInfo& film) {
    Applied a;
    const auto field = [&](const char* name) -> TextBox& {
        return k.form1.get<TextBox>(QLatin1String(name));
    };
    k.st.film = film.file;
    if (film.seconds <= 0) {
        a.note += Says::NoPlayTime;
    } else if (field("HH").readOnly()) {
        a.note += Says::LockDerivesTime;
    } else {
        const ClockFields c = clockFields(film.seconds);
        k.rt.userType(field("HH"), c.hh);
        k.rt.userType(field("MM"), c.mm);
        k.rt.userType(field("SS"), c.ss);
        a.time = true;
    }
    if (film.frameRate > 0) {
        k.rt.userType(field("framerate"), frameRateText(film.frameRate));
        a.frameRate = true;
    } else {
        a.note += Says::NoFrameRate;
    }
    if (film.displayRatio() > 0) {
        const bool plain = k.form1.find(QStringLiteral("ratio"))->caption() == QLatin1String(":1");
        k.rt.userType(field("aspect"), aspectText(film.displayRatio(), plain));
        a.aspect = true;
    }
    return a;
}

bool applyBorders(app::Korvel& k, const Borders& b) {
    if (!k.form3.visible()) return false;
    const int values[] = {b.left, b.right, b.top, b.bottom};
    int i = 0;
    for (const char* name : {"cropLeft", "cropRight", "cropTop", "cropBottom"})
        k.rt.userType(k.form3.get<TextBox>(QLatin1String(name)), QString::number(values[i++]));
    return true;
}

}  // namespace media
