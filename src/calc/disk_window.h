#pragma once

#include "app/part.h"

namespace calc {

// The disk window: the file size from a number of CDs or DVDs.
class DiskWindow : public app::Part {
  public:
    explicit DiskWindow(app::Korvel& k);
    // Computes the size from the discs and writes it into the main window's size field.
    void Disk();
};

}  // namespace calc
