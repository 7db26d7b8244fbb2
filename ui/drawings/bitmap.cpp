// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/bitmap.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "config/file_io.h"
#include "core/errors.h"

namespace quarvel::ui::drawings {

namespace {

std::uint32_t read32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t read16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

void put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

// The page shows 360 x 240 pixels: a picture far larger is no photograph of
// ours, and would only cost memory at every visit.
constexpr std::int64_t kMaxSide = 4096;
constexpr std::size_t kMaxFileBytes = kMaxSide * kMaxSide * 4 + 1024;
constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

}  // namespace

Bitmap::Bitmap(int width, int height)
    : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height * 3, 0) {}

Colour Bitmap::pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + x * 3;
    return {p[0], p[1], p[2]};
}

void Bitmap::setPixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
    std::uint8_t* p = m_pixels.data() + (static_cast<std::size_t>(y) * m_width + x) * 3;
    p[0] = static_cast<std::uint8_t>(c.red);
    p[1] = static_cast<std::uint8_t>(c.green);
    p[2] = static_cast<std::uint8_t>(c.blue);
}

Bitmap Bitmap::cropped(int width, int height) const {
    Bitmap out(std::min(width, m_width), std::min(height, m_height));
    for (int y = 0; y < out.m_height; ++y) {
        std::memcpy(out.m_pixels.data() + static_cast<std::size_t>(y) * out.m_width * 3, row(y),
                    static_cast<std::size_t>(out.m_width) * 3);
    }
    return out;
}

Bitmap decodeBitmap(std::string_view b) {
    if (b.size() < kFileHeader + 40 || b[0] != 'B' || b[1] != 'M') core::throwBadBitmap();
    const std::uint32_t dataOffset = read32(b, 10);
    const std::uint32_t infoSize = read32(b, 14);
    if (infoSize < 40 || kFileHeader + infoSize > b.size()) core::throwBadBitmap();
    const std::int64_t width = static_cast<std::int32_t>(read32(b, 18));
    const std::int64_t rawHeight = static_cast<std::int32_t>(read32(b, 22));
    const std::uint16_t planes = read16(b, 26);
    const std::uint16_t bits = read16(b, 28);
    const std::uint32_t compression = read32(b, 30);
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -rawHeight : rawHeight;
    if (planes != 1 || (bits != 24 && bits != 32)) core::throwBadBitmap();
    if (compression != kUncompressed && !(bits == 32 && compression == kBitFields)) core::throwBadBitmap();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) core::throwBadBitmap();
    const std::size_t bytesPerPixel = bits / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) / 4 * 4;
    if (dataOffset > b.size() || (b.size() - dataOffset) / stride < static_cast<std::size_t>(height)) {
        core::throwBadBitmap();
    }
    Bitmap picture(static_cast<int>(width), static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
        const std::size_t fileRow = topDown ? static_cast<std::size_t>(y) : static_cast<std::size_t>(height - 1 - y);
        const auto* in = reinterpret_cast<const std::uint8_t*>(b.data()) + dataOffset + fileRow * stride;
        std::uint8_t* out = picture.mutableRow(y);
        // Stored blue, green, red.
        for (std::int64_t x = 0; x < width; ++x, in += bytesPerPixel, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return picture;
}

Bitmap loadBitmap(const std::string& path) {
    const config::FileRead file = config::readBounded(path, kMaxFileBytes);
    if (file.status == config::ReadStatus::TooLarge) core::throwBadBitmap();
    if (file.status != config::ReadStatus::Read) {
        char* resolved = realpath(path.c_str(), nullptr);
        std::string absolute = resolved ? resolved : path;
        std::free(resolved);
        if (!absolute.empty() && absolute.front() != '/') {
            char cwd[PATH_MAX];
            if (getcwd(cwd, sizeof cwd)) absolute = std::string(cwd) + "/" + absolute;
        }
        core::throwCannotOpen(absolute, config::readFailure(file));
    }
    return decodeBitmap(file.bytes);
}

std::string encodeBitmap(const Bitmap& picture) {
    const std::size_t stride = (static_cast<std::size_t>(picture.width()) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = stride * static_cast<std::size_t>(picture.height());
    std::string out = "BM";
    put32(out, static_cast<std::uint32_t>(kFileHeader + 40 + dataSize));
    put32(out, 0);
    put32(out, kFileHeader + 40);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(picture.width()));
    put32(out, static_cast<std::uint32_t>(picture.height()));
    put16(out, 1);
    put16(out, 24);
    put32(out, kUncompressed);
    put32(out, static_cast<std::uint32_t>(dataSize));
    put32(out, 2835);  // 72 dots per inch, in dots per metre
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            out.push_back(static_cast<char>(row[x * 3 + 2]));
            out.push_back(static_cast<char>(row[x * 3 + 1]));
            out.push_back(static_cast<char>(row[x * 3]));
        }
        out.append(stride - static_cast<std::size_t>(picture.width()) * 3, '\0');
    }
    return out;
}

}  // namespace quarvel::ui::drawings
