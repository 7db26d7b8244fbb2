// SPDX-License-Identifier: GPL-3.0-or-later
// What the image reader's decoders share: the checks of a picture's size,
// the refusals, and the rows of grey levels turned into the 16-bit levels
// the solver reads.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "image/image.h"

namespace quarvel::image::decoding {

[[noreturn]] inline void refuse(const std::string& path, std::string_view reason, std::vector<core::Message> values = {}) {
    core::throwCannotOpen(path, core::Message(reason, std::move(values)));
}

// A picture of a size the program measures, checked before anything is allocated.
void checkSize(const std::string& path, long long width, long long height);

// An image of that size, its levels all black.
Image blankImage(int width, int height);

// How the decoded levels become 16-bit ones: `low` black, `high` white,
// linearly. A level that is no number (a stacked image's blank pixel) is black.
class LevelMap {
public:
    LevelMap(double low, double high) : m_low(low), m_scale(high > low ? 65535.0 / (high - low) : 0) {}
    std::uint16_t operator()(double level) const {
        if (!std::isfinite(level)) return 0;
        return static_cast<std::uint16_t>(std::lround(std::clamp((level - m_low) * m_scale, 0.0, 65535.0)));
    }

private:
    double m_low;
    double m_scale;
};

// The lowest and highest finite levels seen, for data of no set range
// (floating-point or 32-bit levels): a first pass over the rows finds them.
class LevelRange {
public:
    void see(double level) {
        if (!std::isfinite(level)) return;
        m_low = std::min(m_low, level);
        m_high = std::max(m_high, level);
    }
    LevelMap map() const { return m_low <= m_high ? LevelMap(m_low, m_high) : LevelMap(0, 1); }

private:
    double m_low = std::numeric_limits<double>::infinity();
    double m_high = -std::numeric_limits<double>::infinity();
};

// Decoders of the formats the program reads besides FITS and raw files;
// nothing when the bytes are not of that format.
std::optional<Image> decodePng(const std::string& path, std::string_view bytes);
std::optional<Image> decodeJpeg(const std::string& path, std::string_view bytes);
std::optional<Image> decodeTiff(const std::string& path, std::string_view bytes);

}  // namespace quarvel::image::decoding
