#pragma once

#include <QStringList>

namespace ui {

// The order in which Tab walks a window's controls, by name: the way a person fills the form.
// Controls not named here follow in reading order.
QStringList tabOrder(const QString& window);

// Controls the mouse uses but Tab passes by: the spin arrows (typing in their field does what
// they do) and the preview's grip.
bool clickOnly(const QString& name);

}  // namespace ui
