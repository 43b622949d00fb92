#include "encoder/controls.h"

#include "app/declare.h"

namespace encoder {
using namespace app::declare;

void declareControls(forms::Window& f, forms::Window& s) {
    // The encoder band of the main window, three rows: the cycling settings, the motion options
    // with resize and the keyframe interval, then the option string with its buttons.
    label(f, "VBR", "VBR", {4, 284, 24, 15});
    button(f, "ButtonVBR", "1pass", {28, 282, 44, 19});
    label(f, "textprofil", "Profile", {76, 284, 42, 15});
    button(f, "ButtonProfile", "None", {118, 282, 66, 19});
    label(f, "psy", "Psy", {188, 284, 22, 15});
    button(f, "ButtonPsy", "Fast", {210, 282, 40, 19});
    label(f, "pre", "Pre", {254, 284, 22, 15});
    button(f, "ButtonPre", "None", {276, 282, 40, 19});
    check(f, "Profile", 0, {326, 283, 16, 17});

    check(f, "CheckBiDir", 1, {4, 304, 16, 17});
    label(f, "bidir", "B-Frames", {20, 305, 52, 15});
    check(f, "CheckGMC", 1, {74, 304, 16, 17});
    label(f, "GMC", "GMC", {90, 305, 28, 15});
    check(f, "CheckQPx", 1, {120, 304, 16, 17});
    label(f, "QP", "QPel", {136, 305, 30, 15});
    check(f, "CheckResize", 0, {168, 304, 16, 17});
    label(f, "resize", "Resize", {184, 305, 40, 15});
    label(f, "Keyframe", "Keyframe", {228, 305, 54, 15});
    field(f, "keyframebox", "200", {282, 303, 36, 19});
    // Shows that the codec will crop.
    picture(f, "CropPic", "scissors", {326, 304, 18, 18}).setVisible(false);

    field(f, "DivXBox", "", {4, 327, 200, 21});
    pictureButton(f, "DivXbutton", "copy", {206, 327, 21, 21});
    label(f, "copy", "Copy", {229, 330, 38, 15});
    label(f, "settings", "Settings", {268, 330, 60, 15});
    pictureButton(f, "settingsbutton", "settings", {329, 328, 19, 19});

    // The codec's registry settings, in the calculator band's right column: read them in (the
    // write button does nothing).
    label(f, "textReg", "Registry", {240, 22, 60, 15});
    button(f, "getReg", "read", {240, 41, 52, 19});
    button(f, "writeReg", "write", {296, 41, 52, 19});

    // The user-defined settings window. Labels sit left of their fields; the long check-box
    // labels leave room for the other languages' wording.
    s.setCaption("Settings");
    s.resize(twips(320), twips(352));
    // Cropping: the four amounts around the picture they cut.
    check(s, "checkCrop", 1, {8, 31, 16, 17});
    label(s, "txtCrop", "Crop", {26, 32, 80, 15});
    field(s, "cropTop", "0", {166, 8, 40, 19});
    field(s, "cropLeft", "0", {118, 30, 40, 19});
    field(s, "cropRight", "0", {214, 30, 40, 19});
    field(s, "cropBottom", "0", {166, 52, 40, 19});

    label(s, "txtResample", "Resample", {8, 82, 132, 15});
    button(s, "resample", "very sharp", {142, 80, 80, 19});

    // The codec's files and its feedback.
    check(s, "log", 1, {8, 105, 16, 17});
    label(s, "txtLog", "Log", {26, 106, 30, 15});
    check(s, "MV", 0, {60, 105, 16, 17});
    label(s, "txtMV", "MV", {78, 106, 26, 15});
    label(s, "textDir", "Dest:", {106, 106, 36, 15});
    field(s, "Dir", "c:\\", {142, 104, 170, 19});
    check(s, "CheckError", 1, {8, 128, 16, 17});
    label(s, "Error", "Do not promt with Errors and Warnings", {26, 129, 286, 15});
    check(s, "CheckFeetback", 1, {8, 150, 16, 17});
    label(s, "Feetback", "Disable Feetback Window", {26, 151, 286, 15});

    // Rate control.
    label(s, "txtSC", "Scene Change", {8, 178, 132, 15});
    field(s, "SC", "50 %", {142, 176, 50, 19});
    label(s, "PQ", "Performance / Quality", {8, 201, 132, 15});
    button(s, "ButtonPQ", "Slow", {142, 199, 70, 19});
    label(s, "modtext", "Modulation", {8, 224, 132, 15});
    field(s, "modu", "0.00", {142, 222, 50, 19});
    scrollBar(s, "modscroll", 0, 50, 25, {196, 223, 116, 17});
    label(s, "pixelratio", "Pixel Ratio", {8, 247, 132, 15});
    combo(s, "PV", "PV",
          {"1.0", "1.0666", "1.2", "1.896", "2.0", "0.422", "0.8888", "0.9", "0.948"},
          {142, 245, 80, 21});

    // A string of the user's own instead of the built one: rate token, bitrate, the rest.
    check(s, "CheckUD", 0, {8, 273, 16, 17});
    label(s, "userdef", "User-defined settings:", {26, 274, 286, 15});
    field(s, "ud1", "-bv1", {8, 294, 44, 19});
    field(s, "udX", "000", {54, 294, 44, 19});
    field(s, "ud2",
          "-psy 2 -key 200 -b -g -q -sc 50 -pq 64 -vbv 6800000,6291456,4718592 -profile 0 -nf",
          {100, 294, 212, 19});

    label(s, "transp", "Transparency", {8, 326, 132, 15});
    field(s, "Korveltrans", "100 %", {142, 324, 50, 19});
}

}  // namespace encoder
