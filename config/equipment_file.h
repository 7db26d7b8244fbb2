// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own equipment, in a file beside the configuration, in the same
// encoding and with "." as decimal separator: one section a row, named by its
// kind and the user's name, "[Télescope Mon 200]". Its sections and keys are
// read and written here alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/ini_file.h"
#include "config/settings.h"
#include "core/optics.h"

namespace quarvel::config {

inline constexpr std::string_view kEquipmentFileName = "Quarvel-equipements.ini";

// The kinds of rows, each followed by the user's name, and what they hold:
//   [Capteur <name>]    kKeyPixelsAcross, kKeyPixelsDown, kKeyPixelWidth, kKeyPixelHeight (um)
//   [Caméra <name>]     kKeySensor: a sensor of any catalogue
//   [APN <name>]        kKeyPixelsAcross, kKeyPixelsDown, kKeyPixelSize (um)
//   [Télescope <name>]  kKeyDiameter, kKeyFocal (mm)
//   [Montage <name>]    the configuration's keys (settings.h)
//   [Site <name>]       kKeyLatitude (degrees north), kKeyLongitude (degrees
//                       east), kKeyAltitude (metres)
inline constexpr std::string_view kSensorSection = "Capteur ";
inline constexpr std::string_view kCameraSection = "Caméra ";
inline constexpr std::string_view kDslrSection = "APN ";
inline constexpr std::string_view kTelescopeSection = "Télescope ";
inline constexpr std::string_view kSetupSection = "Montage ";
inline constexpr std::string_view kSiteSection = "Site ";
inline constexpr std::string_view kKeyPixelsAcross = "LargeurPixels";
inline constexpr std::string_view kKeyPixelsDown = "HauteurPixels";
inline constexpr std::string_view kKeyPixelWidth = "TaillePixelX";
inline constexpr std::string_view kKeyPixelHeight = "TaillePixelY";
inline constexpr std::string_view kKeyPixelSize = "TaillePixel";
inline constexpr std::string_view kKeyLatitude = "Latitude";
inline constexpr std::string_view kKeyLongitude = "Longitude";
inline constexpr std::string_view kKeyAltitude = "Altitude";

// The largest size, in millimetres or micrometres, a row may give.
inline constexpr double kMaxEquipmentSize = 1e9;
// A size the file's reader takes: above 0 and at most that.
inline bool readableSize(double size) { return size > 0 && size <= kMaxEquipmentSize; }

// An observing site's place, and the values it may take: the Dead Sea's
// shore to above the highest observatories.
struct SitePlace {
    double latitudeDeg = 0;   // north, -90 to 90
    double longitudeDeg = 0;  // east, -180 to 180
    double altitudeM = 0;     // -500 to 9000
};
inline bool acceptableLatitude(double deg) { return deg >= -90 && deg <= 90; }
inline bool acceptableLongitude(double deg) { return deg >= -180 && deg <= 180; }
inline bool acceptableSiteAltitude(double m) { return m >= -500 && m <= 9000; }

// The equipment file beside the configuration at that path.
std::string equipmentPathFor(const std::string& configPath);

struct Optics {
    double diameterMm = 0;
    double focalMm = 0;
};

// A row's numbers as the file gives them: nothing when a key is missing or
// its value is no whole number above 0 or no readable size. The keys each
// kind needs, for a message that names them.
std::optional<core::SensorValues> readSensor(const IniDocument::Section& section);
std::optional<core::SensorValues> readDslr(const IniDocument::Section& section);  // square pixels
std::optional<Optics> readTelescope(const IniDocument::Section& section);
std::string readCameraSensor(const IniDocument::Section& section);
std::optional<SitePlace> readSite(const IniDocument::Section& section);
// A setup names no row: all its numbers are its own.
bool readableSetup(const IniDocument::Section& section);
bool readableSetup(const Settings& settings);
std::string sensorKeys();
std::string dslrKeys();
std::string telescopeKeys();
std::string setupKeys();
std::string siteKeys();

// A section to write: its name with its kind, and its keys in order.
struct EquipmentSection {
    std::string name;
    std::vector<std::pair<std::string_view, std::string>> keys;
};
EquipmentSection sensorSection(const std::string& name, const core::SensorValues& values);
EquipmentSection dslrSection(const std::string& name, const core::SensorValues& values);
EquipmentSection cameraSection(const std::string& name, const std::string& sensor);
EquipmentSection telescopeSection(const std::string& name, const Optics& optics);
EquipmentSection siteSection(const std::string& name, const SitePlace& place);

// Writes new sections, in one replacement of the file under its folder's
// lock; a name the file already holds (case aside) is another row's, never
// replaced: that fails with nothing written, the name returned.
std::optional<std::string> addSections(const std::string& path, const std::vector<EquipmentSection>& sections);
// A setup's section, likewise.
std::optional<std::string> addSetup(const std::string& path, const std::string& name, const Settings& settings);
// Removes sections, in one replacement of the file.
void removeSections(const std::string& path, const std::vector<std::string>& names);

}  // namespace quarvel::config
