#pragma once

#include <QString>
#include <vector>

#include "forms/window.h"

// How a window reads to someone using the keyboard or a screen reader: the order of its
// controls and the name each one is announced by. Both come from the layout and the captions,
// so they follow every window and every language without a list to keep up to date.
namespace ui {

// Rows top to bottom (a control whose middle lies within a row joins it), left to right within
// a row.
std::vector<forms::Control*> readingOrder(const forms::Window& w);

// The label that names a control without a caption of its own: the nearest label with words
// in it to the control's left on the same row; else the nearest such label just above it.
const forms::Control* buddyLabel(const forms::Window& w, const forms::Control& c);

// What a control is announced as: its own caption, else its picture's meaning, else its buddy
// label's caption, else its name.
QString accessibleName(const forms::Window& w, const forms::Control& c);

}  // namespace ui
