#pragma once

#include "app/part.h"

namespace encoder {

// The user-defined settings window.
class SettingsWindow : public app::Part {
  public:
    explicit SettingsWindow(app::Korvel& k);
};

}  // namespace encoder
