// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/reply.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "image/messages.h"

namespace quarvel::image::reply {

namespace {

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void put(std::string& out, std::uint32_t value) { out.append(reinterpret_cast<const char*>(&value), sizeof value); }

void putText(std::string& out, std::string_view text) {
    text = text.substr(0, kMostTextBytes);
    put(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

// Reads from the front of `bytes`.
std::optional<std::uint32_t> take(std::string_view& bytes) {
    std::uint32_t value;
    if (bytes.size() < sizeof value) return std::nullopt;
    std::memcpy(&value, bytes.data(), sizeof value);
    bytes.remove_prefix(sizeof value);
    return value;
}

std::optional<std::string> takeText(std::string_view& bytes) {
    const auto size = take(bytes);
    if (!size || *size > kMostTextBytes || *size > bytes.size()) return std::nullopt;
    std::string text(bytes.substr(0, *size));
    bytes.remove_prefix(*size);
    return text;
}

bool knownPattern(std::string_view pattern) {
    return pattern == core::kNotARegularFile || pattern == core::kFileTooLarge ||
           std::find(std::begin(kPatterns), std::end(kPatterns), pattern) != std::end(kPatterns);
}

}  // namespace

std::array<double*, 8> wcsNumbers(Wcs& wcs) {
    return {&wcs.crval1, &wcs.crval2, &wcs.crpix1, &wcs.crpix2, &wcs.cd11, &wcs.cd12, &wcs.cd21, &wcs.cd22};
}

bool writeImage(int fd, const Image& image) {
    std::string header(kImage);
    for (const int value : {image.width, image.height, image.binning, image.wcs ? 1 : 0}) {
        put(header, static_cast<std::uint32_t>(value));
    }
    Wcs wcs = image.wcs.value_or(Wcs{});
    for (const double* number : wcsNumbers(wcs)) header.append(reinterpret_cast<const char*>(number), sizeof(double));
    return writeAll(fd, header.data(), header.size()) &&
           writeAll(fd, image.values.data(), image.values.size() * sizeof(std::uint16_t));
}

bool writeFailure(int fd, const core::Message& reason) {
    std::string out(kFailure);
    put(out, reason.isData() ? 1 : 0);
    putText(out, reason.pattern());
    put(out, static_cast<std::uint32_t>(reason.values().size()));
    for (const core::Message& value : reason.values()) putText(out, value.text());
    return writeAll(fd, out.data(), out.size());
}

std::optional<core::Message> failureOf(std::string_view bytes) {
    if (!bytes.starts_with(kFailure)) return std::nullopt;
    bytes.remove_prefix(kFailure.size());
    const auto data = take(bytes);
    const auto pattern = takeText(bytes);
    const auto count = take(bytes);
    if (!data || !pattern || !count || *count > 9) return std::nullopt;
    std::vector<core::Message> values;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto value = takeText(bytes);
        if (!value) return std::nullopt;
        values.push_back(core::Message::data(*value));
    }
    if (!bytes.empty()) return std::nullopt;
    if (*data == 1) return core::Message::data(*pattern);
    if (!knownPattern(*pattern)) return std::nullopt;
    return core::Message(*pattern, std::move(values));
}

}  // namespace quarvel::image::reply
