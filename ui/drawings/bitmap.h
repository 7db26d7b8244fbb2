// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/drawings/geometry.h"

namespace quarvel::ui::drawings {

// A picture in 8-bit red, green, blue, top row first.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width == 0; }
    const std::uint8_t* row(int y) const { return m_pixels.data() + static_cast<std::size_t>(y) * m_width * 3; }
    std::uint8_t* mutableRow(int y) { return m_pixels.data() + static_cast<std::size_t>(y) * m_width * 3; }
    Colour pixel(int x, int y) const;
    // Pixels outside the picture are left alone.
    void setPixel(int x, int y, Colour colour);
    // The top-left part of the picture.
    Bitmap cropped(int width, int height) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_pixels;
};

// A Windows bitmap file of 24 or 32 bits per pixel, uncompressed. Bytes that
// are no such bitmap fail with "Image bitmap incorrecte".
Bitmap decodeBitmap(std::string_view bytes);
// Reads a file: one that cannot be opened fails with
// "Impossible d'ouvrir le fichier "<full path>". <reason>".
Bitmap loadBitmap(const std::string& path);
// A 24-bit Windows bitmap of the picture.
std::string encodeBitmap(const Bitmap& picture);

}  // namespace quarvel::ui::drawings
