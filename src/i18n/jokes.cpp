#include "app/korvel.h"
#include "i18n/languages.h"

namespace i18n {
namespace {

constexpr Place M = Place::Main;
constexpr Place S = Place::Settings;

struct JokeRow {
    Place place;
    const char* name;  // a label, or DivXBox whose text is written
    const char* text;
};

// Spoonerised German, in the order the captions are written.
const JokeRow kSpooner[] = {
    {M, "Spielzeit", "Zielspeit"},
    {M, "Dateigrösse", "Gateidrösse"},
    {M, "textbitrate", "Empfohlene Bideovitrate"},
    {M, "auflösung", "Laufösung"},
    {M, "pxls", "Panz. Ixels"},
    {M, "frmrt", "Frildbequenz"},
    {M, "BitPerPx", "Prits Po Bixel"},
    {M, "DivXBox", divxHint(German)},
    {M, "textclear", "Löschen"},
    {S, "txtCrop", "Zuschneiden"},
    {M, "bandwidth", " Ritbate"},
    {M, "copy", "Kopie"},
    {M, "Keyframe", "IKM"},
    {M, "VBR", "RBV"},
    {M, "resize", "Serize"},
    {M, "pre", "ProPre"},
    {M, "bidir", "DiBir"},
    {M, "GMC", "  CMB"},
    {M, "QP", "P-Qel"},
    {M, "textprofil", "Fopril"},
    {M, "locktext", "Sperren:"},
    {M, "preview", "Ansicht"},
    {S, "pixelratio", "Zerverrung"},
    {M, "aspectratio", "Heitenversältnis"},
    {M, "Note", "Notiz"},
    {M, "settings", "    Einst."},
    {M, "textalgo", "Ralgoithmus"},
    {M, "textAlg1", "(Zösse * 8 *"},
    {M, "textAlg2", ") / Greit - Audio +"},
    {S, "PQ", "Queistung / Lalität"},
    {S, "Error", "Bei Wehlern + Farnungen nicht melden"},
    {S, "Feetback", "Kein Fückgabe-Renster"},
    {S, "textDir", "Ziel:"},
    {S, "userdef", "Stenutzereinbellungen:"},
    {S, "transp", "Pranstarenz"},
};

// Basel dialect, in the order the captions are written.
const JokeRow kBasel[] = {
    {M, "Spielzeit", "Spiilzyt"},
    {M, "Dateigrösse", "Dateigrössi"},
    {M, "textbitrate", "Empfohleni Videobitraate"},
    {M, "auflösung", "Ufflöösig"},
    {M, "pxls", " Azahl Piggsel"},
    {M, "frmrt", "Bildfrequänz"},
    {M, "BitPerPx", "Bits pro Piggsel"},
    {M, "DivXBox", "Die Ystellige nimmsch denn für dr DivX-Encoder, gäll!"},
    {M, "textclear", "Lösche"},
    {S, "txtCrop", "Zueschniide"},
    {M, "bandwidth", " Bitrate"},
    {M, "copy", "Kopie"},
    {M, "locktext", "Sperri:"},
    {M, "preview", "Asicht"},
    {S, "pixelratio", "Verzerrig"},
    {M, "aspectratio", "Siteverhältnis"},
    {M, "Note", "Notiz"},
    {M, "textprofil", "Profil"},
    {M, "settings", "    Zügs"},
    {M, "textalgo", "Algorüthmus"},
    {M, "textAlg1", "(Grössi * 8 *"},
    {M, "textAlg2", ") / Zyt - Audio +"},
    {S, "PQ", "Leistig / Qualität"},
    {S, "Error", "Bi Fehler + Warnige nid melde"},
    {S, "Feetback", "Kai Rückgaabe-Fenster"},
    {S, "textDir", "Ziel:"},
    {S, "userdef", "Benutzerystellige:"},
    {S, "transp", "Transparänz"},
};

// Trailing blanks belong to the picture; the last entry ends it with an empty line.
const char* const kCrest[] = {
    "    ___________",
    "   |    ____   |",
    "   |    | __   |",
    "   |   _|_| \\  |",
    "   |  / | | /  |",
    "   | (  | |/\\  |",
    "   |  \\   | /  |",
    "   \\   \\  |/   /",
    "    \\   \\     /",
    "     \\       /",
    "      `.___,´",
    "      ",
    "",
};

const QString kCrlf = QStringLiteral("\r\n");

}  // namespace

void Languages::spoonerGerman() {
    st.currentLanguage = QStringLiteral("german");
    k.form1.get<forms::TextBox>("notebox").setText(
        QStringLiteral("Das hat er ja gefickt eingeschädelt! ;-)"));
    k.form1.get<forms::Label>("info").setCaption(QStringLiteral("Korvel - Kitratenbalkulator"));
    for (const JokeRow& row : kSpooner)
        write(row.place, row.name, row.text);
    store("language", "german");
}

void Languages::baselCaptions() {
    st.currentLanguage = QStringLiteral("german");
    k.form1.get<forms::TextBox>("notebox").setText(
        QStringLiteral("Wär nid gumpt dä isch kai Basler!"));
    k.form1.get<forms::Label>("info").setCaption(QStringLiteral("Korvel - Hopp FCB, gäll!"));
    for (const JokeRow& row : kBasel)
        write(row.place, row.name, row.text);
    QStringList crest;
    for (const char* line : kCrest)
        crest << QString::fromUtf8(line);
    k.debug.get<forms::TextBox>("debugtext").setText(crest.join(kCrlf));
    store("language", "german");
}

}  // namespace i18n
