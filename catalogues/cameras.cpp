// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/cameras.h"

namespace quarvel::catalogues {

namespace {

template <std::size_t N>
std::optional<ModelSensor> mapModel(const std::array<ModelRow, N>& rows, std::string_view model) {
    for (const auto& row : rows) {
        if (row.model == model) return ModelSensor{row.sensor};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ModelSensor> mapCameraModel(std::string_view model) { return mapModel(kCameras, model); }

std::optional<ModelSensor> mapDslrModel(std::string_view model) { return mapModel(kDslrs, model); }

}  // namespace quarvel::catalogues
