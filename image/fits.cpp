// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/fits.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::image {

namespace {

constexpr std::size_t kBlock = 2880;
constexpr std::size_t kCard = 80;
// A header of the solver's holds a few hundred cards.
constexpr std::size_t kMostCards = 10'000;

std::string card(std::string_view keyword, std::string_view value) {
    std::string text(keyword);
    text.resize(8, ' ');
    text += "= ";
    text += std::string(20 - std::min<std::size_t>(20, value.size()), ' ');
    text += value;
    text.resize(kCard, ' ');
    return text;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// A card's value: a quoted string (its '' an apostrophe), or the text before a comment.
std::string valueOf(std::string_view field) {
    field = trimmed(field);
    if (!field.starts_with('\'')) return std::string(trimmed(field.substr(0, field.find('/'))));
    std::string text;
    for (std::size_t i = 1; i < field.size(); ++i) {
        if (field[i] != '\'') {
            text += field[i];
        } else if (i + 1 < field.size() && field[i + 1] == '\'') {
            text += '\'';
            ++i;
        } else {
            break;
        }
    }
    return std::string(trimmed(text));
}

std::size_t roundedUp(std::size_t bytes) { return (bytes + kBlock - 1) / kBlock * kBlock; }

// A big-endian number of the table, as a double.
double bigEndian(const unsigned char* at, char type) {
    std::uint64_t bits = 0;
    const int size = type == 'E' ? 4 : 8;
    for (int i = 0; i < size; ++i) bits = bits << 8 | at[i];
    if (type == 'E') {
        float value;
        const auto word = static_cast<std::uint32_t>(bits);
        std::memcpy(&value, &word, 4);
        return value;
    }
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// The bytes a binary table's column takes, from its TFORM ("1E", "D", "20A");
// nothing for a form the standard does not have.
std::optional<std::size_t> columnBytes(std::string_view form, char& type) {
    std::size_t repeat = 0, i = 0;
    for (; i < form.size() && form[i] >= '0' && form[i] <= '9'; ++i) {
        repeat = repeat * 10 + static_cast<std::size_t>(form[i] - '0');
        if (repeat > 1'000'000) return std::nullopt;
    }
    if (i == 0) repeat = 1;
    if (i >= form.size()) return std::nullopt;
    type = form[i];
    switch (type) {
        case 'L': case 'B': case 'A': return repeat;
        case 'X': return (repeat + 7) / 8;
        case 'I': return 2 * repeat;
        case 'J': case 'E': return 4 * repeat;
        case 'K': case 'D': case 'C': case 'P': return 8 * repeat;
        case 'M': case 'Q': return 16 * repeat;
        default: return std::nullopt;
    }
}

}  // namespace

const std::string* FitsHeader::find(std::string_view keyword) const {
    for (const auto& [key, value] : cards) {
        if (key == keyword) return &value;
    }
    return nullptr;
}

std::optional<double> FitsHeader::number(std::string_view keyword) const {
    const std::string* text = find(keyword);
    if (!text) return std::nullopt;
    const auto value = core::tryParseReal(*text);
    return value && std::isfinite(*value) ? value : std::nullopt;
}

std::optional<FitsHeader> readFitsHeader(std::string_view bytes, std::size_t offset) {
    FitsHeader header;
    for (std::size_t at = offset; at + kCard <= bytes.size() && header.cards.size() < kMostCards; at += kCard) {
        const std::string_view line = bytes.substr(at, kCard);
        const std::string keyword(trimmed(line.substr(0, 8)));
        if (keyword == "END") {
            header.dataStart = roundedUp(at + kCard);
            return header;
        }
        if (line.substr(8, 2) == "= ") header.cards.emplace_back(keyword, valueOf(line.substr(10)));
    }
    return std::nullopt;
}

std::optional<Wcs> wcsOf(const FitsHeader& header) {
    Wcs wcs;
    const std::pair<const char*, double*> keys[] = {
        {"CRVAL1", &wcs.crval1}, {"CRVAL2", &wcs.crval2}, {"CRPIX1", &wcs.crpix1}, {"CRPIX2", &wcs.crpix2},
        {"CD1_1", &wcs.cd11},    {"CD1_2", &wcs.cd12},    {"CD2_1", &wcs.cd21},    {"CD2_2", &wcs.cd22},
    };
    for (const auto& [key, value] : keys) {
        const auto read = header.number(key);
        if (!read) return std::nullopt;
        *value = *read;
    }
    return wcs;
}

std::optional<std::vector<TablePoint>> readXyTable(std::string_view bytes, std::size_t most) {
    const auto primary = readFitsHeader(bytes);
    if (!primary) return std::nullopt;
    // The primary HDU of a table file holds no data.
    const auto axes = primary->number("NAXIS");
    if (!axes || *axes != 0) return std::nullopt;
    const auto table = readFitsHeader(bytes, primary->dataStart);
    if (!table || !table->find("XTENSION") || *table->find("XTENSION") != "BINTABLE") return std::nullopt;
    const auto rowBytes = table->number("NAXIS1"), rows = table->number("NAXIS2"), fields = table->number("TFIELDS");
    if (!rowBytes || !rows || !fields || *rowBytes < 0 || *rows < 0 || *fields < 1 || *fields > 999) return std::nullopt;
    std::size_t offset = 0, xAt = 0, yAt = 0;
    char xType = 0, yType = 0;
    for (int f = 1; f <= static_cast<int>(*fields); ++f) {
        const std::string* form = table->find("TFORM" + std::to_string(f));
        const std::string* name = table->find("TTYPE" + std::to_string(f));
        char type = 0;
        const auto size = form ? columnBytes(*form, type) : std::nullopt;
        if (!size) return std::nullopt;
        const bool single = *size == (type == 'E' ? 4u : 8u) && (type == 'E' || type == 'D');
        if (name && (*name == "X" || *name == "x") && single) xAt = offset, xType = type;
        if (name && (*name == "Y" || *name == "y") && single) yAt = offset, yType = type;
        offset += *size;
    }
    if (!xType || !yType || offset != *rowBytes) return std::nullopt;
    const auto width = static_cast<std::size_t>(*rowBytes), count = static_cast<std::size_t>(*rows);
    if (count > 0 && (width == 0 || table->dataStart > bytes.size() || count > (bytes.size() - table->dataStart) / width)) {
        return std::nullopt;
    }
    std::vector<TablePoint> points;
    for (std::size_t i = 0; i < std::min(count, most); ++i) {
        const auto* row = reinterpret_cast<const unsigned char*>(bytes.data() + table->dataStart + i * width);
        const TablePoint point{bigEndian(row + xAt, xType), bigEndian(row + yAt, yType)};
        if (!std::isfinite(point.x) || !std::isfinite(point.y)) return std::nullopt;
        points.push_back(point);
    }
    return points;
}

void writeFits(const Image& image, const std::string& path) {
    std::string header = card("SIMPLE", "T") + card("BITPIX", "16") + card("NAXIS", "2") +
                         card("NAXIS1", std::to_string(image.width)) + card("NAXIS2", std::to_string(image.height)) +
                         card("BZERO", "32768") + card("BSCALE", "1");
    header += std::string("END").append(kCard - 3, ' ');
    header.resize(roundedUp(header.size()), ' ');
    std::FILE* file = std::fopen(path.c_str(), "wbe");
    if (!file) core::throwCannotWrite(path);
    bool ok = std::fwrite(header.data(), 1, header.size(), file) == header.size();
    // Rows from the bottom, each level less 32768, big-endian.
    std::string row(2 * static_cast<std::size_t>(image.width), '\0');
    for (int y = image.height - 1; ok && y >= 0; --y) {
        const std::uint16_t* from = image.values.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (int x = 0; x < image.width; ++x) {
            const auto stored = static_cast<std::uint16_t>(from[x] ^ 0x8000);
            row[2 * static_cast<std::size_t>(x)] = static_cast<char>(stored >> 8);
            row[2 * static_cast<std::size_t>(x) + 1] = static_cast<char>(stored & 0xFF);
        }
        ok = std::fwrite(row.data(), 1, row.size(), file) == row.size();
    }
    const std::size_t data = 2 * static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    const std::string padding(roundedUp(data) - data, '\0');
    ok = ok && std::fwrite(padding.data(), 1, padding.size(), file) == padding.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) core::throwCannotWrite(path);
}

}  // namespace quarvel::image
