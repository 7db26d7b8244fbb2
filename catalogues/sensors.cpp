// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/sensors.h"

#include <algorithm>

namespace quarvel::catalogues {

std::optional<SensorRow> findSensor(std::string_view name) {
    for (const auto& row : kSensors) {
        if (row.name == name) return row;
    }
    return std::nullopt;
}

bool lookupCatalogueSensor(std::string_view sensorName, core::SensorValues& catalogueSensor) {
    const auto row = findSensor(sensorName);
    if (!row) return false;
    catalogueSensor = row->values();
    return true;
}

std::optional<core::SensorValues> lookupTabSensor(std::string_view entryText, const core::SensorValues& current) {
    if (entryText == kManualEntry) return current;
    if (const auto row = findSensor(entryText)) return row->values();
    return std::nullopt;
}

std::vector<std::string> mainSensorListEntries() {
    std::vector<std::string> entries{std::string(kManualEntry), std::string(kSavedData), std::string(kCameraList),
                                     std::string(kDslrList)};
    for (std::size_t i = 1; i < kSensors.size(); ++i) entries.emplace_back(kSensors[i].name);
    return entries;
}

std::vector<std::string> tabSensorListEntries() {
    std::vector<std::string> entries{std::string(kManualEntry)};
    for (std::size_t i = 1; i < kSensors.size(); ++i) entries.emplace_back(kSensors[i].name);
    return entries;
}

int tabRowForMainRow(int mainRow) { return mainRow - kTabListOffset < 0 ? -1 : mainRow - kTabListOffset; }

bool isNonSquareSensorName(std::string_view name) {
    constexpr std::array<std::string_view, 4> kNonSquare{"ICX259", "ICX405", "ICX419", "ICX429"};
    return std::find(kNonSquare.begin(), kNonSquare.end(), name) != kNonSquare.end();
}

}  // namespace quarvel::catalogues
