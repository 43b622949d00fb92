#pragma once

#include <optional>

#include "platform/services.h"

namespace platform {

// Starts the system's calculator and opens addresses with the desktop's handlers. Programs are
// started directly, never through a shell.
class QtLauncher : public Launcher {
  public:
    // Looks for the calculator on the PATH.
    QtLauncher() = default;
    // Looks only in these folders (none: finds nothing).
    explicit QtLauncher(QStringList searchDirs) : dirs_(std::move(searchDirs)) {}

    bool startCalculator() override;
    bool open(const QString& target) override;

    // The calculators tried, most wanted first.
    static QStringList calculatorNames();
    // The full paths of those that exist in the search folders, in the same order.
    QStringList calculatorPaths() const;

  private:
    std::optional<QStringList> dirs_;
};

}  // namespace platform
