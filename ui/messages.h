// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the windows compose, with "%1" to "%9" where their values go
// (core::compose puts them in). The patterns are also the keys of the texts'
// translations: a view translates a composed text by its pattern.
#pragma once

#include <string_view>

#include "core/errors.h"

namespace quarvel::ui::messages {

// The user's equipment file.
inline constexpr std::string_view kUnreadableFile = "%1, fichier illisible";
inline constexpr std::string_view kSectionProblem = "%1, ligne %2, [%3] : %4";
inline constexpr std::string_view kUnknownSection = "section inconnue";
inline constexpr std::string_view kBadNameReason = "nom incorrect";
inline constexpr std::string_view kNameTakenReason = "nom déjà dans les listes";
inline constexpr std::string_view kUnknownSensor = "capteur \"%1\" inconnu";
inline constexpr std::string_view kMissingValues = "valeurs %1 absentes ou incorrectes";
inline constexpr std::string_view kMoreProblems = "… et %1 autres sections ignorées";
// A file not read for its size, in megabytes.
inline constexpr std::string_view kFileTooLarge = core::kFileTooLarge;
inline constexpr std::string_view kDefaultsUsed = "Fichier de plus de 1 Mo : valeurs par défaut utilisées";
// Adding and removing the user's own equipment.
inline constexpr std::string_view kBadName = "« %1 » : nom incorrect";
inline constexpr std::string_view kNameTaken = "« %1 » : nom déjà dans les listes";
inline constexpr std::string_view kMissingOptics = "« %1 » : diamètre ou focale manquant";
inline constexpr std::string_view kNameTooLong = "« %1 » : nom trop long, %2 caractères au plus";
inline constexpr std::string_view kUnsavableName = "« %1 » : caractères que le fichier ne peut pas enregistrer : %2";
inline constexpr std::string_view kOpticsTooLarge = "« %1 » : diamètre ou focale de plus de %2 mm";
inline constexpr std::string_view kPixelsTooLarge = "« %1 » : pixels de plus de %2 µm";
inline constexpr std::string_view kIncompleteSensor = "« %1 » : capteur incomplet";
inline constexpr std::string_view kRemoveQuestion = "Supprimer %1 de vos équipements ?";
inline constexpr std::string_view kTheCamera = "la caméra « %1 »";
inline constexpr std::string_view kTheDslr = "l'appareil photo « %1 »";
inline constexpr std::string_view kTheTelescope = "le télescope « %1 »";
inline constexpr std::string_view kTheSetup = "le montage « %1 »";
inline constexpr std::string_view kTheSite = "le site « %1 »";
inline constexpr std::string_view kBadSitePlace =
    "« %1 » : latitude de -90 à 90°, longitude de -180 à 180° et altitude de -500 à 9000 m";
// A list row's hint: a model's sensor, a telescope's optics.
inline constexpr std::string_view kSensorHint = "%1 : %2 x %3 pixels de %4 µm";
inline constexpr std::string_view kTelescopeHint = "Diamètre %1 mm, focale %2 mm, f/%3";
// The status line after a save.
inline constexpr std::string_view kSavedIn = "Configuration enregistrée dans %1";
// The photo page's legend: the current setup's frame, then each compared one's.
inline constexpr std::string_view kLegendCurrent = "rouge, trait plein : montage actuel";
inline constexpr std::string_view kLegendColours[] = {"vert, tirets : %1", "bleu, pointillés : %1",
                                                      "jaune, tirets et points : %1"};
// The fit line, with the angle at which the object would fit.
inline constexpr std::string_view kFitsAtAngle = "%1 ; tient à %2°";
inline constexpr std::string_view kUnknownObject = "« %1 » : objet inconnu ; taper par exemple M 31, NGC 7000, C 14 ou un nom";
inline constexpr std::string_view kResultsCopied = "Résultats copiés, une ligne par valeur";
inline constexpr std::string_view kUnderSampled = "sous-échantillonné";
inline constexpr std::string_view kWellSampled = "bien échantillonné";
inline constexpr std::string_view kOverSampled = "sur-échantillonné";
// The deep-sky verdict's rule: the binned sampling, the binning, FWHM/3,
// FWHM/2 and the FWHM.
inline constexpr std::string_view kSamplingRule =
    "%1\" par pixel en %2 ; bien échantillonné de FWHM/3 = %3\" à FWHM/2 = %4\" (FWHM %5\"). "
    "Capteur couleur : la matrice de Bayer échantillonne chaque couleur deux fois moins finement.";
// The end of the help text.
inline constexpr std::string_view kConfigurationSentence =
    "\n\nLa configuration est enregistrée dans le fichier %1.\n";

// Saturn's rings' tilt towards the Earth, on the Imagerie page.
inline constexpr std::string_view kRingTilt = "inclinaison %1°";
// The "Nuit" page.
inline constexpr std::string_view kRises = "Lever : %1";
inline constexpr std::string_view kTransits = "Passage : %1 à %2°";
inline constexpr std::string_view kSets = "Coucher : %1";
inline constexpr std::string_view kAlwaysUp = "toujours levé";
inline constexpr std::string_view kNeverUp = "ne se lève pas";
inline constexpr std::string_view kAstronomicalNight = "Nuit astronomique : %1 – %2";
inline constexpr std::string_view kNoAstronomicalNight = "Pas de nuit astronomique : le Soleil reste au-dessus de -18°";
inline constexpr std::string_view kDarkAllDay = "Nuit astronomique toute la journée";
inline constexpr std::string_view kMidnightSun = "Le Soleil ne se couche pas";
inline constexpr std::string_view kPolarNight = "Le Soleil ne se lève pas";
inline constexpr std::string_view kUsefulHours = "Au-dessus de %1° en nuit astronomique : %2";
inline constexpr std::string_view kHoursMinutes = "%1 h %2";
inline constexpr std::string_view kMoonShown = "Lune : éclairée à %1 %, à %2° de la cible";
// Tonight's targets: the list's headings, the kinds the filter offers ("Tous"
// first, also for every catalogue), the line that counts them, a filter out of range.
inline constexpr std::string_view kTargetHeadings[] = {"Objet", "Type", "Taille", "Mag.", "Nuit", "Remplissage",
                                                        "Mosaïque", "Lune", "Note"};
inline constexpr std::string_view kTargetKinds[] = {"Tous", "Galaxies", "Nébuleuses en émission et par réflexion",
                                                     "Nébuleuses planétaires", "Amas", "Nébuleuses obscures"};
inline constexpr std::string_view kTargetsShown =
    "%1 cibles sur %2 — %3, au moins %4 h de nuit, remplissage de %5 à %6 %, mosaïque jusqu'à %7 x %7, Lune à %8° "
    "au moins, catalogue : %9";
inline constexpr std::string_view kBadTargetNumber = "« %1 » : ce filtre prend un nombre de %2 à %3";
inline constexpr std::string_view kNothingToCopy = "Rien à copier sur cette page";
inline constexpr std::string_view kMoonNight = "Lune : lever %1, coucher %2, éclairée à %3 %, à %4° de la cible";
inline constexpr std::string_view kUpAtDusk = "déjà levé au coucher du Soleil";
inline constexpr std::string_view kUpAtDuskThen = "déjà levé au coucher du Soleil, de nouveau à %1";
inline constexpr std::string_view kNightRow = "%1 — ↑ %2 — passage %3 à %4° — ↓ %5 — %6 utiles";
inline constexpr std::string_view kUpAtDuskShort = "levé au crépuscule";
inline constexpr std::string_view kNightRowShown = "▸ %1";
// The night chart's legend, beside the targets' names.
inline constexpr std::string_view kLegendMoon = "Lune";
inline constexpr std::string_view kLegendMinimum = "minimum";
inline constexpr std::string_view kLegendNow = "maintenant";
inline constexpr std::string_view kMonthSpan = "%1 %2 à %3 %4";
// The chart's stars: their source and the faintest drawn (its units and
// tenths), or why there are none.
inline constexpr std::string_view kStarsLegend = "Étoiles : Hipparcos (XHIP), jusqu'à la magnitude %1,%2";
inline constexpr std::string_view kStarsMissing = "Pas d'étoiles : « %1 » ne se lit pas (%2)";
inline constexpr std::string_view kNotAStarFile = "ce n'est pas un fichier d'étoiles de Quarvel";
inline constexpr std::string_view kImageCatalogueStars = "Étoiles du catalogue sur l'image : %1";
inline constexpr std::string_view kObjectsLeftOut = "Objets du ciel profond ignorés :\n%1";
inline constexpr std::string_view kTimeZone = "Heures du bureau, %1";
inline constexpr std::string_view kTimeZoneChange = "Heures du bureau, %1 puis %2 à partir de %3";
inline constexpr std::string_view kNoSite = "Aucun site : taper sa latitude et sa longitude, ou en choisir un";
inline constexpr std::string_view kNoTarget = "Aucune cible : cadrer un objet dans Champ photo";
inline constexpr std::string_view kYearHours = "Nuit au-dessus de %1°, le 15 du mois, de %2";
inline constexpr std::string_view kYearPlanet = "%1, de %2 : diamètre et hauteur au passage, le 15 du mois";
inline constexpr std::string_view kMonthHours = "%1 : %2 %3";
inline constexpr std::string_view kMonthPlanet = "%1 : %2\" à %3°%4";
inline constexpr std::string_view kOpposition = "◆ opposition : %1";
inline constexpr std::string_view kGreatestElongation = "◆ plus grande élongation : %1";
// A day of a month ("10 janvier"), and two items of a list.
inline constexpr std::string_view kDayOfMonth = "%1 %2";
inline constexpr std::string_view kListed = "%1, %2";
inline constexpr std::string_view kMonths[] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                               "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

// The first caption of the compared setups' copy, over their names.
inline constexpr std::string_view kSetupCaption = "Montage";
// The separation page's results, as copied.
inline constexpr std::string_view kSeparationPixels = "Séparation en pixels";
inline constexpr std::string_view kSeparationArcsec = "Séparation";
inline constexpr std::string_view kTheoreticalFocal = "Focale théorique";
inline constexpr std::string_view kRealFocal = "Focale réelle";
// The captions of copied results that no page shows as they are and no
// result row holds.
inline constexpr std::string_view kResultCaptions[] = {
    kSetupCaption, kSeparationPixels, kSeparationArcsec, kTheoreticalFocal, kRealFocal,
};

// The user's image measured beside the setup: its name and where it points,
// its sampling and field against the calculation, its rotation and mirror,
// its stars' width.
inline constexpr std::string_view kImageCentre = "%1 : centre %2, à %3 du cadre";
inline constexpr std::string_view kImageSampling = "Échantillonnage %1\"/px, calcul %2\"/px (%3 %)";
inline constexpr std::string_view kImageField = "Champ %1 x %2, calcul %3 x %4";
inline constexpr std::string_view kImageRotation =
    "Rotation %1° (le haut de l'image, du nord vers l'est), cadre %2° ; miroir : %3";
inline constexpr std::string_view kImageFwhm = "FWHM des étoiles : %1 px, %2\"";
inline constexpr std::string_view kImageNoFwhm = "FWHM des étoiles : pas d'étoile mesurable";
inline constexpr std::string_view kYes = "oui";
inline constexpr std::string_view kNo = "non";
inline constexpr std::string_view kSolving = "Résolution de %1 : %2\n%3 s écoulées, au plus %4 s encore";
inline constexpr std::string_view kStageHinted = "autour du cadre, à l'échantillonnage du montage";
inline constexpr std::string_view kStagePlaceOnly = "autour du cadre, à toute échelle";
inline constexpr std::string_view kStageBlind = "sur tout le ciel, à toute échelle";
inline constexpr std::string_view kSolveCancelled = "Résolution de %1 annulée";
inline constexpr std::string_view kNoIndexForField =
    "Aucun fichier d'index installé ne couvre un champ de %1' (ceux de Tycho-2 partent de %2') : il faudrait ceux de "
    "2MASS, de 8' à 22' (paquets astrometry-data-2mass-04 à -06, section contrib de Debian)";
inline constexpr std::string_view kImageOtherSetup =
    "%1 : image d'un autre montage (échantillonnage différent de plus de %2 %) ; centre %3";
inline constexpr std::string_view kImageOwnSampling = "Échantillonnage %1\"/px";
inline constexpr std::string_view kImageOwnField = "Champ %1 x %2";
inline constexpr std::string_view kImageFwhmAfterSolve = "FWHM des étoiles : après une résolution";
inline constexpr std::string_view kImageSolutionFromFile = "Solution lue dans le fichier (WCS), non résolue";

// The texts above that a view translates as such; the help text's end is
// translated with the help text.
inline constexpr std::string_view kPatterns[] = {
    kUnreadableFile, kFileTooLarge, kDefaultsUsed, kSectionProblem, kUnknownSection,   kBadNameReason,  kNameTakenReason,
    kUnknownSensor,  kMissingValues,  kMoreProblems,     kBadName,          kNameTaken,      kMissingOptics,
    kNameTooLong,    kUnsavableName,  kOpticsTooLarge,   kPixelsTooLarge,
    kIncompleteSensor, kRemoveQuestion, kTheCamera,      kTheDslr,        kTheTelescope,   kTheSetup, kTheSite, kBadSitePlace, kSavedIn, kSensorHint, kTelescopeHint, kSamplingRule, kUnknownObject, kFitsAtAngle, kResultsCopied, kLegendCurrent, kLegendColours[0], kLegendColours[1], kLegendColours[2], kUnderSampled, kWellSampled, kOverSampled,
    kRingTilt, kRises, kTransits, kSets, kAlwaysUp, kNeverUp, kAstronomicalNight, kNoAstronomicalNight, kDarkAllDay, kMidnightSun,
    kPolarNight, kUsefulHours, kMoonShown, kTargetsShown, kBadTargetNumber, kNothingToCopy, kMoonNight, kUpAtDusk, kUpAtDuskThen, kNightRow, kUpAtDuskShort, kLegendMoon, kLegendMinimum, kLegendNow, kStarsLegend, kStarsMissing, kNotAStarFile, kImageCatalogueStars, kObjectsLeftOut, kTimeZone, kTimeZoneChange, kNoSite, kNoTarget, kYearHours, kYearPlanet, kOpposition,
    kGreatestElongation, kImageCentre, kImageSampling, kImageField, kImageRotation, kImageFwhm, kImageNoFwhm, kSolving, kStageHinted, kStagePlaceOnly, kStageBlind, kSolveCancelled, kNoIndexForField,
    kImageOtherSetup, kImageOwnSampling, kImageOwnField, kImageFwhmAfterSolve, kImageSolutionFromFile,
};
// Texts translated only where a message names them, never looked for in a
// text shown: too general to tell a composed text from a name ("%1 : %2 %3"),
// or a single word a name may be ("mars").
inline constexpr std::string_view kMessageOnlyPatterns[] = {
    kYes, kNo, kMonthHours, kMonthPlanet, kMonthSpan, kNightRowShown, kHoursMinutes, kDayOfMonth, kListed, kMonths[0], kMonths[1], kMonths[2], kMonths[3], kMonths[4], kMonths[5],
    kMonths[6],  kMonths[7],   kMonths[8],    kMonths[9], kMonths[10], kMonths[11],
    kTargetHeadings[0], kTargetHeadings[1], kTargetHeadings[2], kTargetHeadings[3], kTargetHeadings[4],
    kTargetHeadings[5], kTargetHeadings[6], kTargetHeadings[7], kTargetHeadings[8],
    kTargetKinds[0], kTargetKinds[1], kTargetKinds[2], kTargetKinds[3], kTargetKinds[4], kTargetKinds[5],
};

}  // namespace quarvel::ui::messages
