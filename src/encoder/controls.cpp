#include "encoder/controls.h"

#include "app/declare.h"

namespace encoder {
using namespace app::declare;

void declareControls(forms::Window& f, forms::Window& s) {
    label(f, "VBR", "VBR", {4, 284, 26, 15});
    button(f, "ButtonVBR", "1pass", {30, 282, 48, 19});
    label(f, "textprofil", "Profile", {82, 284, 38, 15});
    button(f, "ButtonProfile", "None", {120, 282, 66, 19});
    label(f, "psy", "Psy", {190, 284, 22, 15});
    button(f, "ButtonPsy", "Fast", {212, 282, 44, 19});
    label(f, "pre", "Pre", {260, 284, 22, 15});
    button(f, "ButtonPre", "None", {282, 282, 44, 19});
    check(f, "Profile", 0, {330, 283, 16, 17});

    check(f, "CheckBiDir", 1, {4, 304, 16, 17});
    label(f, "bidir", "B-Frames", {20, 305, 50, 15});
    check(f, "CheckGMC", 1, {72, 304, 16, 17});
    label(f, "GMC", "GMC", {88, 305, 28, 15});
    check(f, "CheckQPx", 1, {118, 304, 16, 17});
    label(f, "QP", "QPel", {134, 305, 28, 15});
    check(f, "CheckResize", 0, {164, 304, 16, 17});
    label(f, "resize", "Resize", {180, 305, 36, 15});
    label(f, "Keyframe", "Keyframe", {218, 305, 50, 15});
    field(f, "keyframebox", "200", {268, 303, 36, 19});
    label(f, "settings", "Settings", {306, 305, 44, 15});
    pictureButton(f, "settingsbutton", "settings", {330, 303, 19, 19});

    field(f, "DivXBox", "", {4, 327, 262, 21});
    pictureButton(f, "DivXbutton", "copy", {268, 327, 21, 21});
    label(f, "copy", "Copy", {290, 330, 36, 15});
    picture(f, "CropPic", "scissors", {322, 329, 16, 16}).setVisible(false);

    // The codec's registry settings: read them in (the write button does nothing).
    label(f, "textReg", "Registry", {240, 22, 60, 15});
    button(f, "getReg", "read", {240, 41, 52, 19});
    button(f, "writeReg", "write", {296, 41, 52, 19});

    // The user-defined settings window.
    s.setCaption("Settings");
    s.resize(twips(300), twips(330));
    check(s, "checkCrop", 1, {8, 8, 16, 17});
    label(s, "txtCrop", "Crop", {26, 9, 60, 15});
    field(s, "cropLeft", "0", {90, 7, 34, 19});
    field(s, "cropRight", "0", {128, 7, 34, 19});
    field(s, "cropTop", "0", {166, 7, 34, 19});
    field(s, "cropBottom", "0", {204, 7, 34, 19});
    label(s, "txtResample", "Resample", {8, 32, 80, 15});
    button(s, "resample", "very sharp", {90, 30, 80, 19});
    check(s, "log", 1, {8, 54, 16, 17});
    label(s, "txtLog", "Log", {26, 55, 40, 15});
    check(s, "MV", 0, {70, 54, 16, 17});
    label(s, "txtMV", "MV", {88, 55, 30, 15});
    label(s, "textDir", "Dest:", {120, 55, 40, 15});
    field(s, "Dir", "c:\\", {160, 53, 132, 19});
    check(s, "CheckError", 1, {8, 78, 16, 17});
    label(s, "Error", "Do not promt with Errors and Warnings", {26, 79, 266, 15});
    check(s, "CheckFeetback", 1, {8, 100, 16, 17});
    label(s, "Feetback", "Disable Feetback Window", {26, 101, 266, 15});
    label(s, "txtSC", "Scene Change", {8, 124, 100, 15});
    field(s, "SC", "50 %", {110, 122, 50, 19});
    label(s, "PQ", "Performance / Quality", {8, 146, 130, 15});
    button(s, "ButtonPQ", "Slow", {140, 144, 70, 19});
    label(s, "modtext", "Modulation", {8, 168, 70, 15});
    field(s, "modu", "0.00", {80, 166, 44, 19});
    scrollBar(s, "modscroll", 0, 50, 25, {128, 168, 160, 16});
    label(s, "pixelratio", "Pixel Ratio", {8, 190, 70, 15});
    combo(s, "PV", "PV",
          {"1.0", "1.0666", "1.2", "1.896", "2.0", "0.422", "0.8888", "0.9", "0.948"},
          {80, 188, 80, 21});
    check(s, "CheckUD", 0, {8, 214, 16, 17});
    label(s, "userdef", "User-defined settings:", {26, 215, 200, 15});
    field(s, "ud1", "-bv1", {8, 236, 40, 19});
    field(s, "udX", "000", {50, 236, 40, 19});
    field(s, "ud2",
          "-psy 2 -key 200 -b -g -q -sc 50 -pq 64 -vbv 6800000,6291456,4718592 -profile 0 -nf",
          {92, 236, 200, 19});
    label(s, "transp", "Transparency", {8, 262, 80, 15});
    field(s, "Korveltrans", "100 %", {90, 260, 50, 19});
}

}  // namespace encoder
