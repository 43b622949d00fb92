#include "platform/qt/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace platform {

std::optional<QRect> QtScreen::availableArea(QPoint at) const {
    const QPoint pixel(at.x() / 15, at.y() / 15);
    QScreen* screen = QGuiApplication::screenAt(pixel);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const QRect a = screen->availableGeometry();
    return QRect(a.x() * 15, a.y() * 15, a.width() * 15, a.height() * 15);
}

QMargins QtScreen::frame(const QString& window) const {
    const QWidget* w = windows_.find(window);
    // A frameless window has none; asking the window system could only bring stale figures.
    if (!w || w->windowFlags().testFlag(Qt::FramelessWindowHint)) return {};
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    // Without a window manager the figures may be the last move's distance: a real frame is
    // a title bar and borders, never more than this.
    const auto side = [](int px) { return std::clamp(px, 0, 48) * 15; };
    return QMargins(side(inner.left() - outer.left()), side(inner.top() - outer.top()),
                    side(outer.right() - inner.right()), side(outer.bottom() - inner.bottom()));
}

}  // namespace platform
