#pragma once

#include "app/part.h"

namespace appearance {

// The notes box with its keywords, and the debug window.
class Notes : public app::Part {
  public:
    explicit Notes(app::Korvel& k);
    // Appends one entry to the debug window (and so to the log file).
    void debugwrite(const QString& entry);
};

}  // namespace appearance
