#include "i18n/help_texts.h"

namespace i18n {
namespace {

const HelpText kGerman[] = {
    {"Spielzeit", "Spielzeit",
     "Geben Sie hier die Länge des Films ein, als HH:MM:SS (Stunden, Minuten, Sekunden).\r"
     "Minuten über 59 werden umgerechnet: 123 min ergeben 02:03:00."},
    {"Dateigrösse", "Grösse",
     "Geben Sie hier die gewünschte Dateigrösse ein, z. B. '700' für eine Datei, die auf eine CD "
     "passt.\r"
     "Die Grösse lässt sich nie ganz genau treffen.\r"
     "Wird die Zahl rot, lässt sich aus dem eingegebenen Wert (Bitrate oder Spielzeit) keine "
     "Grösse berechnen."},
    {"Audiobitrate", "Audiobitrate",
     "Geben Sie hier die Bitrate der Tonspur in kbps ein.\r"
     "Üblich sind 128 kbps; unter 48 kbps klingt der Ton schlecht."},
    {"auflösung", "Auflösung",
     "Geben Sie hier die Auflösung des Videos ein.\r"
     "Die zweite Zahl (Höhe oder Breite) wird aus dem Seitenverhältnis (z. B. 4:3) und der "
     "Verzerrung (z. B. 1.067) berechnet."},
    {"bandwidth", "Bitrate",
     "Nochmals die Videobitrate, in Bit pro Sekunde; daraus werden die Bits pro Pixel "
     "berechnet.\r"
     "Hier gilt k = 1000, nicht 1024."},
    {"textbitrate", "Videobitrate",
     "Die Bitrate nur für das Video (ohne Ton), die Sie im Codec eintragen.\r"
     "Hier ist 'Kilo' 1024, und ein Byte hat 8 Bit.\r"
     "Sie können auch eine eigene Bitrate eingeben; dann wird die Grösse berechnet, die daraus "
     "entsteht.\r"
     "Solange 'Sperren:' angekreuzt ist, wird die Bitrate nicht automatisch berechnet."},
    {"frmrt", "Bildwechselfrequenz",
     "Geben Sie hier die Bildwechselfrequenz ein: 25 für PAL, 29.97 für NTSC."},
    {"Keyframe", "Keyframeintervall",
     "Der grösste Abstand zwischen zwei Keyframes, in Bildern.\r"
     "Lassen Sie den Wert auf 200.\r"
     "Eine tiefere Bildwechselfrequenz komprimiert stärker."},
    {"BitPerPx", "Bits pro Pixel",
     "So viele Bits stehen für jeden Pixel eines Bildes zur Verfügung.\r"
     "Für DivX sollten es mindestens 0.1 sein; mehr als 0.3 sind unnötig.\r"
     "Berechnet mit k = 1000, nicht 1024."},
    {"pxls", "Anzahl Pixel",
     "Hier sehen Sie die Anzahl Pixel eines Bildes. Der Wert sollte zwischen 100'000 und "
     "300'000 liegen."},
    {"textclear", "Löschen",
     "Setzt (fast) alle Werte auf null und löscht alle gespeicherten Einstellungen dieses "
     "Programms (nicht die des Codecs).\r"
     "Nützlich zum Deinstallieren oder wenn nach einem Update Probleme auftreten."},
    {"textprofil", "Profil",
     "Wählen Sie das Hardware-Profil.\r"
     "Lassen Sie es auf 'None', ausser das Video muss auf zertifizierten Geräten laufen."},
    {"textReg", "Regiter",
     "Übernimmt die aktuellen Einstellungen des Codecs aus der Registry.\r"
     "Die Einstellungen des Codecs werden dabei nur gelesen, nie verändert."},
    {"copy", "Kopie",
     "Mit diesem Knopf kopieren Sie die DivX-Einstellungen; mit 'Ctrl' + 'V' fügen Sie sie "
     "ein."},
    {"Note", "Notiz",
     "Die Notiz dient nur dazu, etwas Text aufzubewahren, z. B. einen CLI-String."},
    {"locktext", "Lock:",
     "Ist 'Sperren:' angekreuzt, bleibt die Videobitrate, wie sie ist, und das Programm "
     "berechnet stattdessen die Dateigrösse oder die Spielzeit."},
    {"preview", "Ansicht",
     "Öffnet eine Ansicht, die Grösse und Seitenverhältnis des Videos zeigt."},
    {"aspectratio", "Seitenverhältnis",
     "Seitenverhältnis : 1 = Breite / Höhe.\r"
     "Es steht auf den DVD-Hüllen; 1.3333:1 entspricht 4/3.\r"
     "Mit '0' oder 'FREE' ist jede Auflösung erlaubt.\r"
     "Ein Klick auf ':1' schaltet auf ':100' um."},
    {"settings", "Einstellungen",
     "Einige weitere DivX-Einstellungen, die Sie nur selten ändern müssen.\r"
     "Achtung: Mit 'Slowest' dauert die Kompression SEHR lange!"},
    {"textalgo", "Algorithmus",
     "So wird die Videobitrate berechnet: (Grösse * 8 * erster Wert) / Zeit - Audio + zweiter "
     "Wert.\r"
     "Mit '1024' und '0' erhalten Sie die exakten Werte.\r"
     "Den ersten Wert sollten Sie leicht erhöhen; der zweite wird zur Bitrate addiert (ein "
     "negativer Wert senkt sie).\r"
     "\r"
     "Vorschlag für DivX 5: (Grösse * 8 * |1048|) / Zeit - Audio + |-10|"},
    {"textAdd10", "Add ...",
     "Ein Wert, der zur Bitrate addiert wird.\r"
     "Für DivX5 wird 10 empfohlen."},
    {"pre", "Pre Processing Source",
     "Die Vorverarbeitung kann das Bildrauschen vermindern.\r"
     "Mit Werten ab 1 bessert der Codec verrauschte Quellen auf."},
    {"psy", "Psycho Visual Enhancements",
     "Die psychovisuelle Optimierung senkt die Bitrate, die für die wahrgenommene Qualität "
     "nötig ist.\r"
     "Es empfiehlt sich, sie einzuschalten."},
    {"QP", "Quarter Pels",
     "Viertelpixel-Genauigkeit bei der Bewegungsvorhersage.\r"
     "Das Bild wird in Makroblöcke (16x16 Pixel) und Blöcke (8x8 Pixel) aufgeteilt; ihre "
     "Bewegung von Bild zu Bild wird auf einen Viertelpixel statt auf einen halben Pixel genau "
     "vorhergesagt."},
    {"resize", "Resize",
     "DivX kodiert den Film in der gewählten Auflösung. Achtung: Wählen Sie eine Verzerrung von "
     "'1.0'!"},
    {"VBR", "VBR",
     "Wählen Sie zwischen 1-Pass- und 2-Pass-Kodierung. Hinweis: '2nd' steht für den 2. oder "
     "n-ten Durchgang."},
    {"GMC", "Global Motion Compensation",
     "Die globale Bewegungskompensation hilft bei Szenen mit Zooms und Kameraschwenks."},
    {"bidir", "Bi-directional encoding",
     "B-Frames werden nicht nur aus den vorangehenden, sondern auch aus den folgenden Bildern "
     "vorhergesagt.\r"
     "Das verbessert die Kompression."},
    {"Error", "Keine Meldungen von DivX",
     "Ist das Kästchen angekreuzt, zeigt der Codec keine Fehlermeldungen und Warnungen an.\r"
     "Der Codec kann dann Dateien wie die Log-Datei ohne Rückfrage überschreiben."},
    {"Feetback", "Feedback window",
     "Schaltet das Rückgabe-Fenster des Codecs ab.\r"
     "Lassen Sie es abgeschaltet, ausser Sie brauchen es, um die Kodierung zu kontrollieren."},
    {"transp", "Transparenz",
     "Stellt die Transparenz der Fenster dieses Programms ein.\r"
     "Bei Problemen stellen Sie 100 % ein und starten das Programm neu."},
    {"modtext", "Bitratenmodulation",
     "Verwenden Sie einen positiven Wert für bewegungsreiche Filme (Actionfilme) und einen "
     "negativen Wert für ruhige Aufnahmen."},
    {"pixelratio", "Verzerrung (Pixelseitenverhältnis)",
     "Verzerrung = Seitenverhältnis / (Breite / Höhe)\r"
     "PAL:       1.3333 / ( 720 / 576 ) ~ 1.067\r"
     "NTSC:      1.3333 / ( 720 / 480 ) ~ 0.888\r"
     "Wählen Sie '1.0' (quadratische Pixel), sonst wird das Video verzerrt."},
    {"PQ", "Leistung/Qualität",
     "Wählen Sie die Geschwindigkeit von DivX. 'Slowest' ist sehr langsam, liefert aber die "
     "beste Qualität."},
    {"textDir", "Log/MV",
     "Wählen Sie das Verzeichnis, in dem die Log- und die MV-Datei gespeichert werden."},
    {"txtCrop", "Zuschneiden",
     "Damit wird das Bild zugeschnitten. Verwenden Sie es, wenn Ihr Quellbild schwarze Ränder "
     "hat."},
    {"txtLog", "Log",
     "Hier wählen Sie, ob DivX die Log-Datei im 2. / n-ten Durchgang nachführen soll."},
    {"txtMV", "MV",
     "DivX schreibt im 1. Durchgang eine Datei mit Bewegungsvektoren und liest sie im 2. / "
     "n-ten Durchgang wieder ein.\r"
     "Das empfiehlt sich nur für sehr langsame Computer."},
    {"txtResample", "Bildberechung",
     "Der Filter, mit dem das Bild beim Skalieren umgerechnet wird.\r"
     "'very sharp' ergibt die beste Bildqualität; 'very soft' ist schneller, aber unscharf."},
    {"txtSC", "Szenenwechsel Grenzwert",
     "Der Grenzwert, ab dem DivX bei einem Szenenwechsel einen Keyframe einfügt.\r"
     "Empfohlen sind 50 %."},
    {"userdef", "Benutzereinstellungen", "Hier können Sie Ihren eigenen DivX-String eingeben."},
    {"Label1", "Ansicht",
     "Die Ansicht zeigt die Grösse des Videos.\r"
     "Ziehen Sie an der unteren rechten Ecke, um die Grösse zu ändern; mit gedrückter "
     "Umschalttaste bleibt das Seitenverhältnis erhalten.\r"
     "Ein Doppelklick auf die schwarze Fläche schliesst die Ansicht.\r"
     "Die Transparenz lässt sich einstellen; mit 100 % läuft es am flüssigsten."},
};

}  // namespace

std::span<const HelpText> germanHelp() {
    return kGerman;
}

}  // namespace i18n
