// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the catalogues compose, with "%1" to "%6" where their values go.
// The patterns are also the keys of the texts' translations.
#pragma once

#include <string_view>

namespace quarvel::catalogues {

// What a damaged shipped file gives, "%1" its path.
inline constexpr std::string_view kMissingColumnText = "%1, colonne \"%2\" absente";
inline constexpr std::string_view kSkippedLinesText = "%1, ligne(s) %2";

// A line of the deep-sky objects' file that cannot be used: the path, the
// line number and the reason.
inline constexpr std::string_view kObjectLineText = "%1, ligne %2 : %3";
inline constexpr std::string_view kFieldCountReason = "%1 champs au lieu de %2";
inline constexpr std::string_view kBadValueReason = "colonne \"%1\" : « %2 » incorrect";
inline constexpr std::string_view kEmptyValueReason = "colonne \"%1\" vide";
inline constexpr std::string_view kNoDesignationReason = "aucune désignation";
inline constexpr std::string_view kMoreLinesText = "%1 : … et %2 autres lignes ignorées";

// The framing line of the photo field: an object, its size, the field and
// whether it fits. Sizes in arc-minutes.
inline constexpr std::string_view kFitLine = "%1 : %2 — %3 — %4";
inline constexpr std::string_view kUnknownSizeLine = "%1 : taille inconnue — %2";
inline constexpr std::string_view kAxesText = "%1' x %2'";
// Axes without a position angle: the object is framed as a disc of its major axis.
inline constexpr std::string_view kAxesNoAngleText = "%1' x %2', orientation inconnue";
// A round object, or one given by its diameter alone (most star clusters).
inline constexpr std::string_view kDiameterText = "%1'";
inline constexpr std::string_view kFrameFieldText = "champ %1' x %2'";
inline constexpr std::string_view kMosaicFieldText = "champ %1' x %2' — mosaïque %3 x %4 : %5' x %6'";
inline constexpr std::string_view kFitsFrameText = "tient dans le champ (remplissage %1 %)";
inline constexpr std::string_view kFitsMosaicText = "tient dans la mosaïque (remplissage %1 %)";
inline constexpr std::string_view kAdvisedMosaicText = "ne tient pas : mosaïque %1 x %2 conseillée";
inline constexpr std::string_view kTooLargeText = "ne tient pas, même en mosaïque %1 x %2";

inline constexpr std::string_view kPatterns[] = {
    kMissingColumnText, kSkippedLinesText, kObjectLineText,  kFieldCountReason,  kBadValueReason,
    kEmptyValueReason,  kNoDesignationReason, kMoreLinesText,  kFitLine,         kUnknownSizeLine,   kAxesText,
    kAxesNoAngleText,   kDiameterText,      kFrameFieldText,   kMosaicFieldText, kFitsFrameText,     kFitsMosaicText,
    kAdvisedMosaicText, kTooLargeText,
};

}  // namespace quarvel::catalogues
