#pragma once

#include <QHash>

class QWidget;
namespace forms {
class Control;
class Window;
}  // namespace forms

namespace ui {

// Tab follows the window's order (the way the form is filled); what the order leaves out follows
// in reading order. A control's tab stop and pressable labels and pictures set the focus policy.
void applyTabOrder(const forms::Window& w, const QHash<const forms::Control*, QWidget*>& widgets);

// A picture that does something when clicked, or a label the order names that does: reached by
// Tab, pressed by Space or Enter, and a button (or a link) to a screen reader.
bool pressable(const forms::Control& c);

}  // namespace ui
