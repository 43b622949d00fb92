#include "geometry/solver.h"

#include "app/korvel.h"

namespace geometry {

Solver::Solver(app::Korvel& k) : Part(k) {}

void Solver::resolution() {}

}  // namespace geometry
