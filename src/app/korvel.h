#pragma once

#include <memory>

#include "app/state.h"
#include "forms/runtime.h"
#include "platform/services.h"

namespace calc {
class Calculator;
class DiskWindow;
class Spinners;
}  // namespace calc
namespace geometry {
class Geometry;
class Solver;
class Rating;
}  // namespace geometry
namespace encoder {
class Encoder;
class SettingsWindow;
class Import;
}  // namespace encoder
namespace preview {
class Preview;
}
namespace i18n {
class Languages;
class Help;
}  // namespace i18n
namespace appearance {
class Look;
class Notes;
class About;
}  // namespace appearance

namespace app {

class Lifecycle;

// The whole program without its user interface: six windows with their controls, the shared
// state and one object per subsystem holding the handlers. The program's view and the scenario
// runner drive it through the runtime's user actions.
class Korvel {
  public:
    Korvel(const platform::Services& services, forms::NumberLocale locale);
    ~Korvel();
    Korvel(const Korvel&) = delete;
    Korvel& operator=(const Korvel&) = delete;

    // As the program starts: the main window loads (start-up), shows, and HH takes the focus.
    void start();
    // The window system closes w (its close button, Alt+F4, the end of the session): the main
    // window saves and ends like the exit button; the others only hide.
    void userClose(forms::Window& w);
    // Ends the program; saved tells the outside world whether the preferences were written.
    [[noreturn]] void endProgram(bool saved);
    // A window the program shows or places is kept inside the screen the main window is on.
    void keepOnScreen(forms::Window& w);

    forms::Runtime rt;
    platform::Services sv;
    MainState st;
    PreviewState pv;

    forms::Window& form1;  // main window
    forms::Window& disk;   // disk window, "CD/DVD"
    forms::Window& form3;  // user-defined settings
    forms::Window& form2;  // preview
    forms::Window& about;  // frmAbout
    forms::Window& debug;  // frmDebug

    std::unique_ptr<Lifecycle> life;
    std::unique_ptr<calc::Calculator> calc;
    std::unique_ptr<calc::DiskWindow> diskWindow;
    std::unique_ptr<calc::Spinners> spin;
    std::unique_ptr<geometry::Geometry> geo;
    std::unique_ptr<geometry::Solver> res;
    std::unique_ptr<geometry::Rating> rating;
    std::unique_ptr<encoder::Encoder> enc;
    std::unique_ptr<encoder::SettingsWindow> settings;
    std::unique_ptr<encoder::Import> import;
    std::unique_ptr<preview::Preview> preview;
    std::unique_ptr<i18n::Languages> lang;
    std::unique_ptr<i18n::Help> help;
    std::unique_ptr<appearance::Look> look;
    std::unique_ptr<appearance::Notes> notes;
    std::unique_ptr<appearance::About> aboutWindow;

  private:
    void defineVars();
};

}  // namespace app
