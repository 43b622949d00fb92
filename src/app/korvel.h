#pragma once

#include <memory>
#include <variant>

#include "app/state.h"
#include "forms/runtime.h"
#include "platform/services.h"

namespace encoder {
struct FfmpegJob;
struct FfmpegRefusal;
}  // namespace encoder

namespace app {

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

    // The current settings as ffmpeg runs for those two files, or why there are none.
    std::variant<encoder::FfmpegJob, encoder::FfmpegRefusal> ffmpegJob(const QByteArray& input,
                                                                       const QByteArray& output);
    // "Copy ffmpeg command" (input.vob and output.avi while there is no film).
    void copyFfmpegCommand(const QByteArray& input = "input.vob",
                           const QByteArray& output = "output.avi");
    // Rebuilds and rates the option string, as a change of any setting in it does.
    void rebuildOptionString();

    // The model the subsystems work on and the view binds by name: the runtime with its windows
    // and controls, the outside world, the shared state. The subsystems themselves stay inside.
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

  private:
    struct Subsystems;
    void defineVars();

    std::unique_ptr<Subsystems> subsystems_;
};

}  // namespace app
