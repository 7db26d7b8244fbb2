// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"


#include "config/cp1252.h"
#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::config {

namespace {

using Line = IniDocument::Line;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Names are compared in Windows-1252, whatever the file's encoding, so that
// "É" and "é" match in a UTF-8 file too.
bool sameName(std::string_view fileName, bool utf8, std::string_view wanted) {
    const std::string converted = utf8 ? utf8ToCp1252(fileName) : std::string();
    const std::string_view a = utf8 ? std::string_view(converted) : fileName;
    const std::string_view b = wanted;
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

// A header's name runs to its last "]": "[a]b]" names "a]b", never "a".
std::optional<std::string_view> sectionName(std::string_view text) {
    text = trim(text);
    if (text.empty() || text.front() != '[') return std::nullopt;
    const auto close = text.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(text.substr(1, close - 1));
}

// [first, last) are the lines after the section's header up to the next header.
struct SectionSpan {
    std::size_t header;
    std::size_t first;
    std::size_t last;
};

// `name` and `key` in Windows-1252.
std::optional<SectionSpan> findSection(const std::vector<Line>& lines, bool utf8, std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto found = sectionName(content(lines, i));
        if (!found || !sameName(*found, utf8, name)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(content(lines, end))) ++end;
        return SectionSpan{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, bool utf8, const SectionSpan& span,
                                   std::string_view key) {
    for (std::size_t i = span.first; i < span.last; ++i) {
        const std::string_view text = content(lines, i);
        const auto equals = text.find('=');
        if (equals != std::string_view::npos && sameName(trim(text.substr(0, equals)), utf8, key)) return i;
    }
    return std::nullopt;
}

// Text in the file's own encoding: Windows-1252, or UTF-8 in a file that
// starts with a UTF-8 byte-order mark.
std::string fileText(std::string_view text, bool utf8) { return utf8 ? std::string(text) : utf8ToCp1252(text); }

// The text after "=", trimmed of blanks and of one matching pair of quotes.
std::string_view valueOf(std::string_view afterEquals) {
    std::string_view value = trim(afterEquals);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// A value within the limit, not cut in the middle of a UTF-8 character.
std::string limited(std::string bytes, bool utf8) {
    if (bytes.size() > IniDocument::kMaxValueLength) {
        std::size_t cut = IniDocument::kMaxValueLength;
        // Not in the middle of a UTF-8 character.
        while (utf8 && cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) --cut;
        bytes.resize(cut);
    }
    return bytes;
}

// A value as the file may hold it: on one line, within the limit.
std::string fileValue(std::string_view value, bool utf8) {
    std::string bytes = fileText(value, utf8);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return limited(std::move(bytes), utf8);
}

}  // namespace

IniDocument::IniDocument(std::string path) : m_path(std::move(path)) {
    FileRead file = readBounded(m_path, kMaxFileBytes);
    m_status = file.status;
    m_error = file.error;
    if (m_status != ReadStatus::Read) return;
    // A file saved as UTF-8 by an editor says so with its byte-order mark,
    // and stays UTF-8 when written.
    m_utf8 = std::string_view(file.bytes).starts_with(kUtf8Bom);
    m_lines = splitLines(file.bytes);
}

std::optional<std::string> IniDocument::readString(std::string_view section, std::string_view key) const {
    const auto span = findSection(m_lines, m_utf8, utf8ToCp1252(section));
    if (!span) return std::nullopt;
    const auto index = findKey(m_lines, m_utf8, *span, utf8ToCp1252(key));
    if (!index) return std::nullopt;
    const std::string_view text = content(m_lines, *index);
    const std::string_view value = valueOf(text.substr(text.find('=') + 1));
    if (m_utf8) return limited(std::string(value), true);
    return cp1252ToUtf8(limited(std::string(value), false));
}

std::optional<std::int32_t> IniDocument::readInteger(std::string_view section, std::string_view key) const {
    const auto value = readString(section, key);
    if (!value) return std::nullopt;
    return parseIniInteger(*value);
}

void IniDocument::setString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionBytes = fileText(section, m_utf8);
    const std::string keyBytes = fileText(key, m_utf8);
    const std::string valueBytes = fileValue(value, m_utf8);
    auto& lines = m_lines;
    const auto span = findSection(lines, m_utf8, utf8ToCp1252(section));
    if (!span) {
        if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = "\r\n";
        lines.push_back({"[" + sectionBytes + "]", "\r\n"});
        lines.push_back({keyBytes + "=" + valueBytes, "\r\n"});
    } else if (const auto index = findKey(lines, m_utf8, *span, utf8ToCp1252(key))) {
        Line& line = lines[*index];
        const std::size_t equals = line.text.find('=');
        line.text = std::string(trim(std::string_view(line.text).substr(0, equals))) + "=" + valueBytes;
    } else {
        std::size_t at = span->last;
        while (at > span->first && trim(content(lines, at - 1)).empty()) --at;
        if (at > 0 && lines[at - 1].ending.empty()) lines[at - 1].ending = "\r\n";
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{keyBytes + "=" + valueBytes, "\r\n"});
    }
}

std::vector<IniDocument::Section> IniDocument::sections() const {
    const auto toUtf8 = [this](std::string_view text) { return m_utf8 ? std::string(text) : cp1252ToUtf8(text); };
    std::vector<Section> out;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const std::string_view text = content(m_lines, i);
        if (const auto name = sectionName(text)) {
            out.push_back({toUtf8(*name), static_cast<int>(i + 1), {}});
            continue;
        }
        const auto equals = text.find('=');
        if (out.empty() || equals == std::string_view::npos) continue;
        const std::string_view value = valueOf(text.substr(equals + 1));
        out.back().entries.push_back(
            {toUtf8(trim(text.substr(0, equals))), toUtf8(limited(std::string(value), m_utf8)), static_cast<int>(i + 1)});
    }
    return out;
}

bool sameName(std::string_view a, std::string_view b) { return sameName(a, true, utf8ToCp1252(b)); }

std::string nameKey(std::string_view name) {
    std::string key = utf8ToCp1252(name);
    for (char& c : key) c = static_cast<char>(foldCp1252(static_cast<unsigned char>(c)));
    return key;
}

void IniDocument::removeSection(std::string_view section) {
    const auto span = findSection(m_lines, m_utf8, utf8ToCp1252(section));
    if (!span) return;
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(span->header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(span->last));
}

void IniDocument::save() const {
    // A file that is there but cannot be read must not be replaced by one
    // holding only what this program sets.
    if (m_status != ReadStatus::Read && m_status != ReadStatus::Missing) core::throwNotReadWhole(m_path);
    std::string bytes;
    for (const auto& line : m_lines) bytes += line.text + line.ending;
    replaceFile(m_path, bytes);
}

void updateFile(const std::string& path, const std::function<void(IniDocument&)>& change) {
    const FolderLock lock(path);
    IniDocument file(path);
    change(file);
    file.save();
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
