// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

namespace quarvel::config {

namespace {

void readText(const IniDocument& file, std::string_view key, std::string& target) {
    if (auto value = file.readString(kSection, key)) target = std::move(*value);
}

void readWhole(const IniDocument& file, std::string_view key, std::int32_t& target) {
    if (const auto value = file.readInteger(kSection, key)) target = *value;
}

}  // namespace

Settings readSettings(const IniDocument& file) {
    Settings s;
    readText(file, kKeyTelescope, s.telescope);
    readText(file, kKeyBarlow, s.barlow);
    readWhole(file, kKeyDiameter, s.diameterMm);
    readWhole(file, kKeyFocal, s.focalMm);
    readWhole(file, kKeyFilter, s.filter);
    readText(file, kKeyCamera, s.camera);
    readText(file, kKeySensor, s.sensor);
    readText(file, kKeySensorX, s.sensorX);
    readText(file, kKeySensorY, s.sensorY);
    readText(file, kKeyPixelX, s.pixelX);
    readText(file, kKeyPixelY, s.pixelY);
    readWhole(file, kKeySquarePixels, s.squarePixels);
    return s;
}

std::string configPathBeside(std::string_view executablePath) {
    const auto slash = executablePath.rfind('/');
    const std::string_view directory =
        slash == std::string_view::npos ? std::string_view{} : executablePath.substr(0, slash + 1);
    return std::string(directory) + std::string(kFileName);
}

}  // namespace quarvel::config
