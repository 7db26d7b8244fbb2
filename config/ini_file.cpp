// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "config/cp1252.h"
#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::config {

namespace {

struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\r\n", "\n" or nothing on the last line
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCp1252(static_cast<unsigned char>(a[i])) != foldCp1252(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

// Lines end in CR LF, or in LF or CR alone in files edited elsewhere.
std::vector<Line> splitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back({bytes.substr(start), ""});
            break;
        }
        Line line{bytes.substr(start, end - start), bytes.substr(end, 1)};
        if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') line.ending = "\r\n";
        start = end + line.ending.size();
        lines.push_back(std::move(line));
    }
    return lines;
}

// The text of a line as the parser sees it: a UTF-8 byte-order mark that an
// editor put before the first line is not part of the section header.
std::string_view content(const std::vector<Line>& lines, std::size_t i) {
    std::string_view text = lines[i].text;
    if (i == 0 && text.starts_with(kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
    return text;
}

std::optional<std::string_view> sectionName(std::string_view text) {
    text = trim(text);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(text.substr(1, close - 1));
}

// [first, last) are the lines after the section's header up to the next header.
struct SectionSpan {
    std::size_t header;
    std::size_t first;
    std::size_t last;
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = sectionName(content(lines, i));
        if (!found || !sameName(*found, name)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(content(lines, end))) ++end;
        return SectionSpan{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionSpan& span, std::string_view key) {
    for (std::size_t i = span.first; i < span.last; ++i) {
        const std::string_view text = content(lines, i);
        const auto equals = text.find('=');
        if (equals != std::string_view::npos && sameName(trim(text.substr(0, equals)), key)) return i;
    }
    return std::nullopt;
}

enum class ReadStatus { Read, Missing, Failed };

// The file's bytes; a file that is not there reads as missing.
ReadStatus readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return ReadStatus::Failed;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ReadStatus::Read;
}

// Writes the bytes to a new file beside the old one, then renames it over.
void replaceFile(const std::string& path, const std::string& bytes) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) core::throwCannotWrite(path);
    struct stat old {};
    const mode_t umaskValue = umask(0);
    umask(umaskValue);
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~umaskValue);
    bool ok = fchmod(fd, mode) == 0;
    std::size_t written = 0;
    while (ok && written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) written += static_cast<std::size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        core::throwCannotWrite(path);
    }
}

// Text in the file's own encoding: Windows-1252, or UTF-8 in a file that
// starts with a UTF-8 byte-order mark.
std::string fileText(std::string_view text, bool utf8) { return utf8 ? std::string(text) : utf8ToCp1252(text); }

// A value as the file may hold it: on one line, within the limit.
std::string fileValue(std::string_view value, bool utf8) {
    std::string bytes = fileText(value, utf8);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    if (bytes.size() > IniFile::kMaxValueLength) {
        std::size_t cut = IniFile::kMaxValueLength;
        // Not in the middle of a UTF-8 character.
        while (utf8 && cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
        bytes.resize(cut);
    }
    return bytes;
}

}  // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniFile::readString(std::string_view section, std::string_view key) const {
    std::string bytes;
    if (readFile(m_path, bytes) != ReadStatus::Read) return std::nullopt;
    // A file saved as UTF-8 by an editor says so with its byte-order mark.
    if (std::string_view(bytes).starts_with(kUtf8Bom)) bytes = utf8ToCp1252(std::string_view(bytes).substr(kUtf8Bom.size()));
    const auto lines = splitLines(bytes);
    const auto span = findSection(lines, utf8ToCp1252(section));
    if (!span) return std::nullopt;
    const auto index = findKey(lines, *span, utf8ToCp1252(key));
    if (!index) return std::nullopt;
    const std::string_view text = content(lines, *index);
    std::string_view value = trim(text.substr(text.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
    return cp1252ToUtf8(value);
}

std::optional<std::int32_t> IniFile::readInteger(std::string_view section, std::string_view key) const {
    const auto value = readString(section, key);
    if (!value) return std::nullopt;
    return parseIniInteger(*value);
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) const {
    // A file that is there but cannot be read must not be replaced by one
    // holding this key alone.
    std::string old;
    if (readFile(m_path, old) == ReadStatus::Failed) core::throwCannotWrite(m_path);
    const bool utf8 = std::string_view(old).starts_with(kUtf8Bom);
    const std::string sectionBytes = fileText(section, utf8);
    const std::string keyBytes = fileText(key, utf8);
    const std::string valueBytes = fileValue(value, utf8);
    auto lines = splitLines(old);
    const auto span = findSection(lines, sectionBytes);
    if (!span) {
        if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = "\r\n";
        lines.push_back({"[" + sectionBytes + "]", "\r\n"});
        lines.push_back({keyBytes + "=" + valueBytes, "\r\n"});
    } else if (const auto index = findKey(lines, *span, keyBytes)) {
        Line& line = lines[*index];
        const std::size_t equals = line.text.find('=');
        line.text = std::string(trim(std::string_view(line.text).substr(0, equals))) + "=" + valueBytes;
    } else {
        std::size_t at = span->last;
        while (at > span->first && trim(content(lines, at - 1)).empty()) --at;
        if (at > 0 && lines[at - 1].ending.empty()) lines[at - 1].ending = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{keyBytes + "=" + valueBytes, "\r\n"});
    }
    std::string bytes;
    for (const auto& line : lines) bytes += line.text + line.ending;
    replaceFile(m_path, bytes);
}

std::optional<std::int32_t> parseIniInteger(std::string_view value) {
    const std::string_view s = trim(value);
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) i = 1;
    if (s.size() > i + 2 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        std::int64_t v = 0;
        for (std::size_t k = i + 2; k < s.size(); ++k) {
            const char c = s[k];
            int digit;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else return std::nullopt;
            v = v * 16 + digit;
            if (v > 0x80000000LL) return std::nullopt;
        }
        if (negative) v = -v;
        if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
        return static_cast<std::int32_t>(v);
    }
    return core::tryParseInteger(s);
}

}  // namespace quarvel::config
