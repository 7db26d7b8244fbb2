// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cmath>

#include "config/file_io.h"
#include "core/number_format.h"
#include "core/parse.h"

namespace quarvel::config {

namespace {

using Field = SettingsField;

bool accepted(const Field& field, double value) { return !field.acceptable || field.acceptable(value); }

void read(const Field& field, const std::string& text, Settings& s) {
    const auto whole = parseIniInteger(text);
    if (auto* member = std::get_if<std::string Settings::*>(&field.member)) {
        s.**member = text;
    } else if (auto* number = std::get_if<std::int32_t Settings::*>(&field.member)) {
        if (whole && accepted(field, *whole)) s.**number = *whole;
    } else if (auto* real = std::get_if<double Settings::*>(&field.member)) {
        if (whole) {
            if (accepted(field, *whole)) s.**real = *whole;
        } else if (const auto value = core::tryParseReal(text);
                   !field.wholeOnly && value && std::isfinite(*value) && accepted(field, *value)) {
            s.**real = *value;
        }
    }
}

std::string written(const Field& field, const Settings& s) {
    if (auto* member = std::get_if<std::string Settings::*>(&field.member)) return s.**member;
    if (auto* number = std::get_if<std::int32_t Settings::*>(&field.member)) return std::to_string(s.**number);
    return core::shortest(s.*std::get<double Settings::*>(field.member));
}

}  // namespace

Settings readSettings(const IniDocument& file, std::string_view section) {
    Settings s;
    for (const Field& field : kSettingsFields) {
        if (const auto text = file.readString(section, field.key)) read(field, *text, s);
    }
    return s;
}

void writeSettings(IniDocument& file, const Settings& settings, std::string_view section) {
    for (const Field& field : kSettingsFields) {
        if (!field.preference) file.setString(section, field.key, written(field, settings));
    }
}

void writePreference(IniDocument& file, std::string_view key, const Settings& settings) {
    for (const Field& field : kSettingsFields) {
        if (field.preference && field.key == key) file.setString(kSection, key, written(field, settings));
    }
}

std::vector<std::string_view> settingsKeys() {
    std::vector<std::string_view> keys;
    for (const Field& field : kSettingsFields) {
        if (!field.preference) keys.push_back(field.key);
    }
    return keys;
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
