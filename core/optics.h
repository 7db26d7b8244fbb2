// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quarvel::core {

// The telescope side of the user's equipment. Lengths in millimetres.
struct InstrumentSettings {
    double diameterMm = 0;   // aperture D
    double baseFocalMm = 0;  // telescope alone
    double focalFactor = 0;  // reducer or Barlow; 0 until the configuration is loaded
    double focalMm = 0;      // effective focal length: the number in the focal field
    int filterIndex = 0;     // row of the filter group, 0..11
    std::string telescopeName;
    std::string telescopeLabel;
    std::string focalFactorLabel;
};

// The four numbers of a sensor. Pixel sizes in micrometres.
struct SensorValues {
    std::int32_t pixelsX = 0;
    std::int32_t pixelsY = 0;
    double pixelWidthUm = 0;
    double pixelHeightUm = 0;

    bool operator==(const SensorValues&) const = default;
};

struct SensorSpec : SensorValues {
    std::string name;
};

struct Filter {
    std::string_view caption;
    double wavelengthUm;
};

// The filter group's rows with the wavelength used for the resolving power.
// No filter counts as 0.7 um, like the red filter.
inline constexpr std::array<Filter, 12> kFilters{{
    {"(Aucun)", 0.7},
    {"UV (350 nm)", 0.35},
    {"Bleu (445 nm)", 0.445},
    {"Vert (535 nm)", 0.535},
    {"Jaune (570 nm)", 0.57},
    {"Orange (600 nm)", 0.6},
    {"IR 685 (685 nm)", 0.685},
    {"Rouge (700 nm)", 0.7},
    {"IR 742 (742 nm)", 0.742},
    {"IR 807 (807 nm)", 0.807},
    {"IR (850 nm)", 0.85},
    {"IR 1000 (1000 nm)", 1.0},
}};

// f/D.
double focalRatio(double focalMm, double diameterMm);
// Arc-seconds; a filter index outside 0..11 fails with the range-check error.
double resolvingPower(int filterIndex, double diameterMm);
// Arc-seconds.
double separatingPower(double diameterMm);
// Millimetres.
double sensorWidthMm(const SensorValues& sensor);
double sensorHeightMm(const SensorValues& sensor);
double sensorDiagonalMm(const SensorValues& sensor);
// Arc-seconds per pixel, from the pixel width alone.
double sampling(double pixelWidthUm, double focalMm);
// Arc-minutes.
double horizontalFieldArcmin(const SensorValues& sensor, double focalMm);
double verticalFieldArcmin(const SensorValues& sensor, double focalMm);

}  // namespace quarvel::core
