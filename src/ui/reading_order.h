#pragma once

#include <QString>
#include <vector>

#include "forms/window.h"

// How a window reads to someone using the keyboard or a screen reader: the order of its
// controls, and a name for a control that has none of its own. Both come from the layout and the
// captions.
namespace ui {

// Rows top to bottom (a control whose middle lies within a row joins it), left to right within
// a row.
std::vector<forms::Control*> readingOrder(const forms::Window& w);

// The label that names a control without a caption of its own: the nearest label with words
// in it to the control's left on the same row; else the nearest such label just above it.
const forms::Control* buddyLabel(const forms::Window& w, const forms::Control& c);

// What a control without a spoken name of its own is announced as: its own caption, else its
// buddy label's caption, else its name.
QString accessibleName(const forms::Window& w, const forms::Control& c);

}  // namespace ui
