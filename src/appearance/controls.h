#pragma once

#include "forms/window.h"

namespace appearance {
// The main window's extras (credit line, size modes, notes, preview and clear buttons, exit),
// the About window and the debug window.
void declareControls(forms::Window& form1, forms::Window& about, forms::Window& debug);
}  // namespace appearance
