#include "i18n/captions.h"

namespace i18n {
namespace {

constexpr Place M = Place::Main;
constexpr Place S = Place::Settings;

// Leading blanks are part of the captions: they centre the text inside fixed-width labels.
const CaptionRow kCaptions[] = {
    {M, "Spielzeit", {"Spielzeit", "Play Time", "Durée du Film"}},
    {M, "Dateigrösse", {"Dateigrösse", "Filesize", "Taille du Fichier"}},
    {M, "textbitrate", {"Empfohlene Videobitrate", "Recommended Videobitrate", "Bit/s Recommandé"}},
    {M, "auflösung", {"Auflösung", "Resolution", "Définition"}},
    {M, "pxls", {" Anz. Pixels", "  Pixels", "  Pixels"}},
    {M, "frmrt", {"Bildfrequenz", "Framerate", " Image/s"}},
    {M, "BitPerPx", {"Bits pro Pixel", " Bits per Pixel", "Bit/Pixel"}},
    {M, "textclear", {"Löschen", " Clear", "Effacer"}},
    {M, "bandwidth", {" Bitrate", " Bitrate", " Bit/s"}},
    {M, "copy", {"Kopie", "Copy", "Copier"}},
    {M, "locktext", {"Sperren:", "Lock:", "Bloquer:"}},
    {M, "preview", {"Ansicht", "Preview", "Visionner"}},
    {M, "aspectratio", {"Seitenverhältnis", "  Aspect Ratio", "     Proportions"}},
    {M, "Note", {"Notiz", "Notice", "Notes"}},
    {M, "textprofil", {"Profil", "Profile", "Profil"}},
    {M, "settings", {"    Einst.", "Settings", "   Mode"}},
    {M, "textalgo", {"Algorithmus", "Algorithm", "Algorithme"}},
    {M, "textAlg1", {"(Grösse * 8 *", "(size * 8 *", "(Taille * 8 *"}},
    {M, "textAlg2", {") / Zeit - Audio +", ") / time - audio +", ")/Durée -Audio +"}},
    {S, "txtCrop", {"Zuschneiden", "Crop", "Découper"}},
    {S, "pixelratio", {"Verzerrung", "Pixel Ratio", "Anamorphe"}},
    {S, "PQ", {"Leistung / Qualität", "Performance / Quality", "Performance / Qualité"}},
    {S,
     "Error",
     {"Bei Fehlern + Warnungen nicht melden", "Do not promt with Errors and Warnings",
      "Ne pas afficher les erreurs"}},
    {S,
     "Feetback",
     {"Kein Rückgabe-Fenster", "Disable Feetback Window", "Désactiver la Fenêtre de Contrôle"}},
    {S, "textDir", {" Ziel:", "Dest:", "  Dir:"}},
    {S,
     "userdef",
     {"Benutzereinstellungen:", "User-defined settings:", "Paramètres définis par l'utilisateur"}},
    {S, "transp", {"Transparenz", "Transparency", "Transparence"}},
    // German has no captions of its own for these two.
    {S, "txtSC", {nullptr, "Scene Change", "Changement de Scène"}},
    {S, "txtResample", {nullptr, "Resample", "Rééchantilloner"}},
    // The About window's links of our own wording.
    {Place::About, "Label3", {"Webseite", "Web page", "Page web"}},
    {Place::About, "Label2", {"Fehlerbericht per Mail", "Mail a bug report", "Signaler un bogue"}},
};

const char* const kHints[] = {"Diese Einstellungen können Sie für den DivX Encoder verwenden.",
                              "Use this String in DivX 5.1", "DivX5.1"};
// Clear-all's English hint names the codec's earlier release, as the reset has always written
// it; it is kept so, not brought in line with the others.
const char* const kClearedEnglishHint = "Use this String in DivX 5.05";
const char* const kCodes[] = {"german", "english", "french"};

}  // namespace

std::span<const CaptionRow> captionTable() {
    return kCaptions;
}

const char* divxHint(Language lang) {
    return kHints[lang];
}

const char* clearAllHint(bool english) {
    return english ? kClearedEnglishHint : kHints[German];
}

const char* copyFfmpegCaption(Language lang) {
    static const char* const captions[] = {"ffmpeg-Befehl kopieren", "Copy ffmpeg command",
                                           "Copier la commande ffmpeg"};
    return captions[lang];
}

const char* languageCode(Language lang) {
    return kCodes[lang];
}

}  // namespace i18n
