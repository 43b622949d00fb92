#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace ui {

// The program's pictures, drawn as vector shapes so they stay sharp at any scale. An unknown
// name gives an empty pixmap.
QPixmap image(const QString& name, QSize logicalSize, qreal devicePixelRatio);

}  // namespace ui
