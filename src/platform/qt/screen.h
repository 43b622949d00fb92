#pragma once

#include "platform/qt/windows.h"
#include "platform/services.h"

namespace platform {

// The screens the window system reports, in device-independent pixels turned into twips.
class QtScreen : public Screen {
  public:
    explicit QtScreen(const QtWindows& windows) : windows_(windows) {}
    std::optional<QRect> availableArea(QPoint at) const override;
    QMargins frame(const QString& window) const override;

  private:
    const QtWindows& windows_;
};

}  // namespace platform
