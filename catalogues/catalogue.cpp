// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/catalogue.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

#include "catalogues/sensors.h"
#include "catalogues/text_fields.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "core/search.h"

namespace quarvel::catalogues {

namespace {

std::optional<ModelSensor> mapModel(const Catalogue::Rows<CatalogueModel>& rows, std::string_view model) {
    const CatalogueModel* row = rows.find(model);
    if (!row) return std::nullopt;
    return ModelSensor{row->sensor};
}

bool userRow(const auto* row) { return row && row->origin == Origin::User; }

std::vector<ListEntry> names(const auto& rows, std::size_t from = 0) {
    std::vector<ListEntry> out;
    for (std::size_t i = from; i < rows.size(); ++i) out.push_back({rows[i].name, rows[i].origin});
    return out;
}

// One data line's fields; an empty line has none.
std::vector<std::string> fields(std::string_view line) {
    if (line.empty()) return {};
    const auto parts = splitText(line, ',');
    return {parts.begin(), parts.end()};
}

bool positive(double value) { return std::isfinite(value) && value > 0; }

}  // namespace

std::optional<core::Message> readCsv(const std::string& path, const std::string& text,
                                     const std::vector<std::string>& columns,
                                     const std::function<bool(const std::vector<std::string>&)>& row) {
    const std::vector<std::string_view> textLines = splitText(text, '\n');
    const auto header = fields(withoutReturn(textLines.front()));
    std::vector<std::size_t> at;
    for (const auto& column : columns) {
        const auto found = std::find(header.begin(), header.end(), column);
        if (found == header.end()) {
            return core::Message(kMissingColumnText, {core::Message::data(path), core::Message::data(column)});
        }
        at.push_back(static_cast<std::size_t>(found - header.begin()));
    }
    std::vector<int> skipped;
    for (std::size_t i = 1; i < textLines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        const std::string_view line = withoutReturn(textLines[i]);
        if (line.empty()) continue;
        const auto all = fields(line);
        std::vector<std::string> wanted;
        bool complete = true;
        for (std::size_t i : at) {
            complete = complete && i < all.size();
            wanted.push_back(i < all.size() ? all[i] : std::string());
        }
        bool used = false;
        try {
            used = complete && row(wanted);
        } catch (const core::QuarvelError&) {
            used = false;
        }
        if (!used) skipped.push_back(number);
    }
    if (skipped.empty()) return std::nullopt;
    // A damaged file says its first lines, not thousands.
    constexpr std::size_t kShown = 10;
    std::string lines;
    for (std::size_t i = 0; i < std::min(kShown, skipped.size()); ++i) {
        lines += (lines.empty() ? "" : ", ") + std::to_string(skipped[i]);
    }
    if (skipped.size() > kShown) lines += ", …";
    return core::Message(kSkippedLinesText, {core::Message::data(path), core::Message::data(lines)});
}

namespace {

// "Full frame", "APS-H", "APS-C" or "4/3", from the sensor's width.
std::string_view formatOf(const core::SensorValues& values) {
    const double widthMm = core::sensorWidthMm(values);
    if (widthMm >= 30) return "Full frame";
    if (widthMm >= 26) return "APS-H";
    if (widthMm >= 20) return "APS-C";
    return "4/3";
}

}  // namespace


template <typename Row>
const Row* Catalogue::Rows<Row>::find(std::string_view name) const {
    const auto found = index.find(std::string(name));
    return found == index.end() ? nullptr : &rows[found->second];
}

template <typename Row>
bool Catalogue::Rows<Row>::add(Row row) {
    if (row.name.empty() || index.contains(row.name)) return false;
    index.emplace(row.name, rows.size());
    rows.push_back(std::move(row));
    return true;
}

template <typename Row>
bool Catalogue::Rows<Row>::removeUser(std::string_view name) {
    const Row* row = find(name);
    if (!row || row->origin != Origin::User) return false;
    rows.erase(rows.begin() + (row - rows.data()));
    index.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) index.emplace(rows[i].name, i);
    return true;
}

Catalogue::Catalogue() {
    for (const auto& row : kSensors) m_sensors.add({std::string(row.name), row.values(), Origin::BuiltIn, row.facts});
    for (const auto& row : kCameras) m_cameras.add({std::string(row.model), std::string(row.sensor)});
    for (const auto& row : kDslrs) m_dslrs.add({std::string(row.model), std::string(row.sensor)});
    for (const auto& row : kTelescopes) m_telescopes.add({std::string(row.name), row.optics});
}

bool Catalogue::addSensor(CatalogueSensor sensor) {
    if (!sensor.facts) {
        const core::SensorValues& v = sensor.values;
        sensor.facts = SensorFacts{v.pixelWidthUm != v.pixelHeightUm,
                                   core::sensorWidthMm(v) > 36 || core::sensorHeightMm(v) > 24, false};
    }
    return m_sensors.add(std::move(sensor));
}
bool Catalogue::addCamera(CatalogueModel camera) { return m_cameras.add(std::move(camera)); }
bool Catalogue::addDslr(CatalogueModel dslr) { return m_dslrs.add(std::move(dslr)); }
bool Catalogue::addTelescope(CatalogueTelescope telescope) { return m_telescopes.add(std::move(telescope)); }

std::string Catalogue::dslrSensor(std::string_view maker, const core::SensorValues& values, Origin origin) {
    for (const auto& sensor : m_sensors.rows) {
        if (sensor.values == values) return sensor.name;
    }
    const double megapixels = static_cast<double>(values.pixelsX) * values.pixelsY / 1e6;
    std::string name = std::string(formatOf(values)) + " " + std::string(maker) + " " +
                       core::fixed(megapixels, 10, 1) + " Mp";
    // Another body of that name and size with other pixels: told apart by its pitch.
    if (findSensor(name)) name += " " + core::shortest(values.pixelWidthUm) + " µm";
    addSensor({name, values, origin, std::nullopt});
    return name;
}

bool Catalogue::removeUserRow(Kind kind, std::string_view name) {
    switch (kind) {
    case Kind::Sensor: return m_sensors.removeUser(name);
    case Kind::Camera: return m_cameras.removeUser(name);
    case Kind::Dslr: return m_dslrs.removeUser(name);
    case Kind::Telescope: return m_telescopes.removeUser(name);
    }
    return false;
}

bool Catalogue::isUserRow(Kind kind, std::string_view name) const {
    switch (kind) {
    case Kind::Sensor: return userRow(m_sensors.find(name));
    case Kind::Camera: return userRow(m_cameras.find(name));
    case Kind::Dslr: return userRow(m_dslrs.find(name));
    case Kind::Telescope: return userRow(m_telescopes.find(name));
    }
    return false;
}

std::vector<core::Message> Catalogue::addShippedFiles(const std::string& folder, const ReadFile& read) {
    const auto number = [](const std::string& text) { return core::parseReal(text); };
    const auto whole = [](const std::string& text) { return core::parseInteger(text); };
    std::vector<core::Message> problems;
    const auto keep = [&problems](std::optional<core::Message> problem) {
        if (problem) problems.push_back(std::move(*problem));
    };
    const auto readCsv = [&read](const std::string& path, const std::vector<std::string>& columns,
                                 const std::function<bool(const std::vector<std::string>&)>& row) {
        const auto text = read(path);
        return text ? quarvel::catalogues::readCsv(path, *text, columns, row) : std::nullopt;
    };
    keep(readCsv(folder + "/sensors.csv", {"name", "pixels_x", "pixels_y", "pixel_um_x", "pixel_um_y"},
                 [&](const std::vector<std::string>& f) {
                     const core::SensorValues values{whole(f[1]), whole(f[2]), number(f[3]), number(f[4])};
                     if (values.pixelsX <= 0 || values.pixelsY <= 0 || !positive(values.pixelWidthUm) ||
                         !positive(values.pixelHeightUm)) {
                         return false;
                     }
                     addSensor({f[0], values, Origin::Shipped, std::nullopt});
                     return true;
                 }));
    keep(readCsv(folder + "/cameras.csv", {"maker", "model", "sensor"}, [&](const std::vector<std::string>& f) {
        if (f[0].empty() || f[1].empty()) return false;
        // A sensor the catalogue lacks: the camera is offered all the same, for hand entry.
        const std::string sensor = findSensor(f[2]) ? f[2] : std::string();
        addCamera({f[0] + " " + f[1], sensor, Origin::Shipped});
        return true;
    }));
    keep(readCsv(folder + "/dslr.csv", {"maker", "model", "pixels_x", "pixels_y", "pixel_um"},
                 [&](const std::vector<std::string>& f) {
                     const double pitch = number(f[4]);
                     const core::SensorValues values{whole(f[2]), whole(f[3]), pitch, pitch};
                     if (f[0].empty() || f[1].empty() || values.pixelsX <= 0 || values.pixelsY <= 0 ||
                         !positive(pitch)) {
                         return false;
                     }
                     const std::string name = f[0] + " " + f[1];
                     if (m_dslrs.find(name)) return true;
                     addDslr({name, dslrSensor(f[0], values, Origin::Shipped), Origin::Shipped});
                     return true;
                 }));
    keep(readCsv(folder + "/telescopes.csv", {"maker", "model", "aperture_mm", "focal_mm"},
                 [&](const std::vector<std::string>& f) {
                     const TelescopeOptics optics{number(f[2]), number(f[3])};
                     if (f[0].empty() || f[1].empty() || !positive(optics.diameterMm) || !positive(optics.focalMm)) {
                         return false;
                     }
                     addTelescope({f[0] + " " + f[1], optics, Origin::Shipped});
                     return true;
                 }));
    return problems;
}

const CatalogueSensor* Catalogue::findSensor(std::string_view name) const { return m_sensors.find(name); }
std::optional<ModelSensor> Catalogue::mapCamera(std::string_view model) const { return mapModel(m_cameras, model); }
std::optional<ModelSensor> Catalogue::mapDslr(std::string_view model) const { return mapModel(m_dslrs, model); }

std::optional<int> Catalogue::findTelescopeRow(std::string_view name) const {
    const CatalogueTelescope* row = m_telescopes.find(name);
    if (!row) return std::nullopt;
    return static_cast<int>(row - m_telescopes.rows.data());
}

std::vector<ListEntry> Catalogue::mainSensorEntries() const {
    std::vector<ListEntry> entries{{std::string(kManualEntry)}, {std::string(kSavedData)}, {std::string(kCameraList)},
                                   {std::string(kDslrList)}};
    const auto rest = names(m_sensors.rows, 1);
    entries.insert(entries.end(), rest.begin(), rest.end());
    return entries;
}

std::vector<ListEntry> Catalogue::tabSensorEntries() const {
    std::vector<ListEntry> entries{{std::string(kManualEntry)}};
    const auto rest = names(m_sensors.rows, 1);
    entries.insert(entries.end(), rest.begin(), rest.end());
    return entries;
}

namespace {

// The built-in rows in their order, then the shipped and the user's rows by
// maker and model, case and accents aside, so that a new one is easy to find.
std::vector<ListEntry> builtInThenSorted(std::vector<ListEntry> entries) {
    const auto added = std::stable_partition(entries.begin(), entries.end(),
                                             [](const ListEntry& e) { return e.origin == Origin::BuiltIn; });
    // Each name folded once, not at each comparison.
    std::vector<std::pair<std::string, ListEntry>> keyed;
    keyed.reserve(static_cast<std::size_t>(entries.end() - added));
    for (auto it = added; it != entries.end(); ++it) keyed.emplace_back(core::foldedForSearch(it->name), std::move(*it));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    auto out = added;
    for (auto& [key, entry] : keyed) *out++ = std::move(entry);
    return entries;
}

}  // namespace

std::vector<ListEntry> Catalogue::cameraEntries() const { return builtInThenSorted(names(m_cameras.rows)); }
std::vector<ListEntry> Catalogue::dslrEntries() const { return builtInThenSorted(names(m_dslrs.rows)); }
std::vector<ListEntry> Catalogue::telescopeEntries() const { return builtInThenSorted(names(m_telescopes.rows)); }

}  // namespace quarvel::catalogues
