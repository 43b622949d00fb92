#pragma once

#include "app/part.h"

namespace encoder {

// The encoder settings of the main window and the option string built from them.
class Encoder : public app::Part {
  public:
    explicit Encoder(app::Korvel& k);
    // Rebuilds the option string into DivXBox (which rates it).
    void DivX();
    // The hardware profile decides which motion options are available.
    void mpeg4();
};

}  // namespace encoder
