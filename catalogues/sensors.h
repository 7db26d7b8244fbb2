// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/optics.h"

namespace quarvel::catalogues {

// What the pages show of a sensor beyond its numbers.
struct SensorFacts {
    bool nonSquarePixels = false;      // "Pixel carré" shows "Non"
    bool largerThanFullFrame = false;  // the 24 x 36 mm frame is drawn over it
    bool regionsOfInterest = false;    // its planet drawing offers smaller frames
};

struct SensorRow {
    std::string_view name;
    std::int32_t pixelsX;
    std::int32_t pixelsY;
    double pixelWidthUm;
    double pixelHeightUm;
    SensorFacts facts{};

    core::SensorValues values() const { return {pixelsX, pixelsY, pixelWidthUm, pixelHeightUm}; }
};

// The built-in sensors: name, pixels across and down, pixel width and height
// in micrometres. Row 0 is the configuration's default sensor and is offered
// by no list; rows 1 to 97 fill the sensor lists in this order.
inline constexpr std::array<SensorRow, 98> kSensors{{
    {"KAF0400", 768, 512, 9, 9},
    {"CMOSIS CMV2000", 2048, 1088, 5.5, 5.5},
    {"CMOSIS CMV4000", 2048, 2048, 5.5, 5.5},
    {"ICX098", 659, 494, 5.6, 5.6},
    {"ICX204", 1024, 768, 4.65, 4.65},
    {"ICX205", 1360, 1024, 4.65, 4.65},
    {"ICX259", 752, 582, 6.5, 6.25, {.nonSquarePixels = true}},
    {"ICX261", 512, 512, 20, 20},
    {"ICX262", 2048, 1536, 3.45, 3.45},
    {"ICX267", 1360, 1024, 4.65, 4.65},
    {"ICX274", 1620, 1220, 4.4, 4.4},
    {"ICX285", 1392, 1040, 6.45, 6.45},
    {"ICX405", 500, 582, 9.8, 6.3, {.nonSquarePixels = true}},
    {"ICX412", 2048, 1536, 3.45, 3.45},
    {"ICX413", 3032, 2016, 7.8, 7.8},
    {"ICX414", 659, 494, 9.9, 9.9},
    {"ICX419", 752, 582, 8.6, 8.3, {.nonSquarePixels = true}},
    {"ICX424", 659, 494, 7.4, 7.4},
    {"ICX429", 752, 582, 8.6, 8.3, {.nonSquarePixels = true}},
    {"ICX445", 1296, 966, 4.45, 4.45},
    {"ICX453", 3024, 2016, 7.8, 7.8},
    {"ICX493", 3900, 2616, 6.05, 6.05},
    {"ICX618", 659, 494, 5.6, 5.6},
    {"ICX625", 2448, 2050, 3.45, 3.45},
    {"ICX655", 2448, 2050, 3.45, 3.45},
    {"ICX674", 1932, 1432, 4.54, 4.54},
    {"ICX687", 1928, 1448, 3.69, 3.69},
    {"ICX694", 2750, 2200, 4.54, 4.54},
    {"ICX814", 3376, 2704, 3.69, 3.69},
    {"IMX035", 1280, 1024, 3.63, 3.63},
    {"IMX036", 2080, 1553, 2.5, 2.5},
    {"IMX104", 1280, 1024, 3.75, 3.75},
    {"KAF040x", 768, 512, 9, 9},
    {"KAF160x", 1536, 1024, 9, 9},
    {"KAF320x", 2184, 1510, 6.8, 6.8},
    {"KAF4301", 2048, 2048, 24, 24, {.largerThanFullFrame = true}},
    {"KAF4320", 2048, 2048, 24, 24, {.largerThanFullFrame = true}},
    {"KAF6303", 3072, 2048, 9, 9},
    {"KAF8300", 3326, 2504, 5.4, 5.4},
    {"KAF9000", 3056, 3056, 12, 12, {.largerThanFullFrame = true}},
    {"KAF16803", 4096, 4096, 9, 9, {.largerThanFullFrame = true}},
    {"KAI0340", 640, 480, 7.4, 5.5},
    {"KAI01050", 1024, 1024, 5.5, 5.5},
    {"KAI02020", 1600, 1200, 7.4, 7.4},
    {"KAI02050", 1600, 1200, 5.5, 5.5},
    {"KAI02150", 1920, 1080, 5.5, 5.5},
    {"KAI04022", 2048, 2048, 7.4, 7.4},
    {"KAI04050", 2336, 1752, 5.5, 5.5},
    {"KAI08050", 3296, 2472, 5.5, 5.5},
    {"KAI10100", 3760, 2840, 4.75, 4.75},
    {"KAI11002", 4032, 2688, 9, 9},
    {"KAI16000", 4904, 3280, 7.4, 7.4},
    {"KAI29050", 6576, 4384, 5.5, 5.5},
    {"MI1300", 1280, 1024, 5.2, 5.2},
    {"MT9J003", 3856, 2764, 1.67, 1.67},
    {"MT9M001", 1280, 1024, 5.2, 5.2, {.regionsOfInterest = true}},
    {"MT9M034", 1280, 960, 3.75, 3.75},
    {"MT9N001", 3488, 2616, 1.75, 1.75},
    {"MT9P001", 2592, 1944, 2.2, 2.2},
    {"MT9T001", 2048, 1536, 3.2, 3.2},
    {"MT9V022", 752, 480, 6, 6},
    {"MT9V032", 752, 480, 6, 6},
    {"TH7895M", 512, 512, 19, 19},
    {"APS-C Canon 6.3 Mp", 3072, 2048, 7.4, 7.4},
    {"APS-C Canon 8.0 Mp", 3456, 2304, 6.4, 6.4},
    {"APS-C Canon 8.2 Mp", 3504, 2336, 6.4, 6.4},
    {"APS-C Canon 10.1 Mp", 3888, 2592, 5.7, 5.7},
    {"APS-C Canon 12.2 Mp", 4272, 2848, 5.2, 5.2},
    {"APS-C Canon 15.1 Mp", 4752, 3168, 4.7, 4.7},
    {"APS-C Canon 18 Mp", 5184, 3456, 4.3, 4.3},
    {"APS-C Nikon 2.7 Mp", 2000, 1312, 11.9, 11.9},
    {"APS-C Nikon 4.3 Mp", 2464, 1632, 9.5, 9.5},
    {"APS-C Nikon 5.3 Mp", 3008, 1960, 7.9, 7.9},
    {"APS-C Nikon 6.1 Mp", 3008, 2008, 7.9, 7.9},
    {"APS-C Nikon 10.2 Mp", 3872, 2592, 6.1, 6.1},
    {"APS-C Nikon 12.3 Mp", 4288, 2848, 5.6, 5.6},
    {"APS-C Nikon 14.2 Mp", 4608, 3072, 5, 5},
    {"APS-C Nikon 16.2 Mp", 4928, 3264, 4.8, 4.8},
    {"APS-C Nikon 24.2 Mp", 6016, 4000, 3.9, 3.9},
    {"APS-C Nikon 36.3 Mp", 7360, 4912, 4.9, 4.9},
    {"APS-C Pentax 6.1 Mp", 3008, 2008, 7.8, 7.8},
    {"APS-C Pentax 10.2 Mp", 3872, 2592, 6.1, 6.1},
    {"APS-C Pentax 12.4 Mp", 4288, 2848, 5.5, 5.5},
    {"APS-C Pentax 14.6 Mp", 4672, 3120, 5, 5},
    {"APS-C Pentax 16.2 Mp", 4928, 3264, 4.8, 4.8},
    {"APS-C Pentax 24.1 Mp", 6016, 4000, 3.9, 3.9},
    {"APS-C Sony 14.2 Mp", 4610, 3080, 5.12, 5.12},
    {"APS-H Canon 8.2 Mp", 3520, 2336, 8.2, 8.2},
    {"APS-H Canon 10.1 Mp", 3888, 2592, 7.2, 7.2},
    {"APS-H Canon 16.1 Mp", 4896, 3264, 5.2, 5.2},
    {"Full frame Canon 12.8 Mp", 4368, 2912, 8.2, 8.2},
    {"Full frame Canon 16.6 Mp", 4992, 3328, 7.6, 7.6},
    {"Full frame Canon 18.1 Mp", 5184, 3456, 6.9, 6.9},
    {"Full frame Canon 21.1 Mp", 5632, 3750, 6.4, 6.4},
    {"Full frame Canon 22.3 Mp", 5760, 3840, 6.25, 6.25},
    {"Full frame Nikon 12.1 Mp", 4256, 2832, 8.5, 8.5},
    {"Full frame Nikon 16.2 Mp", 4928, 3280, 7.3, 7.3},
    {"Full frame Nikon 36.3 Mp", 7360, 4912, 4.9, 4.9},
}};

// The exact, case-sensitive row of that name, untrimmed.
std::optional<SensorRow> findSensor(std::string_view name);

inline constexpr std::string_view kManualEntry = "Saisie manuelle";
inline constexpr std::string_view kSavedData = "Données sauvegardées";
inline constexpr std::string_view kCameraList = "Liste caméras";
inline constexpr std::string_view kDslrList = "Liste appareils photos numériques";

// The main list has four command rows before the sensors, each tab list one:
// tab row n is main row n + 3.
inline constexpr int kMainCommandRows = 4;
inline constexpr int kTabListOffset = 3;

// The tab row matching a main row, or -1 (no selection) below the sensors.
int tabRowForMainRow(int mainRow);

}  // namespace quarvel::catalogues
