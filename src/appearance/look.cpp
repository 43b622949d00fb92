#include "appearance/look.h"

#include "app/korvel.h"

namespace appearance {

Look::Look(app::Korvel& k) : Part(k) {}

int Look::SetAlpha(forms::Window& w, int alpha) {
    if (alpha < 0 || alpha > 255) return 1;
    const int status = k.sv.effects.setOpacity(w.name(), alpha);
    if (status == 0) w.setOpacity(alpha);
    return status;
}

void Look::sizeMin() {}
void Look::sizeMid() {}
void Look::sizeMax() {}

}  // namespace appearance
