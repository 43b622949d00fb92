#include "i18n/help_texts.h"

namespace i18n {
namespace {

// No French texts for "textAdd10", "txtLog" and "txtMV": those read the English ones.
const HelpText kFrench[] = {
    {"Spielzeit", "Durée du Film",
     "Entrez ici la durée du film au format HH:MM:SS (heures, minutes, secondes).\r"
     "Les minutes au-delà de 59 sont converties : 123 min donnent 02:03:00."},
    {"Dateigrösse", "Taille du Fichier",
     "Entrez ici la taille du fichier, p. ex. '700' pour un fichier qui tient sur un CD."},
    {"Audiobitrate", "Audio",
     "Entrez ici le débit de la piste audio en kbps.\r"
     "Recommandé : de 48 kbps à 128 kbps."},
    {"auflösung", "Définition",
     "Entrez ici la définition de la vidéo.\r"
     "Le second nombre (hauteur ou largeur) est calculé à partir des proportions (p. ex. 4:3) "
     "et du rapport de pixel (p. ex. 1.067)."},
    {"bandwidth", "Bit/s",
     "Le débit vidéo, cette fois en bits par seconde ; il sert au calcul des bits par pixel.\r"
     "Ici, k = 1000 et non 1024."},
    {"textbitrate", "Bit/s Recommandé",
     "Le débit à indiquer au codec pour la vidéo seule (sans l'audio).\r"
     "Ici, 'kilo' vaut 1024 et un octet compte 8 bits.\r"
     "Tant que 'Bloquer:' est coché, le débit n'est pas calculé automatiquement."},
    {"frmrt", "Image/s",
     "Entrez ici le nombre d'images par seconde : 25 pour le PAL, 29.97 pour le NTSC."},
    {"Keyframe", "Keyframeintervall",
     "L'intervalle maximal entre deux images clés, en images.\r"
     "Laissez-le à 200."},
    {"BitPerPx", "Bit/Pixel",
     "Le nombre de bits disponibles pour chaque pixel d'une image.\r"
     "Pour DivX, il en faut au moins 0.1 ; au-delà de 0.3, c'est inutile.\r"
     "Valeur recommandée : 0.15 b/px.\r"
     "Calculé avec k = 1000 et non 1024."},
    {"pxls", "Pixels",
     "Affiche le nombre de pixels d'une image. Cette valeur devrait se situer entre 100'000 et "
     "300'000."},
    {"textclear", "Effacer",
     "Remet (presque) toutes les valeurs à zéro et efface tous les réglages enregistrés par ce "
     "programme (pas ceux du codec).\r"
     "À utiliser pour désinstaller le programme ou en cas de problème après une mise à jour."},
    {"textprofil", "Profile",
     "Choisissez le profil matériel.\r"
     "Un profil limite les réglages du codec pour que la vidéo soit lisible sur un appareil "
     "certifié DivX :\r"
     "'Handheld' : appareils de poche ;\r"
     "'Portable' : lecteurs portables ;\r"
     "'HomeThter' (Home Theatre) : lecteurs de salon ;\r"
     "'Hight Def' : appareils haute définition.\r"
     "Pour une platine de salon certifiée DivX, choisissez 'Home Theatre' ; pour une lecture "
     "sur ordinateur, laissez 'None'."},
    {"textReg", "Registre", "Désolé, ce texte n'est pas encore disponible en français."},
    {"copy", "Copier", "Ce bouton copie les réglages DivX ; collez-les ensuite avec 'Ctrl' + 'V'."},
    {"Note", "Notes",
     "Cette note sert simplement à conserver un peu de texte, p. ex. une ligne de commande "
     "(CLI)."},
    {"locktext", "Bloquer:",
     "Lorsque 'Bloquer:' est coché, le débit vidéo reste fixe et le programme calcule à la "
     "place la taille du fichier ou la durée du film."},
    {"preview", "Visionner",
     "Ouvre un aperçu qui montre la taille et les proportions de la vidéo.\r"
     "L'aperçu a sa propre aide : cliquez sur son titre, en haut à gauche."},
    {"aspectratio", "Proportions",
     "Proportions : 1 = largeur / hauteur.\r"
     "Elles sont indiquées sur les jaquettes des DVD ; 1.3333:1 correspond à 4/3.\r"
     "'0' ou 'FREE' autorise n'importe quelle définition.\r"
     "Un clic sur ':1' passe à ':100'."},
    {"settings", "Paramètres",
     "Quelques réglages DivX supplémentaires, que l'on modifie rarement.\r"
     "Attention : avec 'Slowest', la compression prend TRÈS longtemps !"},
    {"textalgo", "Algorithme",
     "Le débit vidéo est calculé ainsi : (taille * 8 * première valeur) / durée - audio + "
     "seconde valeur.\r"
     "Avec '1024' et '0', vous obtenez les valeurs exactes.\r"
     "Augmentez légèrement la première valeur ; la seconde est ajoutée au débit (une valeur "
     "négative le réduit).\r"
     "\r"
     "Recommandation : (taille * 8 * |1048|) / durée - audio + |-10|"},
    {"pre", "Pre Processing Source", "Le prétraitement peut aider à réduire le bruit vidéo."},
    {"psy", "Psycho Visual Enhancements",
     "L'optimisation psychovisuelle réduit le débit nécessaire pour une même qualité perçue.\r"
     "Il est recommandé de l'activer."},
    {"QP", "Quarter Pels",
     "Précision au quart de pixel pour la prédiction de mouvement.\r"
     "L'image est découpée en macroblocs (16x16 pixels) et en blocs (8x8 pixels) ; leur "
     "déplacement d'une image à l'autre est prédit au quart de pixel près au lieu du "
     "demi-pixel."},
    {"resize", "Redimensionner",
     "DivX encodera le film dans la définition choisie. Attention : choisissez un rapport de "
     "pixel de '1.0' !"},
    {"VBR", "VBR",
     "Choisissez entre l'encodage en 1 passe et en 2 passes. Remarque : '2nd' vaut pour la 2e "
     "passe comme pour la n-ième."},
    {"GMC", "GMC",
     "La compensation de mouvement global améliore les scènes avec des zooms et des "
     "panoramiques."},
    {"bidir", "Bi-directional encoding",
     "Les images B sont prédites à partir des images précédentes, mais aussi des suivantes.\r"
     "Cela améliore la compression."},
    {"Error", "",
     "Si la case est cochée, le codec n'affiche ni erreurs ni avertissements.\r"
     "Il peut alors écraser des fichiers, comme le fichier log, sans demander.\r"
     "Il est recommandé de désactiver ces messages."},
    {"Feetback", "Fenêtre de Contrôle",
     "Désactive la fenêtre de contrôle du codec.\r"
     "Laissez-la désactivée, sauf si vous en avez besoin pour suivre l'encodage : sans elle, "
     "la compression est plus rapide."},
    {"transp", "Transparence",
     "Règle la transparence des fenêtres de ce programme.\r"
     "En cas de problème, choisissez 100 % et redémarrez le programme."},
    {"modtext", "Modulation",
     "Utilisez une valeur positive pour les films très animés (films d'action) et une valeur "
     "négative pour les images calmes."},
    {"pixelratio", "rapport de pixel",
     "Rapport de pixel = proportions / (largeur / hauteur)\r"
     "PAL:       1.3333 / ( 720 / 576 ) ~ 1.067\r"
     "NTSC:      1.3333 / ( 720 / 480 ) ~ 0.889\r"
     "Choisissez '1.0' (pixels carrés), sinon la vidéo sera déformée."},
    {"PQ", "Performance / Qualité",
     "Choisissez la vitesse de DivX. 'Slowest' est très lent, mais donne la meilleure "
     "qualité."},
    {"textDir", "Fichiers log et MV",
     "Choisissez le dossier où seront enregistrés les fichiers log et MV."},
    {"txtCrop", "Découper", "Découpe l'image. À utiliser si l'image source a des bords noirs."},
    {"txtResample", "Rééchantilloner",
     "Le filtre utilisé pour redimensionner l'image.\r"
     "'very sharp' donne la meilleure qualité d'image ; 'very soft' est plus rapide, mais "
     "flou."},
    {"txtSC", "Changement de Scène",
     "Le seuil à partir duquel DivX insère une image clé lors d'un changement de scène.\r"
     "50 % est recommandé."},
    {"userdef", "Paramètres définis par l'utilisateur",
     "Ici, vous pouvez entrer votre propre chaîne de paramètres DivX."},
    {"Label1", "Visionner",
     "L'aperçu montre la taille de la vidéo.\r"
     "Faites glisser le coin inférieur droit pour le redimensionner ; maintenez Maj enfoncée "
     "pour garder les proportions.\r"
     "Double-cliquez sur la zone noire pour le fermer.\r"
     "La transparence est réglable ; 100 % donne les meilleures performances."},
};

}  // namespace

std::span<const HelpText> frenchHelp() {
    return kFrench;
}

}  // namespace i18n
