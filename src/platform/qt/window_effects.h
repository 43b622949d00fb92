#pragma once

#include "platform/qt/windows.h"
#include "platform/services.h"

namespace platform {

// Window opacity for the program's windows. Without a compositing window system Qt keeps the
// windows opaque; that is not an error.
class QtWindowEffects : public WindowEffects {
  public:
    explicit QtWindowEffects(const QtWindows& windows) : windows_(windows) {}
    // 0 applied, 2 no such window (never registered or already gone).
    int setOpacity(const QString& window, int alpha) override;

  private:
    const QtWindows& windows_;
};

}  // namespace platform
