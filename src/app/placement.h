#pragma once

#include <QPoint>
#include <QRect>

namespace app {

// Where a window of the given place and size goes so that it lies inside area: moved the least
// distance, or to the area's top-left corner along an axis where it is larger than the area.
QPoint fitInside(const QRect& window, const QRect& area);

}  // namespace app
