#include "i18n/controls.h"

#include "app/declare.h"

namespace i18n {
using namespace app::declare;

void declareControls(forms::Window& f) {
    picture(f, "deutsch", "flagGerman", {262, 4, 16, 12});
    picture(f, "english", "flagEnglish", {280, 4, 16, 12});
    picture(f, "french", "flagFrench", {298, 4, 16, 12});
    // Tab: the first of the window's own picture buttons, after the encoder.
    f.addTabOrder({"deutsch", "english", "french"}, "CropPic");
}

}  // namespace i18n
