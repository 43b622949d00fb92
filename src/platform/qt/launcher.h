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
    // A "doc:NAME" target: the installed documentation file NAME beside the program
    // (../share/doc/korvel/NAME), or the source tree's when the program runs from the build
    // tree. Empty when there is none.
    static QString documentationFile(const QString& target, const QString& programDir);

  private:
    std::optional<QStringList> dirs_;
};

}  // namespace platform
