#include "geometry/geometry.h"

#include "app/korvel.h"

namespace geometry {

Geometry::Geometry(app::Korvel& k) : Part(k) {}

void Geometry::size() {}
void Geometry::size2() {}
void Geometry::bitspropixel() {}
void Geometry::heighteingabe() {}

}  // namespace geometry
