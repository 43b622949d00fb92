#pragma once

#include "platform/services.h"

namespace platform {

// Ends the program by leaving the application's event loop.
class QtProgramEnd : public ProgramEnd {
  public:
    void end(bool saved) override;
    bool ended() const { return ended_; }
    bool savedAtEnd() const { return saved_; }

  private:
    bool ended_ = false, saved_ = false;
};

}  // namespace platform
