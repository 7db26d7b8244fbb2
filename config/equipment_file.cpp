// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/equipment_file.h"

#include <algorithm>

#include "config/file_io.h"
#include "core/number_format.h"
#include "core/parse.h"

namespace quarvel::config {

namespace {

// The section's values by key, the first of duplicates, keys matched as the
// file matches them.
const std::string* valueOf(const IniDocument::Section& section, std::string_view key) {
    for (const auto& entry : section.entries) {
        if (sameName(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

std::optional<std::int32_t> count(const IniDocument::Section& section, std::string_view key) {
    const std::string* text = valueOf(section, key);
    const auto value = text ? core::tryParseInteger(*text) : std::nullopt;
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

// A real the key gives, when it is one that `acceptable` takes.
std::optional<double> within(const IniDocument::Section& section, std::string_view key, bool (*acceptable)(double)) {
    const std::string* text = valueOf(section, key);
    const auto value = text ? core::tryParseReal(*text) : std::nullopt;
    if (!value || !acceptable(*value)) return std::nullopt;
    return value;
}

std::optional<double> size(const IniDocument::Section& section, std::string_view key) {
    return within(section, key, readableSize);
}

bool holds(const IniDocument& file, const std::string& name) {
    const auto sections = file.sections();
    return std::any_of(sections.begin(), sections.end(),
                       [&name](const IniDocument::Section& section) { return sameName(section.name, name); });
}

}  // namespace

std::string equipmentPathFor(const std::string& configPath) { return besidePath(configPath, kEquipmentFileName); }

std::optional<core::SensorValues> readSensor(const IniDocument::Section& s) {
    const auto x = count(s, kKeyPixelsAcross), y = count(s, kKeyPixelsDown);
    const auto w = size(s, kKeyPixelWidth), h = size(s, kKeyPixelHeight);
    if (!x || !y || !w || !h) return std::nullopt;
    return core::SensorValues{*x, *y, *w, *h};
}

std::optional<core::SensorValues> readDslr(const IniDocument::Section& s) {
    const auto x = count(s, kKeyPixelsAcross), y = count(s, kKeyPixelsDown);
    const auto pitch = size(s, kKeyPixelSize);
    if (!x || !y || !pitch) return std::nullopt;
    return core::SensorValues{*x, *y, *pitch, *pitch};
}

std::optional<Optics> readTelescope(const IniDocument::Section& s) {
    const auto diameter = size(s, kKeyDiameter), focal = size(s, kKeyFocal);
    if (!diameter || !focal) return std::nullopt;
    return Optics{*diameter, *focal};
}

std::string readCameraSensor(const IniDocument::Section& s) {
    const std::string* sensor = valueOf(s, kKeySensor);
    return sensor ? *sensor : std::string();
}

std::optional<SitePlace> readSite(const IniDocument::Section& s) {
    const auto latitude = within(s, kKeyLatitude, acceptableLatitude);
    const auto longitude = within(s, kKeyLongitude, acceptableLongitude);
    const auto altitude = within(s, kKeyAltitude, acceptableSiteAltitude);
    if (!latitude || !longitude || !altitude) return std::nullopt;
    return SitePlace{*latitude, *longitude, *altitude};
}

bool readableSetup(const IniDocument::Section& s) {
    return size(s, kKeyDiameter) && size(s, kKeyFocal) && count(s, kKeySensorX) && count(s, kKeySensorY) &&
           size(s, kKeyPixelX) && size(s, kKeyPixelY);
}

bool readableSetup(const Settings& settings) {
    const auto positive = [](const std::string& text) { return core::tryParseInteger(text).value_or(0) > 0; };
    const auto pitch = [](const std::string& text) { return readableSize(core::tryParseReal(text).value_or(0)); };
    return readableSize(settings.diameterMm) && readableSize(settings.focalMm) && positive(settings.sensorX) &&
           positive(settings.sensorY) && pitch(settings.pixelX) && pitch(settings.pixelY);
}

namespace {

std::string listed(std::initializer_list<std::string_view> keys) {
    std::string list;
    for (const std::string_view key : keys) list += (list.empty() ? "" : ", ") + std::string(key);
    return list;
}

}  // namespace

std::string sensorKeys() { return listed({kKeyPixelsAcross, kKeyPixelsDown, kKeyPixelWidth, kKeyPixelHeight}); }
std::string dslrKeys() { return listed({kKeyPixelsAcross, kKeyPixelsDown, kKeyPixelSize}); }
std::string telescopeKeys() { return listed({kKeyDiameter, kKeyFocal}); }
std::string siteKeys() { return listed({kKeyLatitude, kKeyLongitude, kKeyAltitude}); }
std::string setupKeys() {
    return listed({kKeyDiameter, kKeyFocal, kKeySensorX, kKeySensorY, kKeyPixelX, kKeyPixelY});
}

EquipmentSection sensorSection(const std::string& name, const core::SensorValues& v) {
    return {std::string(kSensorSection) + name,
            {{kKeyPixelsAcross, std::to_string(v.pixelsX)},
             {kKeyPixelsDown, std::to_string(v.pixelsY)},
             {kKeyPixelWidth, core::shortest(v.pixelWidthUm)},
             {kKeyPixelHeight, core::shortest(v.pixelHeightUm)}}};
}

EquipmentSection dslrSection(const std::string& name, const core::SensorValues& v) {
    return {std::string(kDslrSection) + name,
            {{kKeyPixelsAcross, std::to_string(v.pixelsX)},
             {kKeyPixelsDown, std::to_string(v.pixelsY)},
             {kKeyPixelSize, core::shortest(v.pixelWidthUm)}}};
}

EquipmentSection cameraSection(const std::string& name, const std::string& sensor) {
    return {std::string(kCameraSection) + name, {{kKeySensor, sensor}}};
}

EquipmentSection telescopeSection(const std::string& name, const Optics& optics) {
    return {std::string(kTelescopeSection) + name,
            {{kKeyDiameter, core::shortest(optics.diameterMm)}, {kKeyFocal, core::shortest(optics.focalMm)}}};
}

EquipmentSection siteSection(const std::string& name, const SitePlace& place) {
    return {std::string(kSiteSection) + name,
            {{kKeyLatitude, core::plainDecimal(place.latitudeDeg)},
             {kKeyLongitude, core::plainDecimal(place.longitudeDeg)},
             {kKeyAltitude, core::plainDecimal(place.altitudeM)}}};
}

std::optional<std::string> addSections(const std::string& path, const std::vector<EquipmentSection>& sections) {
    std::optional<std::string> taken;
    updateFile(path, [&](IniDocument& file) {
        for (const auto& section : sections) {
            if (holds(file, section.name)) {
                taken = section.name;
                return;
            }
        }
        for (const auto& section : sections) {
            for (const auto& [key, value] : section.keys) file.setString(section.name, key, value);
        }
    });
    return taken;
}

std::optional<std::string> addSetup(const std::string& path, const std::string& name, const Settings& settings) {
    const std::string section = std::string(kSetupSection) + name;
    std::optional<std::string> taken;
    updateFile(path, [&](IniDocument& file) {
        if (holds(file, section)) {
            taken = section;
            return;
        }
        writeSettings(file, settings, section);
    });
    return taken;
}

void removeSections(const std::string& path, const std::vector<std::string>& names) {
    updateFile(path, [&names](IniDocument& file) {
        for (const auto& name : names) file.removeSection(name);
    });
}

}  // namespace quarvel::config
