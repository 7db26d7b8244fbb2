// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_io.h"

namespace quarvel::config {

// A Windows-style INI file in Windows-1252 (or UTF-8 after a byte-order mark),
// read once into memory, changed there and written back in one replacement.
// Section and key names match without regard to case; the first of duplicates
// wins. Names and values cross this interface as UTF-8.
class IniDocument {
public:
    // Longest value read or written, in characters.
    static constexpr std::size_t kMaxValueLength = 2047;
    // A configuration is a few hundred bytes: a larger file is not read.
    static constexpr std::size_t kMaxFileBytes = 1 << 20;

    // Reads the file; a missing one reads as empty.
    explicit IniDocument(std::string path);
    const std::string& path() const { return m_path; }
    ReadStatus status() const { return m_status; }
    // Why the file was not read, for a message.
    core::Message failure() const { return readFailure({m_status, {}, m_error}); }

    // The value after the first "=", trimmed of blanks and of one matching
    // pair of quotes; nothing when the section or the key is missing.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    // A whole number, decimal or "0x" hexadecimal, in 32 bits; anything else
    // counts as missing.
    std::optional<std::int32_t> readInteger(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or appends the key to its section
    // (the section to the file). Other lines keep their bytes. In memory only.
    void setString(std::string_view section, std::string_view key, std::string_view value);

    // Every section in file order, with its keys and values (trimmed and
    // unquoted as readString gives them) and the lines they stand on,
    // counted from 1. Lines outside any section and without "=" are skipped.
    // A header holding "]" ("[a]b]") names everything up to its last "]", so
    // that it is never taken for a shorter name.
    struct Entry {
        std::string key;
        std::string value;
        int line;
    };
    struct Section {
        std::string name;
        int line;
        std::vector<Entry> entries;
    };
    std::vector<Section> sections() const;
    // Removes the section's header and lines, the first of that name.
    void removeSection(std::string_view section);

    // Writes the whole document in one replacement of the file. A file that
    // is there but was not read whole (too large, no regular file, a read
    // error) is never replaced: that fails with its own message, the file's
    // bytes kept. Fails with "Impossible d'écrire dans <path>".
    void save() const;

    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\r\n", "\n" or nothing on the last line
    };

private:
    std::string m_path;
    ReadStatus m_status;
    int m_error = 0;
    bool m_utf8 = false;
    std::vector<Line> m_lines;
};

// Reads the file, lets `change` edit it and saves it, with its folder locked
// all the while: another instance's save between the read and the write
// would be lost.
void updateFile(const std::string& path, const std::function<void(IniDocument&)>& change);

// Whether two names (UTF-8) are one for the file: section and key names
// match without regard to case, in Windows-1252.
bool sameName(std::string_view a, std::string_view b);
// The form of a name that the file tells names by: two names are the same
// to it when their forms are equal, so that many names are told apart at once.
std::string nameKey(std::string_view name);

// A whole number as the file holds it: blanks, optional sign, decimal digits
// or "0x"/"0X" and hexadecimal digits.
std::optional<std::int32_t> parseIniInteger(std::string_view value);

}  // namespace quarvel::config
