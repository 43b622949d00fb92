#pragma once

#include "app/subsystem.h"
#include "appearance/look.h"

namespace geometry {
class Geometry;  // which sizes the preview, so it is declared with it
}

namespace preview {

// The preview window: a black surface of the target picture size. It moves by dragging, hides
// on a double click, resizes by its grip (writing the size back into the picture geometry),
// turns translucent, and scolds a user who shrinks it to nothing.
class Preview : public app::Subsystem {
  public:
    Preview(app::Korvel& k, app::DebugLog& log, geometry::Geometry& geo, appearance::Look& look);
    // Sizes the window (twips) and keeps the grip 180 twips inside the lower-right corner.
    void fit(double widthTwips, double heightTwips);
    // Resets the window and scolds the user.
    void stopp();

  private:
    // moving.cpp
    void wireMoving();
    void open();
    void pressSurface(const forms::MouseArgs& m);
    void dragSurface(const forms::MouseArgs& m);

    // resizing.cpp
    void wireResizing();
    void pressGrip(const forms::MouseArgs& m);
    void dragGrip(const forms::MouseArgs& m);
    void releaseGrip();
    void writeBack();
    void stretchPicture();
    void transparencyChange();
    void placeGrip();
    void scold();

    geometry::Geometry& geo;
    appearance::Look& look;
    forms::Window& f2;
    forms::Button& sizebutton;
    forms::Timer& DivXTimer;
    bool placed_ = false;  // opened once: from then on it stays where the user put it
};

}  // namespace preview
