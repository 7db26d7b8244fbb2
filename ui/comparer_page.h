// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ephem/ephemeris.h"
#include "ui/dialogs.h"
#include "ui/result_table.h"
#include "ui/results.h"
#include "ui/setups.h"

namespace quarvel::ui {

// "Comparer": the current setup and up to three saved ones side by side,
// each column computed once from its setup.
class ComparerPage : public form::Part {
public:
    static constexpr int kColumns = 4;
    // The table's rows: what each column shows, in this order.
    enum Row : int {
        kTelescope, kCamera, kFocalRatio, kResolving, kSeparating, kSensorSize, kSampling, kField,
        kJupiter, kMoon, kExposure, kVerdict, kRowCount
    };

    explicit ComparerPage(Form& window);

    // The saved setups each column after the first may show; a column keeps
    // its setup while the name stays.
    void setSetupNames(const std::vector<std::string>& names);
    // A column's setup, when one is chosen: 0 is the current one.
    std::optional<std::string> setupNameOf(int column) const;

    // Shows the columns: the current setup first, then each chosen saved one.
    struct Column {
        std::string telescope;
        std::string camera;
        setup::Results results;
        setup::Value moonPx;
    };
    void show(const std::vector<std::optional<Column>>& columns);

    // The table as lines: a caption, each column's value, the unit; the first
    // line names the setups.
    std::vector<ResultLine> resultLines() const;

    std::function<void()> onChoice;

    std::array<ListControl*, kColumns> cbMontage{};  // column 0 has none: the current setup
    // Each column's heading: "Montage actuel", then the name of the setup chosen.
    std::array<form::Label*, kColumns> heads{};
    std::array<std::array<form::Label*, kColumns>, kRowCount> cells{};
};

// The first column's heading.
inline constexpr std::string_view kCurrentSetup = "Montage actuel";

// A row's caption and unit, French, and the result it shows, written as its
// page writes it; a size or a field shows two, "across x down".
struct ComparedRow {
    std::string_view name;  // of its cells: "labCmp<name><column>"
    std::string_view caption;
    std::string_view unit;
    const ResultRow* value = nullptr;
    const ResultRow* second = nullptr;
};
inline constexpr std::array<ComparedRow, ComparerPage::kRowCount> kComparedRows{{
    {"Telescope", "Télescope", ""},
    {"Capteur", "Capteur", ""},
    {"FD", kFocalRatio.caption, kFocalRatio.unit, &kFocalRatio},
    {"PR", kResolving.caption, kResolving.unit, &kResolving},
    {"PS", kSeparating.caption, kSeparating.unit, &kSeparating},
    {"TailleCapteur", "Taille du capteur", kSensorWidth.unit, &kSensorWidth, &kSensorHeight},
    {"Echant", kSampling.caption, kSampling.unit, &kSampling},
    {"Champ", "Champ", kFieldHorizontal.unit, &kFieldHorizontal, &kFieldVertical},
    {"Jupiter", "Jupiter sur le capteur", kOnSensor.unit, &kOnSensor},
    {"Lune", "Lune sur le capteur", kOnSensor.unit},  // the Moon's own size, on the same sensor
    {"Pose", "Pose limite (Jupiter)", kExposure.unit, &kExposure},
    {"Verdict", "Ciel profond", ""},
}};

}  // namespace quarvel::ui
