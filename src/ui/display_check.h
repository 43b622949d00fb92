#pragma once

namespace ui {

// Without a display Qt ends the program while the application object is being made, with an
// abort, a core dump and advice to reinstall. Held around that construction, this says instead
// in one line which display could not be opened, and ends with status 1. What Qt says meanwhile
// is held back, and passed on once the display is open.
class DisplayCheck {
  public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The display is open: the held messages go out, and Qt's own handling is back.
    void opened();
};

}  // namespace ui
