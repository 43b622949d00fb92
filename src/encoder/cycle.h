#pragma once

#include <QString>
#include <QStringList>

namespace encoder {

// The caption a cycling button shows after a click: the next one of its cycle, wrapping round;
// a caption outside the cycle (a stored or imported value) goes to `other`.
inline QString advance(const QString& caption, const QStringList& cycle, const QString& other) {
    const auto i = cycle.indexOf(caption);
    if (i < 0) return other;
    return cycle.at((i + 1) % cycle.size());
}

}  // namespace encoder
