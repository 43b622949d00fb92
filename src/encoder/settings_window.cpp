#include "encoder/settings_window.h"

#include "app/korvel.h"

namespace encoder {

SettingsWindow::SettingsWindow(app::Korvel& k) : Part(k) {}

}  // namespace encoder
