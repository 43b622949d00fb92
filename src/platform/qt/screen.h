#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/services.h"

namespace platform {

// The screens the window system reports, in device-independent pixels turned into twips.
class QtScreen : public Screen {
  public:
    std::optional<QRect> availableArea(QPoint at) const override;
    QMargins frame(const QString& window) const override;
    // The program's windows, by their model names, for their frames.
    void registerWindow(const QString& name, QWidget* window) { windows_.insert(name, window); }

  private:
    QHash<QString, QPointer<QWidget>> windows_;
};

}  // namespace platform
