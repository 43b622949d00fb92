#pragma once

#include <span>

#include "app/settings_table.h"
#include "app/subsystem.h"
#include "appearance/look.h"
#include "calc/calculator.h"
#include "encoder/encoder.h"
#include "geometry/geometry.h"
#include "i18n/languages.h"

namespace app {

// Start-up, its completion, the exit command and clear-all: the store's values in and out.
class Lifecycle : public Subsystem {
  public:
    Lifecycle(Korvel& k, DebugLog& log, appearance::Look& look, i18n::Languages& lang,
              geometry::Geometry& geo, encoder::Encoder& enc, calc::Calculator& calc);

    // The main window's load: restores every stored value into the controls of all windows.
    void load();
    // Runs when HH first takes the focus: the calculator goes live.
    void completeStartup();
    // Writes the preferences (unless cleared in this run) and ends the program.
    [[noreturn]] void exitCommand();
    // Resets the windows to factory values and erases the store.
    void clearAll();

    // Major x 100 + minor x 10 + revision.
    static int versionNumber();
    // The digits of major, minor and revision one after the other ("0025").
    static QString versionDigits();

  private:
    using Picked = std::span<const settings::Setting* const>;
    void refresh();  // the geometry, bit/s field and option string after restoring
    void checkMarker();
    void restore();
    void restore(std::span<const settings::Setting> rows);
    void put(const settings::Setting& s, const std::function<QString()>& value);
    void save(Picked settings);
    bool clearPass();
    void reset(Picked settings);
    forms::TextBox& field(const settings::Setting& s);
    bool versionStored() const;

    appearance::Look& look;
    i18n::Languages& lang;
    geometry::Geometry& geo;
    encoder::Encoder& enc;
    calc::Calculator& calc;
};

}  // namespace app
