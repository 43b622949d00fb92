#include "i18n/film_texts.h"

#include <iterator>

namespace i18n {

namespace {

// In the order of FilmText: German, English, French.
const char* const kTexts[][3] = {
    {"Film öffnen…", "Open film…", "Ouvrir un film…"},
    {"Film öffnen", "Open a film", "Ouvrir un film"},
    {"Filme (%1)", "Films (%1)", "Films (%1)"},
    {"Alle Dateien (*)", "All files (*)", "Tous les fichiers (*)"},
    {"Mit ffmpeg kodieren…", "Encode with ffmpeg…", "Encoder avec ffmpeg…"},
    {"Film: %1", "Film: %1", "Film : %1"},
    {"Erkennen", "Detect", "Détecter"},
    {"Schwarze Ränder des Films erkennen", "Detect the film's black borders",
     "Détecter les bandes noires du film"},
    {"Suche nach schwarzen Rändern", "Looking for black borders", "Recherche des bandes noires"},
    {"Abbrechen", "Cancel", "Annuler"},
    {"Korvel hat noch keinen Film, in dem es suchen kann. Einen Film öffnen?",
     "Korvel has no film to look at yet. Open one?",
     "Korvel n'a pas encore de film à examiner. En ouvrir un ?"},
    {"Mit ffmpeg kodieren", "Encode with ffmpeg", "Encoder avec ffmpeg"},
    {"Film:", "Film:", "Film :"},
    {"Der zu kodierende Film", "The film to encode", "Le film à encoder"},
    {"(noch keiner: auf das Hauptfenster ziehen oder öffnen)",
     "(none yet: drop one on the main window, or open one)",
     "(aucun : déposez-en un sur la fenêtre principale, ou ouvrez-en un)"},
    {"Öffnen…", "Open…", "Ouvrir…"},
    {"Ausgabe:", "Output:", "Sortie :"},
    {"Die Datei, die geschrieben wird", "The file to write", "Le fichier à écrire"},
    {"Wählen…", "Choose…", "Choisir…"},
    {"Die zu schreibende Datei wählen", "Choose the file to write", "Choisir le fichier à écrire"},
    {"Den Film schreiben nach", "Write the film to", "Écrire le film dans"},
    {"AVI-Dateien (*.avi)", "AVI files (*.avi)", "Fichiers AVI (*.avi)"},
    {"Diese Befehle laufen:", "These commands will run:", "Ces commandes seront lancées :"},
    {"Die Befehle, die laufen werden", "The commands that will run",
     "Les commandes qui seront lancées"},
    {"Starten", "Start", "Démarrer"},
    {"Fortschritt", "Progress", "Progression"},
    {"Ergebnis", "Result", "Résultat"},
    {"Durchgang %1 von %2: %3 %", "Pass %1 of %2: %3 %", "Passe %1 sur %2 : %3 %"},
    {"noch %1", "%1 left", "encore %1"},
    {"%1 gibt es schon. Ersetzen?", "%1 already exists. Replace it?",
     "%1 existe déjà. Le remplacer ?"},
    {"Eine Kodierung läuft. Anhalten? Was sie bisher geschrieben hat, wird gelöscht.",
     "An encode is running. Stop it? What it has written so far is deleted.",
     "Un encodage est en cours. L'arrêter ? Ce qu'il a écrit jusqu'ici sera supprimé."},
    {"Öffnen Sie zuerst einen Film: Ziehen Sie ihn auf das Hauptfenster, oder wählen Sie ihn "
     "mit „Öffnen…“.",
     "Open a film first: drop it on the main window, or choose it with \"Open…\".",
     "Ouvrez d'abord un film : déposez-le sur la fenêtre principale, ou choisissez-le avec "
     "« Ouvrir… »."},
};
static_assert(std::size(kTexts) == std::size_t(FilmText::Count));

}  // namespace

QString filmText(FilmText t, Language lang) {
    return QString::fromUtf8(kTexts[int(t)][lang]);
}

}  // namespace i18n
