#include "media/message.h"

#include <iterator>

namespace media {

namespace {

// In the order of Says: German, English, French.
const char* const kTexts[][3] = {
    {"Es gibt keine Datei %1.", "There is no file %1.", "Le fichier %1 n'existe pas."},
    {"%1 ist ein Ordner, kein Film.", "%1 is a folder, not a film.",
     "%1 est un dossier, pas un film."},
    {"%1 ist keine Datei.", "%1 is not a file.", "%1 n'est pas un fichier."},
    {"%1 ist leer: Es ist kein Film darin.", "%1 is empty: there is no film in it.",
     "%1 est vide : il ne contient aucun film."},
    {"Korvel darf %1 nicht lesen (siehe die Zugriffsrechte der Datei).",
     "Korvel may not read %1 (see the file's permissions).",
     "Korvel n'a pas le droit de lire %1 (voir les permissions du fichier)."},
    {"Korvel braucht %1, um Filme zu lesen, und %1 ist nicht installiert (oder nicht im PATH).",
     "Korvel needs %1 to read films, and %1 is not installed (or not on the PATH).",
     "Korvel a besoin de %1 pour lire les films, et %1 n'est pas installé (ou pas dans le "
     "PATH)."},
    {"Korvel braucht %1, um die schwarzen Ränder eines Films zu finden, und %1 ist nicht "
     "installiert (oder nicht im PATH).",
     "Korvel needs %1 to find a film's black borders, and %1 is not installed (or not on the "
     "PATH).",
     "Korvel a besoin de %1 pour trouver les bandes noires d'un film, et %1 n'est pas installé "
     "(ou pas dans le PATH)."},
    {"Korvel braucht %1, um Filme zu kodieren, und %1 ist nicht installiert (oder nicht im "
     "PATH).",
     "Korvel needs %1 to encode films, and %1 is not installed (or not on the PATH).",
     "Korvel a besoin de %1 pour encoder les films, et %1 n'est pas installé (ou pas dans le "
     "PATH)."},
    {"Es gehört zu ffmpeg: Installieren Sie unter Debian und Ubuntu das Paket ffmpeg (sudo apt "
     "install ffmpeg).",
     "It comes with ffmpeg: on Debian and Ubuntu install the package ffmpeg (sudo apt install "
     "ffmpeg).",
     "Il fait partie de ffmpeg : sous Debian et Ubuntu, installez le paquet ffmpeg (sudo apt "
     "install ffmpeg)."},
    {"%1 wurde mit %2 nicht innerhalb von %3 Sekunden fertig und wurde angehalten.",
     "%1 did not finish with %2 within %3 seconds and was stopped.",
     "%1 n'a pas fini avec %2 en %3 secondes et a été arrêté."},
    {"Abgebrochen.", "Cancelled.", "Annulé."},
    {"Korvel konnte %1 nicht starten: %2.", "Korvel could not start %1: %2.",
     "Korvel n'a pas pu lancer %1 : %2."},
    {"Korvel kann %1 den Namen %2 nicht übergeben.", "Korvel cannot hand %1 the name %2.",
     "Korvel ne peut pas transmettre le nom %2 à %1."},
    {"%1 brach bei %2 mit einem Fehler ab.", "%1 stopped with an error on %2.",
     "%1 s'est arrêté sur une erreur avec %2."},
    {"%1 brach bei %2 mit einem Fehler ab: %3", "%1 stopped with an error on %2: %3",
     "%1 s'est arrêté sur une erreur avec %2 : %3"},
    {"%1 ist kein Film, den Korvel lesen kann (ffprobe: %2).",
     "%1 is not a film Korvel can read (ffprobe: %2).",
     "%1 n'est pas un film que Korvel sait lire (ffprobe : %2)."},
    {"%1 enthält nur Ton (%2), kein Bild: Korvel braucht einen Film.",
     "%1 holds only sound (%2), no picture: Korvel needs a film.",
     "%1 ne contient que du son (%2), pas d'image : Korvel a besoin d'un film."},
    {"%1 enthält weder Bild noch Ton, den Korvel lesen kann.",
     "%1 holds neither picture nor sound Korvel can read.",
     "%1 ne contient ni image ni son que Korvel sache lire."},
    {"%1 ist beschädigt: ffprobe kann nicht lesen, wo die Datei endet (%2).",
     "%1 is damaged: ffprobe cannot read where it ends (%2).",
     "%1 est endommagé : ffprobe ne peut pas lire où il se termine (%2)."},
    {"%1 ist abgeschnitten: Die Datei kündigt %2 Film an, endet aber nach %3. War der Download "
     "oder die Kopie fertig?",
     "%1 is cut short: it announces %2 of film but ends after %3. Was the download or copy "
     "finished?",
     "%1 est tronqué : il annonce %2 de film mais s'arrête après %3. Le téléchargement ou la "
     "copie était-il terminé ?"},
    {"Der letzte Durchgang der Kodierung schreibt nicht %1.",
     "The encode's last pass does not write %1.",
     "La dernière passe de l'encodage n'écrit pas %1."},
    {"Nur der letzte Durchgang darf %1 schreiben.", "Only the last pass may write %1.",
     "Seule la dernière passe peut écrire %1."},
    {"%1 ist der Film selbst: Wählen Sie einen anderen Namen für die Kodierung.",
     "%1 is the film itself: choose another name for the encode.",
     "%1 est le film lui-même : choisissez un autre nom pour l'encodage."},
    {"%1 ist ein Ordner.", "%1 is a folder.", "%1 est un dossier."},
    {"Es gibt keinen Ordner für %1.", "There is no folder for %1.",
     "Il n'y a pas de dossier pour %1."},
    {"%1 gibt es schon; Korvel ersetzt die Datei nur mit Ihrer Zustimmung.",
     "%1 already exists; Korvel replaces it only when you agree.",
     "%1 existe déjà ; Korvel ne le remplace qu'avec votre accord."},
    {"%1 brach in Durchgang %2 von %3 mit einem Fehler ab. Seine letzten Worte:\n%4",
     "%1 stopped with an error in pass %2 of %3. Its last words:\n%4",
     "%1 s'est arrêté sur une erreur à la passe %2 sur %3. Ses derniers mots :\n%4"},
    {"ffmpeg endete, ohne %1 zu schreiben.", "ffmpeg ended without writing %1.",
     "ffmpeg s'est terminé sans écrire %1."},
    {"%1 ist während der Kodierung entstanden; die Datei blieb, wie sie ist.",
     "%1 appeared while Korvel encoded; it was left as it is.",
     "%1 est apparu pendant l'encodage ; il a été laissé tel quel."},
    {"Die fertige Datei konnte den Namen %1 nicht bekommen: %2.",
     "The finished file could not take the name %1: %2.",
     "Le fichier terminé n'a pas pu prendre le nom %1 : %2."},
    {"%1 MB von %2 MB, %3 %", "%1 MB of %2 MB, %3 %", "%1 Mo sur %2 Mo, %3 %"},
    {"%1 MB", "%1 MB", "%1 Mo"},
    {"Der Film sagt nicht, wie lange er läuft.", "The film does not say how long it plays.",
     "Le film n'indique pas sa durée."},
    {"Die Sperre leitet die Spielzeit aus Größe und Bitrate ab, darum wurde die Spielzeit des "
     "Films nicht eingetragen.",
     "The lock derives the play time from the size and the bitrate, so the film's play time was "
     "not entered.",
     "Le verrou calcule la durée à partir de la taille et du débit, la durée du film n'a donc "
     "pas été saisie."},
    {"Der Film nennt seine Bildrate nicht.", "The film does not say its frame rate.",
     "Le film n'indique pas sa fréquence d'images."},
};
static_assert(std::size(kTexts) == std::size_t(Says::Count));

}  // namespace

const char* saysText(Says says, i18n::Language lang) {
    return kTexts[int(says)][lang];
}

Message::Message(Says says, const QStringList& words) : parts_{{says, words}} {}

Message& Message::operator+=(const Message& more) {
    parts_.insert(parts_.end(), more.parts_.begin(), more.parts_.end());
    return *this;
}

QString Message::text(i18n::Language lang) const {
    QString all;
    for (const Part& part : parts_) {
        if (!all.isEmpty()) all += QLatin1Char(' ');
        // One pass over the text: a file name holding "%2" stays a file name.
        const QString text = QString::fromUtf8(saysText(part.says, lang));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int n = i + 1 < text.size() ? text[i + 1].digitValue() : -1;
            if (text[i] == QLatin1Char('%') && n >= 1 && n <= part.words.size()) {
                all += part.words[n - 1];
                ++i;
            } else {
                all += text[i];
            }
        }
    }
    return all;
}

}  // namespace media
