#include "media/borders.h"

#include <QRegularExpression>
#include <algorithm>

namespace media {

std::vector<Stretch> chooseStretches(double filmSeconds, int count, double seconds) {
    if (filmSeconds <= 0 || count < 1) return {{0, seconds}};
    std::vector<Stretch> out;
    for (int i = 0; i < count; ++i)
        out.push_back({filmSeconds * (i + 0.5) / count, std::min(seconds, filmSeconds / count)});
    return out;
}

std::optional<PictureArea> readCropLine(const QByteArray& line) {
    static const QRegularExpression area(
        QStringLiteral("\\[Parsed_cropdetect.* x1:(-?\\d+) x2:(-?\\d+) y1:(-?\\d+) y2:(-?\\d+) "));
    const QRegularExpressionMatch m = area.match(QString::fromLatin1(line));
    if (!m.hasMatch()) return std::nullopt;
    return PictureArea{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                       m.captured(4).toInt()};
}

Borders bordersThroughout(const std::vector<PictureArea>& areas, int width, int height) {
    std::optional<PictureArea> all;
    for (const PictureArea& a : areas) {
        if (a.black()) continue;
        if (!all) all = a;
        all = PictureArea{std::min(all->x1, a.x1), std::max(all->x2, a.x2), std::min(all->y1, a.y1),
                          std::max(all->y2, a.y2)};
    }
    if (!all || width <= 0 || height <= 0) return {};
    const auto even = [](int v) { return std::max(0, v + (v & 1)); };
    Borders b{even(all->x1), even(width - 1 - all->x2), even(all->y1), even(height - 1 - all->y2)};
    // Rounding never crops the whole picture away.
    if (b.left + b.right >= width) b.left = b.right = 0;
    if (b.top + b.bottom >= height) b.top = b.bottom = 0;
    return b;
}

}  // namespace media
