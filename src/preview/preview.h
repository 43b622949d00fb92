#pragma once

#include "app/part.h"

namespace preview {

// The preview window: shows the target picture size and resizes it by its grip.
class Preview : public app::Part {
  public:
    explicit Preview(app::Korvel& k);
    // Sizes the window (twips) and keeps the grip 180 twips inside the lower-right corner.
    void fit(double widthTwips, double heightTwips);
    // Resets the window and scolds the user.
    void stopp();
};

}  // namespace preview
