#include "platform/qt/window_effects.h"

#include <algorithm>

namespace platform {

int QtWindowEffects::setOpacity(const QString& window, int alpha) {
    QWidget* widget = windows_.find(window);
    if (!widget) return 2;
    widget->window()->setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
    return 0;
}

}  // namespace platform
