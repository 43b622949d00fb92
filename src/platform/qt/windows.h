#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace platform {

// The program's top-level windows under their model names, as the view registers them; the
// services that act on windows (opacity, placement) find them here.
class QtWindows {
  public:
    void add(const QString& name, QWidget* window) { windows_.insert(name, window); }
    // Null when never registered or already gone.
    QWidget* find(const QString& name) const { return windows_.value(name); }

  private:
    QHash<QString, QPointer<QWidget>> windows_;
};

}  // namespace platform
