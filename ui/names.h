// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the rows and pages that behaviour tells apart: the forms, the
// views and the tests use these, never a bare number or a shown text.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "catalogues/catalogue.h"
#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "ephem/ephemeris.h"
#include "ui/form/controls.h"

namespace quarvel::ui {

// The main window's pages, in the order of their tabs, and their tabs' captions.
enum class Page : int {
    Parametrage, DessinCapteur, Calculs, Imagerie, DessinPlanete, ChampPhoto, Nuit, Comparer, Aide, APropos
};
inline constexpr std::array<std::string_view, 10> kPageCaptions{
    "Paramètrage", "Dessin capteur", "Calculs", "Imagerie", "Dessin planète", "Champ photo", "Nuit", "Comparer", "Aide",
    "A propos"};
inline constexpr int kPageCount = static_cast<int>(kPageCaptions.size());
constexpr int indexOf(Page page) { return static_cast<int>(page); }
static_assert(indexOf(Page::APropos) + 1 == kPageCount, "a caption for each page");

// The main sensor list's command rows, before its sensors.
enum SensorListRow : int { kManualRow = 0, kSavedRow = 1, kCameraListRow = 2, kDslrListRow = 3 };
static_assert(kDslrListRow + 1 == catalogues::kMainCommandRows);
// A drawing page's sensor list: "Saisie manuelle", then the sensors.
inline constexpr int kManualTabRow = 0;

// The telescope list's first row: the user's own instrument.
inline constexpr int kPersonalTelescopeRow = 0;
// The filter group's first row: no filter.
inline constexpr int kNoFilterRow = 0;

// The focal factor list's rows.
using catalogues::kNoFactorRow;
using catalogues::kOtherFactorRow;

// "Oui" then "Non": "Pixel carré" and "Sauver la configuration".
enum YesNoRow : int { kYesRow = 0, kNoRow = 1 };
// "Saisie séparation" has them the other way round.
enum SeparationRow : int { kSeparationNoRow = 0, kSeparationYesRow = 1 };
// "Type d'imagerie".
enum ImagingRow : int { kPlanetaryRow = 0, kDeepSkyRow = 1 };

// The object group: a row for each body, in their order, then a diameter
// typed by hand.
inline constexpr int kManualValueRow = ephem::kBodies;
constexpr int rowOf(ephem::Body body) { return static_cast<int>(body); }
constexpr std::optional<ephem::Body> bodyOfRow(int row) {
    if (row < 0 || row >= ephem::kBodies) return std::nullopt;
    return static_cast<ephem::Body>(row);
}

// A catalogue's rows as a list's: the text shown (the user's mark is
// rendering only), the name it stands for, and its origin.
inline std::vector<form::ListControl::Item> listItems(const std::vector<catalogues::ListEntry>& entries) {
    std::vector<form::ListControl::Item> items;
    items.reserve(entries.size());
    for (const auto& entry : entries) items.push_back({entry.shown(), entry.name, static_cast<int>(entry.origin), {}});
    return items;
}

}  // namespace quarvel::ui
