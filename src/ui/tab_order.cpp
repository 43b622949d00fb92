#include "ui/tab_order.h"

#include <QHash>

namespace ui {

QStringList tabOrder(const QString& window) {
    // clang-format off
    static const QHash<QString, QStringList> orders = {
        {"Form1", {
            // The calculation: play time, size, audio, the result, the formula, the lock, its
            // buttons and the disc sizes behind "MB".
            "HH", "MM", "SS", "groesse", "audio", "kbitps", "kBytesps", "Alg", "Alg2",
            "kbpsLock", "OptionTime", "OptionSize", "US", "hgroesse", "hkbitps", "hkBytesps",
            "getReg", "writeReg", "ClearAll", "sizeMB",
            // The picture.
            "Bwidth", "Bheight", "aspect", "ScrollBar1", "scrollvalue", "pixels", "framerate",
            "bitsperpixel", "bitrate", "asp43", "asp169", "form2show",
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
    };
    // clang-format on
    return orders.value(window);
}

bool clickOnly(const QString& name) {
    static const QStringList names = {"timeUp", "timeDn", "audioUp", "audioDn", "sizebutton"};
    return names.contains(name);
}

}  // namespace ui
