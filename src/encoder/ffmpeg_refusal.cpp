#include <cmath>

#include "encoder/ffmpeg_command.h"

namespace encoder {

namespace {

// Each reason in German, English and French: %1 the video bitrate, %2 the limit, %3 the profile.
const char* const kTexts[][3] = {
    {"Kein ffmpeg-Befehl: Eingabe und Ausgabe brauchen je einen Dateinamen.",
     "No ffmpeg command: the input and the output need a file name each.",
     "Pas de commande ffmpeg : l'entrée et la sortie ont besoin chacune d'un nom de fichier."},
    {"Kein ffmpeg-Befehl: Die Ausgabe würde die Eingabe überschreiben. Geben Sie ihr einen "
     "anderen Namen.",
     "No ffmpeg command: the output would overwrite the input. Give it another name.",
     "Pas de commande ffmpeg : la sortie écraserait l'entrée. Donnez-lui un autre nom."},
    {"Kein ffmpeg-Befehl: Diese Einstellungen lassen dem Video %1 kbit/s, der Encoder braucht "
     "mindestens %2 kbit/s. Geben Sie eine größere Dateigröße, eine kürzere Spielzeit oder eine "
     "niedrigere Audiobitrate ein.",
     "No ffmpeg command: these settings leave %1 kbit/s for the video, and the encoder needs at "
     "least %2 kbit/s. Enter a larger file size, a shorter play time or a lower audio bitrate.",
     "Pas de commande ffmpeg : ces réglages laissent %1 kbit/s à la vidéo, et l'encodeur a besoin "
     "d'au moins %2 kbit/s. Entrez une taille de fichier plus grande, une durée plus courte ou un "
     "débit audio plus bas."},
    {"Kein ffmpeg-Befehl: Die Videobitrate ist %1 kbit/s, mehr als die %2 kbit/s, die das Feld "
     "erlaubt. Geben Sie eine kleinere Dateigröße oder eine längere Spielzeit ein.",
     "No ffmpeg command: the video bitrate is %1 kbit/s, more than the %2 kbit/s the field "
     "allows. Enter a smaller file size or a longer play time.",
     "Pas de commande ffmpeg : le débit vidéo est de %1 kbit/s, plus que les %2 kbit/s que le "
     "champ permet. Entrez une taille de fichier plus petite ou une durée plus longue."},
    {"Kein ffmpeg-Befehl: Das Profil %3 erlaubt höchstens %2 kbit/s Video, diese Einstellungen "
     "verlangen %1 kbit/s. Geben Sie eine kleinere Dateigröße oder eine längere Spielzeit ein, "
     "oder wählen Sie ein anderes Profil.",
     "No ffmpeg command: the %3 profile allows at most %2 kbit/s of video, and these settings ask "
     "for %1 kbit/s. Enter a smaller file size or a longer play time, or choose another profile.",
     "Pas de commande ffmpeg : le profil %3 permet au plus %2 kbit/s de vidéo, et ces réglages "
     "en demandent %1. Entrez une taille de fichier plus petite ou une durée plus longue, ou "
     "choisissez un autre profil."},
    {"Kein ffmpeg-Befehl: Eine Zahl der Einstellungen liegt außerhalb dessen, was ffmpeg nimmt "
     "(Zuschnitt 0 bis 8191 Pixel je Seite, Bild 1 bis 8191 Pixel breit und hoch, "
     "Pixelseitenverhältnis bis 255).",
     "No ffmpeg command: a number in the settings lies outside what ffmpeg takes (crop 0 to 8191 "
     "pixels a side, picture 1 to 8191 pixels wide and high, pixel ratio up to 255).",
     "Pas de commande ffmpeg : un nombre des réglages sort de ce que ffmpeg accepte (recadrage de "
     "0 à 8191 pixels par côté, image de 1 à 8191 pixels de large et de haut, pixel ratio "
     "jusqu'à 255)."},
};

}  // namespace

QString refusalText(const FfmpegRefusal& r, i18n::Language lang, const forms::NumberLocale& loc) {
    // A number that cannot be written is left as it stands in the text.
    const auto figure = [&loc](double x) {
        return std::isfinite(x) ? forms::num::text(x, loc) : QStringLiteral("?");
    };
    QString text = QString::fromUtf8(kTexts[r.reason][lang]);
    text.replace(QLatin1String("%1"), figure(r.videoKbps));
    text.replace(QLatin1String("%2"), figure(r.limitKbps));
    return text.replace(QLatin1String("%3"), r.profile);
}

}  // namespace encoder
