// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the image library composes, with "%1" and "%2" where their
// values go. The patterns are also the keys of the texts' translations.
#pragma once

#include <string_view>

namespace quarvel::image {

// Why a file is no image the program can measure (after "Impossible d'ouvrir le fichier").
inline constexpr std::string_view kUnknownFormat = "Ce n'est pas une image FITS, brute d'appareil photo, TIFF, PNG ou JPEG lisible.";
inline constexpr std::string_view kBadFits = "Image FITS incorrecte ou tronquée.";
inline constexpr std::string_view kBadRaw = "Fichier brut d'appareil photo illisible.";
inline constexpr std::string_view kTooManyPixels = "Image de plus de %1 mégapixels.";
inline constexpr std::string_view kTooSmall = "Image de moins de %1 pixels de côté.";
// Why an image was not solved.
inline constexpr std::string_view kNoSolution = "aucune solution trouvée en %1 s";
inline constexpr std::string_view kCancelled = "résolution annulée";

inline constexpr std::string_view kPatterns[] = {
    kUnknownFormat, kBadFits, kBadRaw, kTooManyPixels, kTooSmall, kNoSolution, kCancelled,
};

}  // namespace quarvel::image
