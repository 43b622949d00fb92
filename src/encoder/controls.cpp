#include "encoder/controls.h"

#include "app/declare.h"
#include "app/settings_table.h"

namespace encoder {
using namespace app::declare;
using app::settings::fallback;
using app::settings::fallbackNumber;

void declareControls(forms::Window& f, forms::Window& s) {
    // The encoder band of the main window, three rows: the cycling settings, the motion options
    // with resize and the keyframe interval, then the option string with its buttons.
    label(f, "VBR", "VBR", {4, 284, 24, 15});
    button(f, "ButtonVBR", fallback("VBR"), {28, 282, 44, 19});
    label(f, "textprofil", "Profile", {76, 284, 42, 15});
    button(f, "ButtonProfile", fallback("Profile"), {118, 282, 66, 19});
    label(f, "psy", "Psy", {188, 284, 22, 15});
    button(f, "ButtonPsy", fallback("Psy"), {210, 282, 40, 19});
    label(f, "pre", "Pre", {254, 284, 22, 15});
    button(f, "ButtonPre", fallback("PrePro"), {276, 282, 40, 19});
    check(f, "Profile", 0, {326, 283, 16, 17});

    check(f, "CheckBiDir", fallbackNumber("BiDir"), {4, 304, 16, 17});
    label(f, "bidir", "B-Frames", {20, 305, 52, 15});
    check(f, "CheckGMC", fallbackNumber("GMC"), {74, 304, 16, 17});
    label(f, "GMC", "GMC", {90, 305, 28, 15});
    check(f, "CheckQPx", fallbackNumber("QPx"), {120, 304, 16, 17});
    label(f, "QP", "QPel", {136, 305, 30, 15});
    check(f, "CheckResize", fallbackNumber("resize"), {168, 304, 16, 17});
    label(f, "resize", "Resize", {184, 305, 40, 15});
    label(f, "Keyframe", "Keyframe", {228, 305, 54, 15});
    field(f, "keyframebox", fallback("MKI"), {282, 303, 36, 19});
    // Shows that the codec will crop.
    picture(f, "CropPic", "scissors", {326, 304, 18, 18}).setVisible(false);

    field(f, "DivXBox", "", {4, 327, 200, 21});
    pictureButton(f, "DivXbutton", "copy", {206, 327, 21, 21});
    label(f, "copy", "Copy", {229, 330, 38, 15});
    label(f, "settings", "Settings", {268, 330, 60, 15});
    pictureButton(f, "settingsbutton", "settings", {329, 328, 19, 19});
    // Tab: the encoder after the picture; its settings button among the window's own.
    f.addTabOrder(
        {"ButtonVBR", "ButtonProfile", "ButtonPsy", "ButtonPre", "Profile", "CheckBiDir",
         "CheckGMC", "CheckQPx", "CheckResize", "keyframebox", "DivXBox", "DivXbutton", "CropPic"},
        "ratio");
    f.addTabOrder({"settingsbutton"}, "pic_calc");

    // The codec's registry settings, in the calculator band's right column: read them in (the
    // write button does nothing).
    label(f, "textReg", "Registry", {240, 22, 60, 15});
    button(f, "getReg", "read", {240, 41, 52, 19});
    button(f, "writeReg", "write", {296, 41, 52, 19});
    f.addTabOrder({"getReg", "writeReg"}, "hkBytesps");

    // The user-defined settings window. Labels sit left of their fields; the long check-box
    // labels leave room for the other languages' wording.
    s.setCaption("Settings");
    s.resize(twips(320), twips(352));
    // Cropping: the four amounts around the picture they cut.
    check(s, "checkCrop", 1, {8, 31, 16, 17});
    label(s, "txtCrop", "Crop", {26, 32, 80, 15});
    field(s, "cropTop", fallback("top"), {166, 8, 40, 19});
    field(s, "cropLeft", fallback("left"), {118, 30, 40, 19});
    field(s, "cropRight", fallback("right"), {214, 30, 40, 19});
    field(s, "cropBottom", fallback("bottom"), {166, 52, 40, 19});

    label(s, "txtResample", "Resample", {8, 82, 132, 15});
    button(s, "resample", "very sharp", {142, 80, 80, 19});

    // The codec's files and its feedback.
    check(s, "log", fallbackNumber("do_log"), {8, 105, 16, 17});
    label(s, "txtLog", "Log", {26, 106, 30, 15});
    check(s, "MV", fallbackNumber("do_mv"), {60, 105, 16, 17});
    label(s, "txtMV", "MV", {78, 106, 26, 15});
    label(s, "textDir", "Dest:", {106, 106, 36, 15});
    field(s, "Dir", fallback("dir"), {142, 104, 170, 19});
    check(s, "CheckError", fallbackNumber("Error"), {8, 128, 16, 17});
    label(s, "Error", "Do not promt with Errors and Warnings", {26, 129, 286, 15});
    check(s, "CheckFeetback", fallbackNumber("Feetback"), {8, 150, 16, 17});
    label(s, "Feetback", "Disable Feetback Window", {26, 151, 286, 15});

    // Rate control.
    label(s, "txtSC", "Scene Change", {8, 178, 132, 15});
    field(s, "SC", "50 %", {142, 176, 50, 19});
    label(s, "PQ", "Performance / Quality", {8, 201, 132, 15});
    button(s, "ButtonPQ", fallback("PQ"), {142, 199, 70, 19});
    label(s, "modtext", "Modulation", {8, 224, 132, 15});
    field(s, "modu", fallback("mod"), {142, 222, 50, 19});
    scrollBar(s, "modscroll", 0, 50, 25, {196, 223, 116, 17});
    label(s, "pixelratio", "Pixel Ratio", {8, 247, 132, 15});
    combo(s, "PV", "PV",
          {"1.0", "1.0666", "1.2", "1.896", "2.0", "0.422", "0.8888", "0.9", "0.948"},
          {142, 245, 80, 21});

    // A string of the user's own instead of the built one: rate token, bitrate, the rest.
    check(s, "CheckUD", fallbackNumber("ud"), {8, 273, 16, 17});
    label(s, "userdef", "User-defined settings:", {26, 274, 286, 15});
    field(s, "ud1", fallback("ud1"), {8, 294, 44, 19});
    field(s, "udX", "000", {54, 294, 44, 19});
    field(s, "ud2", fallback("ud2"), {100, 294, 212, 19});

    label(s, "transp", "Transparency", {8, 326, 132, 15});
    field(s, "Korveltrans", fallback("transparency1"), {142, 324, 50, 19});
    s.addTabOrder({"checkCrop", "cropTop", "cropLeft",   "cropRight",  "cropBottom",    "resample",
                   "log",       "MV",      "Dir",        "CheckError", "CheckFeetback", "SC",
                   "ButtonPQ",  "modu",    "modscroll",  "PV",         "CheckUD",       "ud1",
                   "udX",       "ud2",     "Korveltrans"});
}

}  // namespace encoder
