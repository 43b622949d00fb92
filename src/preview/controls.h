#pragma once

#include "forms/window.h"

namespace preview {
// The preview window: a black surface of the target picture size with its resize grip.
void declareControls(forms::Window& form2);
}  // namespace preview
