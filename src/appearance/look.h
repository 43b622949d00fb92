#pragma once

#include "app/part.h"

namespace appearance {

// Window transparency, dragging, size modes, breathing and colour themes.
class Look : public app::Part {
  public:
    explicit Look(app::Korvel& k);
    // Applies an opacity (0 transparent .. 255 opaque). 0 applied, 1 refused, 2 platform error.
    int SetAlpha(forms::Window& w, int alpha);
    void sizeMin();
    void sizeMid();
    void sizeMax();
};

}  // namespace appearance
