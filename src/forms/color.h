#pragma once

#include <QString>

namespace forms {

// An RGB colour, or "none" where a control shows its window's or the system's colour.
struct Color {
    int r = 0, g = 0, b = 0;
    bool none = false;

    static constexpr Color rgb(int r, int g, int b) { return Color{r, g, b, false}; }
    static constexpr Color unset() { return Color{0, 0, 0, true}; }
    bool operator==(const Color& o) const {
        return none == o.none && (none || (r == o.r && g == o.g && b == o.b));
    }
    bool operator!=(const Color& o) const { return !(*this == o); }
    // "R,G,B", or "none".
    QString text() const {
        return none ? QStringLiteral("none") : QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b);
    }
};

namespace colors {
inline constexpr Color white = Color::rgb(255, 255, 255);
inline constexpr Color black = Color::rgb(0, 0, 0);
inline constexpr Color red = Color::rgb(255, 0, 0);
}  // namespace colors

}  // namespace forms
