#include "ui/tab_order.h"

#include <QHash>

#include "forms/control.h"
#include "forms/window.h"

namespace ui {

QStringList tabOrder(const QString& window) {
    // clang-format off
    static const QHash<QString, QStringList> orders = {
        {"Form1", {
            // The calculation: play time, size, audio, the result, the formula, the lock, its
            // buttons, the disc sizes behind "MB" and the audio given as a size.
            "HH", "MM", "SS", "groesse", "audio", "kbitps", "kBytesps", "Alg", "Alg2",
            "kbpsLock", "OptionTime", "OptionSize", "US", "hgroesse", "hkbitps", "hkBytesps",
            "getReg", "writeReg", "ClearAll", "sizeMB", "audiokbps", "audioMB",
            // The picture.
            "Bwidth", "Bheight", "aspect", "ScrollBar1", "scrollvalue", "pixels", "framerate",
            "bitsperpixel", "bitrate", "asp43", "asp169", "ratio", "form2show",
            // The encoder.
            "ButtonVBR", "ButtonProfile", "ButtonPsy", "ButtonPre", "Profile", "CheckBiDir",
            "CheckGMC", "CheckQPx", "CheckResize", "keyframebox", "DivXBox", "DivXbutton",
            "CropPic", "notebox",
            // The picture buttons of the window itself, and the credit line that opens About.
            "deutsch", "english", "french", "min", "midi", "max", "pic_calc", "settingsbutton",
            "info", "exit"}},
        {"Disk", {"anz", "DiskCombo", "op2048", "op2324"}},
        {"Form3", {
            "checkCrop", "cropTop", "cropLeft", "cropRight", "cropBottom", "resample", "log",
            "MV", "Dir", "CheckError", "CheckFeetback", "SC", "ButtonPQ", "modu", "modscroll",
            "PV", "CheckUD", "ud1", "udX", "ud2", "Korveltrans"}},
        {"Form2", {"transparency"}},
        {"frmAbout", {"lblDivXVersion", "Label3", "Label2", "Label6"}},
    };
    // clang-format on
    return orders.value(window);
}

bool neverFocused(const QString& name) {
    static const QStringList names = {"timeUp", "timeDn", "audioUp", "audioDn"};
    return names.contains(name);
}

bool clickOnly(const QString& name) {
    return name == QLatin1String("sizebutton");
}

bool pressable(const forms::Control& c) {
    if (!c.onClick) return false;
    if (c.kind() == forms::Kind::Picture) return true;
    return c.kind() == forms::Kind::Label && tabOrder(c.window().name()).contains(c.name());
}

}  // namespace ui
