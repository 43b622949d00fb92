#pragma once

#include "forms/window.h"

namespace i18n {
// The three flags that switch the language.
void declareControls(forms::Window& form1);
}  // namespace i18n
