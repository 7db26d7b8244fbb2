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

// The objects, searchable as the user types.
class ObjectCatalogue {
public:
    ObjectCatalogue() = default;
    explicit ObjectCatalogue(std::vector<DeepSkyObject> rows);

    const std::vector<DeepSkyObject>& rows() const { return m_rows; }

    // Rows matching a typed text, best first, at most `limit`. Case, accents
    // and the blanks and hyphens inside a designation do not count ("m31",
    // "NGC 7000", "ic434", "sh2 155"). Designations come first, the exact
    // number before longer ones ("M 3" before "M 31"; a number alone gives
    // the M, C, NGC and IC objects of that number); then common names,
    // English or French, whose words start with the typed words
    // ("andromede", "voile"); then the rows holding every typed word
    // anywhere in their names or numbers.
    std::vector<int> search(std::string_view typed, std::size_t limit) const;

    // The row a text names exactly: a designation in any of the forms above,
    // a whole common name or a completer's label. Nothing for a text naming
    // several rows alike (C 14 is NGC 869 and NGC 884), except that a name
    // borne by a Messier row and by others names the Messier row (the Lagoon
    // Nebula is M 8 and NGC 6523).
    std::optional<int> find(std::string_view typed) const;

private:
    // A folded text and its row.
    struct Key {
        std::string text;
        int row;
    };
    // A common name, folded, with where its words start.
    struct Name {
        std::string folded;
        std::vector<std::uint16_t> wordStarts;
        int row;
    };
    struct Found;
    void searchDesignations(const std::string& key, Found& found) const;
    void searchNames(const std::string& query, Found& found) const;
    void searchAnywhere(const std::string& query, Found& found) const;

    std::vector<DeepSkyObject> m_rows;
    // The numbers as typed texts are compared with them, without blanks
    // ("ngc7000"): shortest first, then in text order.
    std::vector<Key> m_designations;
    std::vector<Name> m_names;
    std::vector<Key> m_labels;  // in both languages
    // Every row's names and numbers, row after row, and where each row ends.
    std::string m_haystack;
    std::vector<std::size_t> m_haystackEnds;
};

// Framing an object in a photo's field.

// A size on the sky, arc-minutes: along the frame's horizontal side and its
// vertical side.
struct SkyExtent {
    double widthArcmin = 0;
    double heightArcmin = 0;
};

struct Framing {
    SkyExtent frame;  // one frame of the sensor
    // The frame's turn on the sky: the position angle of its top side, from
    // north through east. At 0 north is up and the width runs east-west.
    double rotationDeg = 0;
    int panelsX = 1;  // 1 to kMaxPanels
    int panelsY = 1;
    double overlapPercent = 0;  // of a frame's side shared by neighbours, 0 to below 100
};

inline constexpr int kMaxPanels = 5;
// What the mosaic's fields take: panels across or down, and the overlap in per cent.
inline constexpr core::NumberDomain kPanelsDomain{true, 1, kMaxPanels, false, false};
inline constexpr core::NumberDomain kOverlapDomain{false, 0, 100, false, true};

struct Panels {
    int x = 1;
    int y = 1;
    bool operator==(const Panels&) const = default;
};

// The field a mosaic covers: nx frames less the nx - 1 overlaps across,
// likewise down. Fails with the range-check error for panels outside 1 to
// kMaxPanels, an overlap outside 0 to below 100 or a frame side not above 0.
SkyExtent mosaicField(const Framing& framing);

// The shape an object is framed, drawn and described by: the catalogue's
// axes and position angle, mended where the source gets them wrong. A
// globular cluster is round, whatever a catalogue gives it (M 13 at 20' x
// 7.9'), and axes given the wrong way round (a minor axis larger than the
// major, as for a few planetary nebulae) are swapped, their angle then
// unknown. Nothing when the size is unknown.
struct ObjectShape {
    double majorArcmin = 0;
    double minorArcmin = 0;  // the major one where unknown
    std::optional<double> positionAngleDeg{};
};
std::optional<ObjectShape> shapeOf(const DeepSkyObject& object);

// The box, along the frame's sides, around the object's ellipse turned by its
// position angle against the frame's rotation; nothing when its size is
// unknown. Without a position angle or a minor axis the object is taken as a
// disc of its major axis: only a field that holds it however it lies is sure
// to hold it.
std::optional<SkyExtent> objectBox(const DeepSkyObject& object, double rotationDeg);

struct FitResult {
    SkyExtent field{};  // of the mosaic, one frame for 1 x 1
    SkyExtent box{};    // the object's, as objectBox gives it
    bool fits = false;
    // The larger of the box's width over the field's and its height over the
    // field's: how much of the side that limits the framing the object takes;
    // above 1 it does not fit.
    double fill = 0;
    // When it does not fit: the mosaic of fewest panels, then fewest across,
    // that holds it with the same rotation and overlap; nothing beyond
    // kMaxPanels x kMaxPanels.
    std::optional<Panels> advised{};
};

// Nothing when the object's size is unknown.
std::optional<FitResult> fitObject(const DeepSkyObject& object, const Framing& framing);

// The photo field's line about the object, in French, sizes in whole
// arc-minutes (one decimal below 10'):
// "M 31 : 178' x 63' — champ 96' x 64' — ne tient pas : mosaïque 2 x 1 conseillée".
core::Message fitLine(const DeepSkyObject& object, const Framing& framing);

}  // namespace quarvel::catalogues
