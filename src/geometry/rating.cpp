#include "geometry/rating.h"

#include "app/korvel.h"

namespace geometry {

Rating::Rating(app::Korvel& k) : Part(k) {}

void Rating::Wertung() {}

}  // namespace geometry
