#pragma once

#include "forms/window.h"

namespace encoder {
// The encoder block of the main window and the user-defined settings window.
void declareControls(forms::Window& form1, forms::Window& form3);
}  // namespace encoder
