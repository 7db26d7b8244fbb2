// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own picture of the sky as grey levels: read from a FITS file, a
// camera's raw file or, through the caller's decoder, a TIFF, PNG or JPEG,
// under the bounded reader's rules.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::image {

// Rows from the top, as the picture is shown; each pixel's level.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<float> values;
    // Sensor pixels merged into one pixel here: a raw file's 2 x 2 colour cell.
    int binning = 1;
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// A larger file is not read, a larger picture not decoded.
inline constexpr std::size_t kMostImageBytes = std::size_t{1} << 30;
inline constexpr std::size_t kMostPixels = 150'000'000;
inline constexpr int kFewestPixelsAcross = 64;

// Decodes the formats the library does not (TIFF, PNG, JPEG); nothing when
// the bytes are none of them. Given by the caller.
using Decoder = std::function<std::optional<Image>(std::string_view bytes)>;

// The image in the file at `path`. Fails with "Impossible d'ouvrir le
// fichier" and the reason: the system's, no regular file, too large, or a
// content that is no readable image.
Image readImage(const std::string& path, const Decoder& others);

// The image of these bytes, with the same reasons, `path` only for the message.
Image decodeImage(const std::string& path, std::string_view bytes, const Decoder& others);

// The image as a FITS file the solver reads: 32-bit floats, its first row at
// the bottom, so that the picture's top is the FITS image's +y side.
void writeFits(const Image& image, const std::string& path);

}  // namespace quarvel::image
