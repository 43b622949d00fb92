#pragma once

#include "forms/window.h"

namespace calc {
// The calculator block of the main window, the spin buttons and the disk window.
void declareControls(forms::Window& form1, forms::Window& disk);
}  // namespace calc
