#include "i18n/help_texts.h"

namespace i18n {
namespace {

const HelpText kEnglish[] = {
    {"Spielzeit", "Play Time",
     "Enter the length of the film as HH:MM:SS (hours, minutes, seconds).\r"
     "Minutes above 59 are carried over: typing 123 min gives 02:03:00."},
    {"Dateigrösse", "Filesize",
     "Enter the filesize here. E.g. '700' if you want a file that fits on a CD."},
    {"Audiobitrate", "Audiobitrate",
     "Enter the bitrate of the audio track in kbps.\r"
     "Recommended: 48kbps to 128kbps."},
    {"auflösung", "Resolution",
     "Enter the resolution of the video.\r"
     "The second number (height or width) is computed from the aspect ratio (e.g. 4:3) and the "
     "pixel ratio (e.g. 1.067)."},
    {"bandwidth", "Bandwidth",
     "The video bitrate once more, in bits per second; the bits per pixel are computed from it.\r"
     "Here k = 1000, not 1024."},
    {"textbitrate", "Videobitrate",
     "The bitrate for the video alone (without audio), to be entered in the codec.\r"
     "Here 'kilo' is 1024 and a byte has 8 bits.\r"
     "While 'Lock:' is ticked, the bitrate is not calculated automatically."},
    {"frmrt", "Frame Rate", "Enter the frame rate here. 25 for PAL, 29.97 for NTSC."},
    {"Keyframe", "Keyframeintervall",
     "The maximum interval between two keyframes, in frames.\r"
     "Leave it at 200."},
    {"BitPerPx", "Bits per Pixel",
     "The number of bits available for each pixel of a frame.\r"
     "For DivX it should be at least 0.1; more than 0.3 is not needed.\r"
     "Computed with k = 1000, not 1024."},
    {"pxls", "Pixels",
     "This shows you the amount of pixels. This value should be between 100'000 and 300'000"},
    {"textclear", "Clear",
     "Sets (most) values to zero and deletes every stored setting of this program (not the "
     "codec's settings).\r"
     "Use it to uninstall the program, or when problems appear after an update."},
    {"textprofil", "Profile",
     "Choose the hardware profile.\r"
     "Leave it at 'None' unless the video must play on certified hardware."},
    {"textReg", "Registry",
     "Imports the codec's current settings from the registry.\r"
     "The codec's settings are only read, never changed."},
    {"copy", "Copy", "Use this button to copy the DivX settings, 'Ctrl' + 'V' to paste them."},
    {"Note", "Notice", "The note is just here to store some text e.g. a CLI-string."},
    {"locktext", "Lock:",
     "With 'Lock:' ticked the video bitrate stays as it is, and the program computes the "
     "filesize or the play time instead."},
    {"preview", "Preview",
     "Opens a preview window that shows the size and the aspect ratio of the video."},
    {"aspectratio", "aspect ratio",
     "Aspect ratio : 1 = width / height.\r"
     "It is printed on DVD covers; 1.3333:1 is 4/3.\r"
     "'0' or 'FREE' allows any resolution.\r"
     "A click on ':1' switches to ':100'."},
    {"settings", "Settings",
     "A few more DivX settings, which you will rarely need to change.\r"
     "Note: If you choose 'slowest' the compression will take VERY long!"},
    {"textalgo", "Algorithm",
     "How the video bitrate is computed: (size * 8 * first value) / time - audio + second "
     "value.\r"
     "With '1024' and '0' you get the exact values.\r"
     "The first value should be raised slightly; the second is added to the bitrate (a negative "
     "value lowers it).\r"
     "\r"
     "Recommendation: (size * 8 * |1048|) / time - audio + |-10|"},
    {"textAdd10", "Add ...",
     "A value that is added to the bitrate.\r"
     "10 is recommended for DivX5."},
    {"pre", "Pre Processing Source", "Pre-processing can help to reduce video noise."},
    {"psy", "Psycho Visual Enhancements",
     "Psychovisual enhancement lowers the bitrate needed for the quality you perceive.\r"
     "Enabling it is recommended."},
    {"QP", "Quarter Pels",
     "Quarter-pixel precision for the motion prediction.\r"
     "The picture is split into macroblocks (16x16 pixels) and blocks (8x8 pixels); their motion "
     "from frame to frame is predicted to a quarter of a pixel instead of half a pixel."},
    {"resize", "Risize",
     "DivX will encode the movie in the selected resolution. Notice: Choose a pixel ratio of "
     "'1.0'!"},
    {"VBR", "VBR", "Choose between 1pass- and 2pass-encoding. Note: 2nd = nth"},
    {"GMC", "Global Motion Compensation",
     "Global motion compensation helps scenes with zooming and panning."},
    {"bidir", "Bi-directional encoding",
     "B-frames are predicted from the following frames as well as from the preceding ones.\r"
     "This improves the compression."},
    {"Error", "No promt",
     "When ticked, the codec shows no error messages or warnings.\r"
     "The codec may then overwrite files such as the log file without asking."},
    {"Feetback", "Feedback",
     "Disables the codec's feedback window.\r"
     "Leave it disabled unless you need it to watch over the encoding."},
    {"transp", "Transparency",
     "Sets the transparency of this program's windows.\r"
     "If you have problems, set it to 100 % and restart the program."},
    {"modtext", "Bitrate Modulation",
     "Use a positive value for high-motion (actionmovies) or a negative value for low-motion "
     "footage."},
    {"pixelratio", "Pixel Ratio",
     "Pixel ratio = aspect ratio / (width / height)\r"
     "PAL:       1.3333 / ( 720 / 576 ) ~ 1.067\r"
     "NTSC:      1.3333 / ( 720 / 480 ) ~ 0.888\r"
     "Choose '1.0' (square pixels), otherwise the video is distorted."},
    {"PQ", "Performance/Quality",
     "Choose the speed of DivX. 'Slowest' is very slow but you get the best quality."},
    {"textDir", "Log/MV", "Choose the directory where the log and MV file will be stored."},
    {"txtCrop", "Crop", "This will crop the image. Use it if your source image has black borders."},
    {"txtLog", "Log", "Here you can choose if DivX should update the log file in 2nd / nth pass."},
    {"txtMV", "MV",
     "DivX writes a motion vector file in the 1st pass and reads it in the 2nd / nth pass.\r"
     "This is recommended only for very slow computers."},
    {"txtResample", "Resample",
     "The filter used when the picture is resized.\r"
     "'very sharp' gives the best image quality; 'very soft' is faster but unsharp."},
    {"txtSC", "Scene Change Threshold",
     "The threshold above which DivX inserts a keyframe at a scene change.\r"
     "50 % is recommended."},
    {"userdef", "User Settings", "Here you can enter your own DivX String."},
    {"Label1", "Preview",
     "The preview shows the size of the video.\r"
     "Drag the lower-right corner to resize it; hold Shift to keep the aspect ratio.\r"
     "Double-click the black area to close it.\r"
     "The transparency can be changed; 100 % performs best."},
};

}  // namespace

std::span<const HelpText> englishHelp() {
    return kEnglish;
}

}  // namespace i18n
