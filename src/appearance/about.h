#pragma once

#include "app/subsystem.h"

namespace appearance {

// The About window: version, links, and a name that keeps changing its colour and font.
class About : public app::Subsystem {
  public:
    About(app::Korvel& k, app::DebugLog& log);

  private:
    void open();
    void tick();
    void unlight();
    void press(const forms::MouseArgs& m);
    void drag(const forms::MouseArgs& m);

    forms::Window& w;
    int pressX_ = 0, pressY_ = 0;
    bool moving_ = false;
};

}  // namespace appearance
