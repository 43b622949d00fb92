#pragma once

#include <memory>

#include "platform/services.h"

namespace platform {

// Where this machine keeps the codec's settings: the registry export file named by
// KORVEL_REGISTRY_FILE when it is set; otherwise the current user's registry on Windows and
// Wine's per-user registry file ($WINEPREFIX/user.reg, by default ~/.wine/user.reg) elsewhere.
std::unique_ptr<RegistrySource> codecSettingsSource();

#ifdef _WIN32
// The codec's key in the current user's registry, opened and closed for every value.
class WindowsRegistry : public RegistrySource {
  public:
    std::optional<RegValue> value(const QString& name) const override;
};
#endif

}  // namespace platform
