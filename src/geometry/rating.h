#pragma once

#include "app/part.h"

namespace geometry {

// The quality rating: colours the option string from green to red.
class Rating : public app::Part {
  public:
    explicit Rating(app::Korvel& k);
    void Wertung();
};

}  // namespace geometry
