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

int tabRowForMainRow(int mainRow) { return mainRow - kTabListOffset < 0 ? -1 : mainRow - kTabListOffset; }

bool isNonSquareSensorName(std::string_view name) {
    constexpr std::array<std::string_view, 4> kNonSquare{"ICX259", "ICX405", "ICX419", "ICX429"};
    return std::find(kNonSquare.begin(), kNonSquare.end(), name) != kNonSquare.end();
}

}  // namespace quarvel::catalogues
