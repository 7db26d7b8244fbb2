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

}  // namespace quarvel::catalogues
