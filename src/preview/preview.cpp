#include "preview/preview.h"

#include <limits>

#include "app/korvel.h"

namespace preview {

namespace {
// Twips as the window takes them: whole, and within what a window can measure.
int wholeTwips(double t) {
    const double limit = std::numeric_limits<int>::max() / 2;
    if (!(t > -limit)) return int(-limit);
    if (t > limit) return int(limit);
    return int(forms::num::Int(t + 0.5));
}
}  // namespace

Preview::Preview(app::Korvel& k) : Part(k) {}

void Preview::fit(double widthTwips, double heightTwips) {
    const int width = wholeTwips(widthTwips), height = wholeTwips(heightTwips);
    k.form2.resize(width, height);
    k.form2.get<forms::Button>("sizebutton").move(width - 180, height - 180);
}

void Preview::stopp() {}

}  // namespace preview
