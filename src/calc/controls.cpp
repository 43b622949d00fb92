#include "calc/controls.h"
#include "app/declare.h"
#include "app/settings_table.h"

namespace calc {
using namespace app::declare;
using app::settings::fallback;

void declareControls(forms::Window& f, forms::Window& disk) {
    // Play time, size and audio, one row each; the option buttons beside the time and the size
    // choose which of the two the lock derives.
    label(f, "Spielzeit", "Play Time", {4, 22, 96, 15});
    field(f, "HH", "12", {100, 20, 22, 19});
    label(f, "colon1", ":", {122, 22, 6, 15});
    field(f, "MM", "12", {128, 20, 22, 19});
    label(f, "colon2", ":", {150, 22, 6, 15});
    field(f, "SS", "12", {156, 20, 22, 19});
    // The spin arrows: the mouse steps with them while the field being edited keeps the focus and
    // its emptied text (typing in the field does what they do), so they never take the focus.
    pictureButton(f, "timeUp", "spinUp", {180, 20, 13, 10}).tabStop = forms::TabStop::Never;
    pictureButton(f, "timeDn", "spinDown", {180, 30, 13, 10}).tabStop = forms::TabStop::Never;
    option(f, "OptionTime", "lock", {197, 21, 16, 17}).setEnabled(false);

    label(f, "Dateigrösse", "Filesize", {4, 43, 96, 15});
    field(f, "groesse", "700", {100, 41, 50, 19}, 5);
    label(f, "sizeMB", " MB", {150, 43, 28, 15});
    option(f, "OptionSize", "lock", {197, 42, 16, 17}).setEnabled(false);

    label(f, "Audiobitrate", "Audiobitrate", {4, 64, 96, 15});
    field(f, "audio", "96", {100, 62, 50, 19}, 5);
    label(f, "audiokbps", " kbps", {150, 64, 30, 15});
    pictureButton(f, "audioUp", "spinUp", {180, 62, 13, 10}).tabStop = forms::TabStop::Never;
    pictureButton(f, "audioDn", "spinDown", {180, 72, 13, 10}).tabStop = forms::TabStop::Never;
    field(f, "audioMB", "96", {197, 62, 40, 19}, 5).setVisible(false);

    label(f, "textbitrate", "Recommended Videobitrate", {4, 85, 156, 15});
    field(f, "kbitps", "800", {160, 83, 40, 19});
    label(f, "unitKbps", "kbps", {202, 85, 26, 15});
    field(f, "kBytesps", "100", {232, 83, 40, 19});
    label(f, "unitKBps", "kB/s", {274, 85, 28, 15});

    label(f, "textalgo", "Algorithm", {4, 106, 70, 15});
    label(f, "textAlg1", "(size * 8 *", {76, 106, 76, 15});
    field(f, "Alg", fallback("alg1"), {152, 104, 36, 19}, 10);
    label(f, "textAlg2", ") / time - audio +", {190, 106, 98, 15});
    field(f, "Alg2", fallback("alg2"), {289, 104, 30, 19}, 10);
    label(f, "textAdd10", "Add", {321, 106, 28, 15});

    label(f, "locktext", "Lock:", {4, 127, 52, 15});
    check(f, "kbpsLock", app::settings::fallbackNumber("lock1"), {56, 126, 16, 17});

    // Unrounded values behind the visible fields; debug mode shows them.
    hiddenField(f, "US", {4, 146, 62, 19});
    hiddenField(f, "hgroesse", {68, 146, 62, 19});
    hiddenField(f, "hkbitps", {132, 146, 70, 19});
    hiddenField(f, "hkBytesps", {204, 146, 70, 19});

    // Tab: play time, size, audio, the result, the formula, the lock, the hidden figures, then
    // the disc sizes behind "MB" and the audio given as a size; the rest of the window follows.
    f.addTabOrder({"HH", "MM", "SS", "groesse", "audio", "kbitps", "kBytesps", "Alg", "Alg2",
                   "kbpsLock", "OptionTime", "OptionSize", "US", "hgroesse", "hkbitps", "hkBytesps",
                   "sizeMB", "audiokbps", "audioMB"});

    f.add<forms::Timer>("Timer1", 150);
    f.add<forms::Timer>("Timer2", 150);
    f.add<forms::Timer>("Timer3", 300);
    f.add<forms::Timer>("Timer4", 300);

    // The disk window: a number of discs times a disc type.
    disk.setCaption("CD/DVD");
    disk.resize(twips(176), twips(66));
    field(disk, "anz", "1", {8, 8, 32, 19});
    label(disk, "anzx", "x", {42, 10, 10, 15});
    combo(disk, "DiskCombo", "Enter min!",
          {"74min CD", "80min CD", "90min CD", "99min CD", "DVD-5", "DVD-9", "DVD-10", "DVD-14",
           "DVD-18"},
          {54, 8, 114, 21});
    option(disk, "op2048", "sector", {8, 40, 76, 17}, "2048 B").setValue(true);
    option(disk, "op2324", "sector", {92, 40, 76, 17}, "2324 B");
    disk.addTabOrder({"anz", "DiskCombo", "op2048", "op2324"});
}

}  // namespace calc
