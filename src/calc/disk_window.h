#pragma once

#include <optional>

#include "app/subsystem.h"

namespace calc {

// The disk window: the file size from a number of CDs or DVDs.
class DiskWindow : public app::Subsystem {
  public:
    DiskWindow(app::Korvel& k, app::DebugLog& log);
    // Computes the size from the discs and writes it into the main window's size field.
    void Disk();

  private:
    void toggle();
    void comboClick();
    std::optional<QString> carried(double x) const;

    forms::TextBox &anz, &DiskCombo, &groesse;
    forms::OptionButton &op2048, &op2324;
};

}  // namespace calc
