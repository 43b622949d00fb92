#include "app/placement.h"

#include <algorithm>

#include "app/korvel.h"

namespace app {

namespace {
int fitAxis(int pos, int size, int start, int length) {
    if (size > length) return start;
    return std::clamp(pos, start, start + length - size);
}
}  // namespace

QPoint fitInside(const QRect& window, const QRect& area) {
    return {fitAxis(window.x(), window.width(), area.x(), area.width()),
            fitAxis(window.y(), window.height(), area.y(), area.height())};
}

void Korvel::keepOnScreen(forms::Window& w) {
    const QPoint mainCentre(form1.left() + form1.width() / 2, form1.top() + form1.height() / 2);
    const std::optional<QRect> area = sv.screen.availableArea(mainCentre);
    if (!area) return;
    // The window's place is its frame's; its size is the inner one.
    const QMargins m = sv.screen.frame(w.name());
    const QSize outer(w.width() + m.left() + m.right(), w.height() + m.top() + m.bottom());
    const QPoint at = fitInside(QRect(QPoint(w.left(), w.top()), outer), *area);
    if (at != QPoint(w.left(), w.top())) w.move(at.x(), at.y());
}

}  // namespace app
