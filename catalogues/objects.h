// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::catalogues {

// A deep-sky object of the shipped list (data/objects/objects.csv, whose
// README gives each column). Sizes in arc-minutes, angles in degrees.
struct DeepSkyObject {
    // "M 31", "C 14", "NGC 224", "IC 434"; empty where the object has none.
    std::string m{};
    std::string c{};
    std::string ngc{};
    std::string ic{};
    // Numbers in other catalogues: "Sh2-155", "B 33", "Mel 22".
    std::vector<std::string> other{};
    std::vector<std::string> namesEn{};
    // Translations of some of the English names, not paired with them one to one.
    std::vector<std::string> namesFr{};
    std::string type{};                   // as the file words it: "galaxy", "open cluster"
    std::optional<double> magnitude{};    // V, or B where V is unknown
    std::optional<double> majorArcmin{};  // unknown for a few objects
    std::optional<double> minorArcmin{};  // unknown for most clusters
    // Of the major axis, from north through east, 0 to 180; unknown for most
    // objects other than galaxies.
    std::optional<double> positionAngleDeg{};
    double raDeg = 0;   // J2000
    double decDeg = 0;  // J2000
};

// The rows of an objects file and one message per line that could not be
// used (the first ten, then how many more).
struct ObjectsRead {
    std::vector<DeepSkyObject> rows;
    std::vector<core::Message> problems;
};

// Reads the text of an objects file; `source` is its path as messages show
// it. Columns are found by their header names, so others may be added. A
// file missing a column gives no rows and says which column.
ObjectsRead readObjects(std::string_view source, std::string_view csv);

// A point of the sky, J2000, in degrees.
struct SkyPoint {
    double raDeg = 0;
    double decDeg = 0;
};
// The outlines of the large nebulae, by the designation their object is
// shown by: each a closed polyline of points.
using Outlines = std::map<std::string, std::vector<std::vector<SkyPoint>>>;

// Reads the text of an outlines file (designation, part, ra, dec, one point
// a line); a line that does not read is skipped, and its part with it.
Outlines readOutlines(std::string_view csv);

// The name an object is shown by: "M 31", else "C 14", "NGC 7000", "IC 434",
// else its first other number.
std::string designation(const DeepSkyObject& object);
// A completer's row: every M, C, NGC and IC number, then the first common
// name, French when wanted and known, else English:
// "M 31 — NGC 224 — Galaxie d'Andromède".
std::string objectLabel(const DeepSkyObject& object, bool french);

}  // namespace quarvel::catalogues
