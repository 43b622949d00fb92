// Opening, moving and hiding the preview window.
#include "app/korvel.h"
#include "geometry/geometry.h"
#include "preview/preview.h"

namespace preview {

void Preview::wireMoving() {
    k.form1.get<forms::Button>("form2show").onClick = [this] { open(); };
    auto& thepic = f2.get<forms::Picture>("thepic");
    // The picture moves the window like the surface it lies on.
    f2.onMouseDown = thepic.onMouseDown = [this](const forms::MouseArgs& m) { pressSurface(m); };
    f2.onMouseMove = thepic.onMouseMove = [this](const forms::MouseArgs& m) { dragSurface(m); };
    f2.onMouseUp = thepic.onMouseUp = [this](const forms::MouseArgs&) { k.pv.moving = false; };
    f2.onDblClick = thepic.onDblClick = [this] { f2.hide(); };
    f2.onKeyDown = forms::onEscape(f2.onDblClick);
}

void Preview::open() {
    if (!placed_) {
        // The first time beside the main window rather than over it.
        placed_ = true;
        f2.move(k.form1.left() + k.form1.width() + 150, k.form1.top());
    }
    f2.show();
    geo.size();
    placeGrip();
    k.keepOnScreen(f2);
}

void Preview::pressSurface(const forms::MouseArgs& m) {
    k.pv.moveX = numText(m.x);
    k.pv.moveY = numText(m.y);
    k.pv.moving = true;
}

void Preview::dragSurface(const forms::MouseArgs& m) {
    if (!k.pv.moving) return;
    // Statement by statement: a position that cannot be read leaves that coordinate alone.
    int left = f2.left(), top = f2.top();
    try {
        left = int(Int(f2.left() - (locale(k.pv.moveX) - m.x)));
    } catch (const forms::RuntimeError&) {
    }
    try {
        top = int(Int(f2.top() - (locale(k.pv.moveY) - m.y)));
    } catch (const forms::RuntimeError&) {
    }
    f2.move(left, top);
}

}  // namespace preview
