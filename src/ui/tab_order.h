#pragma once

#include <QStringList>

namespace forms {
class Control;
}

namespace ui {

// The order in which Tab walks a window's controls, by name: the way a person fills the form.
// Controls not named here follow in reading order.
QStringList tabOrder(const QString& window);

// The spin arrows: the mouse steps with them while the field being edited keeps the focus and
// its emptied text (typing in the field does what they do), so they never take the focus.
bool neverFocused(const QString& name);
// Controls the mouse uses but Tab passes by: the preview's grip.
bool clickOnly(const QString& name);

// A picture that does something when clicked, or a label the order names that does: reached by
// Tab, pressed by Space or Enter, and a button (or a link) to a screen reader.
bool pressable(const forms::Control& c);

}  // namespace ui
