#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

#include "platform/services.h"

namespace platform {

// Window opacity for the program's windows, which the view registers under their model names.
// Without a compositing window system Qt keeps the windows opaque; that is not an error.
class QtWindowEffects : public WindowEffects {
  public:
    void registerWindow(const QString& name, QWidget* window) { windows_.insert(name, window); }
    // 0 applied, 2 no such window (never registered or already gone).
    int setOpacity(const QString& window, int alpha) override;

  private:
    QHash<QString, QPointer<QWidget>> windows_;
};

}  // namespace platform
