// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarvel::config {

// A Windows-style INI file in Windows-1252, read and written one key at a
// time. Section and key names match without regard to case; the first of
// duplicates wins. Names and values cross this interface as UTF-8.
class IniFile {
public:
    // Longest value read or written, in characters.
    static constexpr std::size_t kMaxValueLength = 2047;

    explicit IniFile(std::string path);
    const std::string& path() const { return m_path; }

    // The value after the first "=", trimmed of blanks and of one matching
    // pair of quotes; nothing when the file, the section or the key is missing.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    // A whole number, decimal or "0x" hexadecimal, in 32 bits; anything else
    // counts as missing.
    std::optional<std::int32_t> readInteger(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or appends the key to its section
    // (the section to the file). Other lines keep their bytes. The new file
    // replaces the old one in one rename, so a failed write leaves the old
    // file whole; it fails with "Impossible d'écrire dans <path>".
    void writeString(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string m_path;
};

// A whole number as the file holds it: blanks, optional sign, decimal digits
// or "0x"/"0X" and hexadecimal digits.
std::optional<std::int32_t> parseIniInteger(std::string_view value);

}  // namespace quarvel::config
