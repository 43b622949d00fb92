#pragma once

#include <QHash>

#include "i18n/captions.h"

class QWidget;

namespace forms {
class Control;
class Runtime;
class Window;
}  // namespace forms

// What a screen reader finds in the program: each window lists only the controls that can be
// seen, with the role they play for the user (a flag to click is a button, the lock's choices are
// radio buttons) and a name that says what they are, in the language on screen.
namespace ui {

// Once, before the first widget exists.
void installAccessibility();

// After a window's widgets exist: option buttons of one model group become one radio group, and
// the window tells a screen reader when a control appears or disappears.
void prepareAccessibility(QWidget* window, const forms::Window& w,
                          const QHash<const forms::Control*, QWidget*>& widgets);

// The name a control is read by and, for a button whose caption is the current value of a
// setting, that value as its description.
void nameControl(const forms::Control& c, QWidget* widget);
// A window without a title of its own (the preview) is read by a name in that language.
void nameWindow(const forms::Window& w, QWidget* window, i18n::Language lang);

// The language the program speaks now.
i18n::Language languageShown(const forms::Runtime& rt);

}  // namespace ui
