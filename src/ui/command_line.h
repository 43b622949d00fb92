#pragma once

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace ui {

// Answers the command line where it asks for no window: the usage, the version, a mistake.
// Returns the exit status then; nothing when the program should open its window. The Qt
// platform's own options (-platform, -style, ...) pass through to the window.
std::optional<int> answerCommandLine(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err);

}  // namespace ui
