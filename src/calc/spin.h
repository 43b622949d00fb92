#pragma once

#include "app/part.h"

namespace calc {

// The up/down buttons beside the play time and the audio bitrate, with auto-repeat.
class Spinners : public app::Part {
  public:
    explicit Spinners(app::Korvel& k);
    void SpinIt(int step);
    void audioGrow();
    void audioDown();
};

}  // namespace calc
