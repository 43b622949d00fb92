#include "appearance/about.h"

#include "app/korvel.h"

namespace appearance {

About::About(app::Korvel& k) : Part(k) {}

}  // namespace appearance
