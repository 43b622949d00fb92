#include "platform/qt/screen.h"

#include <QGuiApplication>
#include <QScreen>

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
    const QPointer<QWidget> w = windows_.value(window);
    if (!w) return {};
    const QRect outer = w->frameGeometry(), inner = w->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom()) *
           15;
}

}  // namespace platform
