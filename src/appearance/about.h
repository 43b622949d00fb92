#pragma once

#include "app/part.h"

namespace appearance {

// The About window.
class About : public app::Part {
  public:
    explicit About(app::Korvel& k);
};

}  // namespace appearance
