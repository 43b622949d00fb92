#pragma once

#include "app/part.h"

namespace encoder {

// Reads the codec's own settings into the windows.
class Import : public app::Part {
  public:
    explicit Import(app::Korvel& k);
    void getReg();
};

}  // namespace encoder
