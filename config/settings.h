// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "config/ini_file.h"
#include "core/parse.h"

namespace quarvel::config {

inline constexpr std::string_view kFileName = "Quarvel.ini";
inline constexpr std::string_view kSection = "parametres";

// The keys, in the order a new file gets them.
inline constexpr std::string_view kKeyTelescope = "Télescope";
inline constexpr std::string_view kKeyBarlow = "Barlow";
inline constexpr std::string_view kKeyDiameter = "Diamètre";
inline constexpr std::string_view kKeyFocal = "Focale";
inline constexpr std::string_view kKeyFilter = "Filtre";
inline constexpr std::string_view kKeyCamera = "Caméra";
inline constexpr std::string_view kKeySensor = "Capteur";
inline constexpr std::string_view kKeySensorX = "CapteurX";
inline constexpr std::string_view kKeySensorY = "CapteurY";
inline constexpr std::string_view kKeyPixelX = "CapteurPxX";
inline constexpr std::string_view kKeyPixelY = "CapteurPxY";
inline constexpr std::string_view kKeySquarePixels = "PixelCarré";
// Written only when the user switches it, so that files saved before keep
// their bytes: 1 for the night mode, 0 or missing for the day.
inline constexpr std::string_view kKeyNightMode = "ModeNuit";
// The user's sky and binning, written likewise when changed.
inline constexpr std::string_view kKeySeeing = "FWHM";
inline constexpr std::string_view kKeyBinning = "Binning";
// The user's current site, by its name in the equipment file, and the
// lowest altitude worth shooting at, degrees: written likewise.
inline constexpr std::string_view kKeySite = "Site";
inline constexpr std::string_view kKeyMinimumAltitude = "AltitudeMin";
// The filters of tonight's targets, written likewise: the kind of object
// (0 all, then galaxies, bright nebulae, planetary nebulae, clusters, dark
// nebulae), the least hours in the dark, the frame's fill from and to (per
// cent), the catalogue (empty for all), the largest mosaic's side (1 to 5)
// and the least distance to the Moon (degrees).
inline constexpr std::string_view kKeyTargetKind = "CiblesType";
inline constexpr std::string_view kKeyTargetHours = "CiblesHeures";
inline constexpr std::string_view kKeyTargetFillFrom = "CiblesRemplissageMin";
inline constexpr std::string_view kKeyTargetFillTo = "CiblesRemplissageMax";
inline constexpr std::string_view kKeyTargetCatalogue = "CiblesCatalogue";
inline constexpr std::string_view kKeyTargetMosaic = "CiblesMosaique";
inline constexpr std::string_view kKeyTargetMoon = "CiblesLune";

// What a load finds in the file, each missing key at its default: a 212 mm
// aperture at 2628 mm, no factor, no filter, the "HiSis-22" camera and the
// "KAF0400" sensor of 768 x 512 pixels of 9 um, square pixels.
struct Settings {
    std::string telescope = "Takahashi CN-212";
    std::string barlow = "Aucune";
    double diameterMm = 212;  // a real aperture, 203.2; whole ones are saved as before
    double focalMm = 2628;  // the telescope's own; saved as a real, read back only when whole
    std::int32_t filter = 0;
    std::string camera = "HiSis-22";
    std::string sensor = "KAF0400";
    std::string sensorX = "768";
    std::string sensorY = "512";
    std::string pixelX = "9";
    std::string pixelY = "9";
    std::int32_t squarePixels = 0;  // 0 "Oui", 1 "Non"
    std::int32_t nightMode = 0;
    double seeingArcsec = 2.5;  // FWHM, above 0 and at most 30
    std::int32_t binning = 1;   // 1 to 4
    std::string site;           // none chosen
    double minimumAltitudeDeg = 30;  // 0 to 89
    std::int32_t targetKind = 0;        // 0 to 5
    double targetHours = 1;             // 0 to 24
    double targetFillFromPercent = 10;  // 0 to 1000
    double targetFillToPercent = 100;   // 0 to 1000
    std::string targetCatalogue;        // none: all
    std::int32_t targetMosaic = 1;      // 1 to 5
    double targetMoonDeg = 0;           // 0 to 180
};

// The settings of a section: [parametres], or a named setup's section that
// holds the same keys.
Settings readSettings(const IniDocument& file, std::string_view section = kSection);
// Writes every key of the setup, in place or in the order above; not the
// preferences (the night mode, the seeing, the binning).
void writeSettings(IniDocument& file, const Settings& settings, std::string_view section = kSection);
// One preference's key, alone, from the settings' value.
void writePreference(IniDocument& file, std::string_view key, const Settings& settings);
// The seeing and binning a setup may be judged with.
inline constexpr core::NumberDomain kSeeingDomain{false, 0, 30, true, false};
inline bool acceptableSeeing(double arcsec) { return kSeeingDomain.contains(arcsec); }
inline bool acceptableBinning(std::int32_t binning) { return binning >= 1 && binning <= 4; }
inline constexpr core::NumberDomain kMinimumAltitudeDomain{false, 0, 89, false, false};
inline bool acceptableMinimumAltitude(double deg) { return kMinimumAltitudeDomain.contains(deg); }

// A key's value is read as its member's type: text as it is, a whole number
// decimal or 0x, a real. A text that does not read counts as missing: the
// value keeps its default.
struct SettingsField {
    std::string_view key;
    std::variant<std::string Settings::*, std::int32_t Settings::*, double Settings::*> member;
    bool wholeOnly = false;  // a real read back only when whole
    // A preference is read with the setup's keys but written alone, when the
    // user changes it, so that files saved before keep their bytes.
    bool preference = false;
    // A number outside what it may be counts as missing.
    bool (*acceptable)(double) = nullptr;
};

namespace detail {
inline bool seeingValue(double arcsec) { return acceptableSeeing(arcsec); }
inline bool binningValue(double binning) { return acceptableBinning(static_cast<std::int32_t>(binning)); }
inline bool minimumAltitudeValue(double deg) { return acceptableMinimumAltitude(deg); }
inline bool targetKindValue(double kind) { return kind >= 0 && kind <= 5; }
inline bool targetHoursValue(double hours) { return hours >= 0 && hours <= 24; }
inline bool targetFillValue(double percent) { return percent >= 0 && percent <= 1000; }
inline bool targetMosaicValue(double side) { return side >= 1 && side <= 5; }
inline bool targetMoonValue(double deg) { return deg >= 0 && deg <= 180; }
}  // namespace detail

// The settings' one table: both directions read it.
inline constexpr SettingsField kSettingsFields[] = {
    {kKeyTelescope, &Settings::telescope},
    {kKeyBarlow, &Settings::barlow},
    // A real aperture, 203.2; a whole one reads and writes as it always did.
    {kKeyDiameter, &Settings::diameterMm},
    // Saved as a real, but only a whole number is read back (1624.5 loads
    // the default), as files have always been read.
    {kKeyFocal, &Settings::focalMm, true},
    {kKeyFilter, &Settings::filter},
    {kKeyCamera, &Settings::camera},
    {kKeySensor, &Settings::sensor},
    {kKeySensorX, &Settings::sensorX},
    {kKeySensorY, &Settings::sensorY},
    {kKeyPixelX, &Settings::pixelX},
    {kKeyPixelY, &Settings::pixelY},
    {kKeySquarePixels, &Settings::squarePixels},
    {kKeyNightMode, &Settings::nightMode, false, true},
    {kKeySeeing, &Settings::seeingArcsec, false, true, detail::seeingValue},
    {kKeyBinning, &Settings::binning, false, true, detail::binningValue},
    {kKeySite, &Settings::site, false, true},
    {kKeyMinimumAltitude, &Settings::minimumAltitudeDeg, false, true, detail::minimumAltitudeValue},
    {kKeyTargetKind, &Settings::targetKind, false, true, detail::targetKindValue},
    {kKeyTargetHours, &Settings::targetHours, false, true, detail::targetHoursValue},
    {kKeyTargetFillFrom, &Settings::targetFillFromPercent, false, true, detail::targetFillValue},
    {kKeyTargetFillTo, &Settings::targetFillToPercent, false, true, detail::targetFillValue},
    {kKeyTargetCatalogue, &Settings::targetCatalogue, false, true},
    {kKeyTargetMosaic, &Settings::targetMosaic, false, true, detail::targetMosaicValue},
    {kKeyTargetMoon, &Settings::targetMoonDeg, false, true, detail::targetMoonValue},
};
// The keys writeSettings writes, in order.
std::vector<std::string_view> settingsKeys();

// The configuration file beside the executable at that path.
std::string configPathBeside(std::string_view executablePath);

// Where Quarvel.ini lives. Beside the program for a portable install: a
// Quarvel.ini already there in a folder that may be written, or a writable
// folder that is no "bin" folder of a system install. Otherwise in the user's
// configuration folder, $XDG_CONFIG_HOME/quarvel, by default
// $HOME/.config/quarvel, made when first saved; without HOME, the account's
// home folder. The environment values may be null.
std::string configPathFor(std::string_view executablePath, const char* xdgConfigHome, const char* home);

}  // namespace quarvel::config
