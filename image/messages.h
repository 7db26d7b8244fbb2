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
inline constexpr std::string_view kBadPng = "Image PNG incorrecte ou tronquée.";
inline constexpr std::string_view kBadJpeg = "Image JPEG incorrecte, tronquée ou en CMJN.";
inline constexpr std::string_view kBadTiff = "Image TIFF incorrecte, tronquée ou d'un type non lu (palette, moins de 8 bits).";
// Why the image reader, a process of its own, gave no image.
inline constexpr std::string_view kReaderCrashed = "Le fichier semble endommagé : sa lecture s'est arrêtée sur une faute (%1).";
inline constexpr std::string_view kReaderTimedOut = "Sa lecture a été arrêtée après %1 s.";
inline constexpr std::string_view kReaderOutOfMemory = "Sa lecture demandait plus de %1 Mo de mémoire.";
inline constexpr std::string_view kReaderMissing = "Le lecteur d'images du programme (%1) est introuvable : réinstallez Quarvel.";
// Why an image was not solved.
inline constexpr std::string_view kNoSolution = "aucune solution trouvée en %1 s";
inline constexpr std::string_view kCancelled = "résolution annulée";
inline constexpr std::string_view kSolverFailed = "solve-field a échoué : %1";
inline constexpr std::string_view kSolverFailedSilently = "solve-field a échoué (code %1)";
inline constexpr std::string_view kSolverStopped = "solve-field s'est arrêté sur une faute (signal %1)";
inline constexpr std::string_view kBadSolution = "la solution rendue par solve-field est incorrecte (%1)";

inline constexpr std::string_view kPatterns[] = {
    kUnknownFormat, kBadFits, kBadRaw, kTooManyPixels, kTooSmall, kBadPng, kBadJpeg, kBadTiff,
    kReaderCrashed, kReaderTimedOut, kReaderOutOfMemory, kReaderMissing,
    kNoSolution, kCancelled, kSolverFailed, kSolverFailedSilently, kSolverStopped, kBadSolution,
};

}  // namespace quarvel::image
