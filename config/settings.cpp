// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cmath>

#include "config/file_io.h"
#include "core/parse.h"

namespace quarvel::config {

namespace {

void readText(const IniDocument& file, std::string_view key, std::string& target) {
    if (auto value = file.readString(kSection, key)) target = std::move(*value);
}

void readWhole(const IniDocument& file, std::string_view key, std::int32_t& target) {
    if (const auto value = file.readInteger(kSection, key)) target = *value;
}

// A whole number as before (decimal or 0x), or a real such as 203.2.
void readReal(const IniDocument& file, std::string_view key, double& target) {
    const auto text = file.readString(kSection, key);
    if (!text) return;
    if (const auto whole = parseIniInteger(*text)) {
        target = *whole;
    } else if (const auto real = core::tryParseReal(*text); real && std::isfinite(*real)) {
        target = *real;
    }
}

}  // namespace

Settings readSettings(const IniDocument& file) {
    Settings s;
    readText(file, kKeyTelescope, s.telescope);
    readText(file, kKeyBarlow, s.barlow);
    readReal(file, kKeyDiameter, s.diameterMm);
    readWhole(file, kKeyFocal, s.focalMm);
    readWhole(file, kKeyFilter, s.filter);
    readText(file, kKeyCamera, s.camera);
    readText(file, kKeySensor, s.sensor);
    readText(file, kKeySensorX, s.sensorX);
    readText(file, kKeySensorY, s.sensorY);
    readText(file, kKeyPixelX, s.pixelX);
    readText(file, kKeyPixelY, s.pixelY);
    readWhole(file, kKeySquarePixels, s.squarePixels);
    readWhole(file, kKeyNightMode, s.nightMode);
    return s;
}

std::string configPathBeside(std::string_view executablePath) { return besidePath(executablePath, kFileName); }

std::string configPathFor(std::string_view executablePath, const char* xdgConfigHome, const char* home) {
    const std::string beside = configPathBeside(executablePath);
    const std::string folder = folderOf(beside);
    const bool writable = access(folder.c_str(), W_OK) == 0;
    const bool systemFolder = folder.ends_with("/bin") || folder == "/bin";
    const bool portable = writable && (access(beside.c_str(), F_OK) == 0 || !systemFolder);
    if (portable) return beside;
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0] == '/') {
        base = xdgConfigHome;  // a relative value is to be ignored
    } else if (home && home[0] == '/') {
        base = std::string(home) + "/.config";
    } else if (const passwd* account = getpwuid(geteuid()); account && account->pw_dir && account->pw_dir[0] == '/') {
        // No HOME (env -i, a service): the account's own home folder.
        base = std::string(account->pw_dir) + "/.config";
    }
    if (!base.empty()) return base + "/quarvel/" + std::string(kFileName);
    // A system folder of programs never gets a configuration made in it.
    if (!systemFolder) return beside;
    return "/tmp/quarvel-" + std::to_string(geteuid()) + "/" + std::string(kFileName);
}

}  // namespace quarvel::config
