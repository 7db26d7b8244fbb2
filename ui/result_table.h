// SPDX-License-Identifier: GPL-3.0-or-later
// The results the pages show, one row each: the field that shows it, its
// caption and unit as "Copier les résultats" gives them, how its number is
// written, and where it is read from a setup's results. The pages, the
// "Comparer" page and the copy command render from these rows alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "setup/setup.h"
#include "ui/form/controls.h"
#include "ui/results.h"

namespace quarvel::ui {

struct ResultRow {
    std::string_view field;    // the control's name
    std::string_view caption;  // French
    std::string_view unit;
    // core::fixed(value, precision, decimals), or core::display(value,
    // decimals) when the precision is 0.
    int precision;
    int decimals;
    // The value, or nothing where the setup has none (no exposure limit).
    std::optional<setup::Value> (*read)(const setup::Results&);
};

namespace detail {
template <setup::Value setup::Results::*member>
std::optional<setup::Value> read(const setup::Results& results) {
    return results.*member;
}
inline std::optional<setup::Value> readExposure(const setup::Results& results) { return results.exposureLimitS; }
}  // namespace detail

// The instrument.
inline constexpr ResultRow kFocalRatio{"eFD", "Rapport f/D", "", 0, 2, detail::read<&setup::Results::focalRatio>};
inline constexpr ResultRow kResolving{
    "ePR", "Pouvoir Résolvant", "\"", 0, 2, detail::read<&setup::Results::resolvingArcsec>};
inline constexpr ResultRow kSeparating{
    "ePS", "Pouvoir Séparateur", "\"", 0, 2, detail::read<&setup::Results::separatingArcsec>};
// The sensor: its size, its sampling and its field.
inline constexpr ResultRow kSensorWidth{
    "eTaillePixelsMMX", "Largeur du capteur", "mm", 0, 2, detail::read<&setup::Results::sensorWidthMm>};
inline constexpr ResultRow kSensorHeight{
    "eTaillePixelsMMY", "Hauteur du capteur", "mm", 0, 2, detail::read<&setup::Results::sensorHeightMm>};
inline constexpr ResultRow kSensorDiagonal{
    "eTaillePixelsMMD", "Diagonale du capteur", "mm", 0, 2, detail::read<&setup::Results::sensorDiagonalMm>};
inline constexpr ResultRow kSampling{
    "eEchant", "Echantillonnage", "\"/pixel", 0, 2, detail::read<&setup::Results::samplingArcsec>};
inline constexpr ResultRow kFieldHorizontal{
    "eChampHor", "Champ horizontal", "'", 0, 2, detail::read<&setup::Results::fieldHorizontalArcmin>};
inline constexpr ResultRow kFieldVertical{
    "eChampVer", "Champ vertical", "'", 0, 2, detail::read<&setup::Results::fieldVerticalArcmin>};
// The Imagerie page's planetary object and advice.
inline constexpr ResultRow kRings{
    "eDiamAnnSat", "Diam. app. des anneaux", "\"", 5, 1, detail::read<&setup::Results::ringsArcsec>};
inline constexpr ResultRow kOnSensor{
    "eDiamCapt", "Diamètre sur le capteur", "pixels", 5, 1, detail::read<&setup::Results::onSensorPx>};
inline constexpr ResultRow kExposure{"eTps", "Temps de pose limite", "secondes", 5, 0, detail::readExposure};
inline constexpr ResultRow kCurrentRatio{"eFDAct", "f/d actuel", "", 10, 2, detail::read<&setup::Results::focalRatio>};
inline constexpr ResultRow kOptimalRatio{
    "eFDOpti", "f/d optimal", "", 10, 2, detail::read<&setup::Results::optimalFocalRatio>};
inline constexpr ResultRow kRatioMultiplier{
    "eCoefMulti", "Coef. multiplicateur à appliquer", "x", 10, 1, detail::read<&setup::Results::focalMultiplier>};
// Its deep-sky advice and the user's sky.
inline constexpr ResultRow kDeepSkySampling{
    "eEchCP", "Echantillonnage actuel", "\" / pixel", 10, 2, detail::read<&setup::Results::samplingArcsec>};
inline constexpr ResultRow kCurrentFocal{
    "eFocAct2", "Focale actuelle", "mm", 10, 0, detail::read<&setup::Results::focalMm>};
inline constexpr ResultRow kFinestSampling{
    "eEchConsCP", "Echantillonnage maxi", "\" / pixel", 10, 2, detail::read<&setup::Results::finestSamplingArcsec>};
inline constexpr ResultRow kFinestFocal{
    "eFocConsCP", "Focale maxi", "mm", 10, 0, detail::read<&setup::Results::focalForFinestMm>};
inline constexpr ResultRow kWantedFocal{
    "eFocCalcCP", "Focale à appliquer", "mm", 10, 0, detail::read<&setup::Results::focalForWantedMm>};
inline constexpr ResultRow kWantedCoefficient{
    "eCoefCP", "Coef. multiplicateur", "x", 10, 1, detail::read<&setup::Results::focalCoefficient>};
inline constexpr ResultRow kBinnedSampling{"eEchBinning",
                                           "Echantillonnage avec binning",
                                           "\" / pixel",
                                           10,
                                           2,
                                           detail::read<&setup::Results::binnedSamplingArcsec>};

// Every row, for the texts' translations.
const std::vector<const ResultRow*>& resultRows();

// The row's text for these results; fails with the value's own failure.
// Nothing for a value the setup does not have.
std::optional<std::string> resultText(const ResultRow& row, const setup::Results& results);

// "sous-échantillonné", "bien échantillonné" or "sur-échantillonné".
std::string_view verdictText(setup::SamplingVerdict verdict);

// A page's results in the order it shows them, each with its field.
class ShownResults {
public:
    void add(const ResultRow& row, form::EditField& field) { m_rows.emplace_back(&row, &field); }
    // Writes each field in turn: the first failure ends the showing there,
    // with its message, as the calculation itself would. A value the setup
    // does not have empties its field.
    void show(const setup::Results& results) const;
    // "caption, value, unit" for each field shown and not empty.
    void appendLines(std::vector<ResultLine>& lines) const;

private:
    std::vector<std::pair<const ResultRow*, form::EditField*>> m_rows;
};

}  // namespace quarvel::ui
