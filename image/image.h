// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own picture of the sky as 16-bit grey levels, as the solver
// reads it: decoded from a FITS file, a camera's raw file, a TIFF, PNG or
// JPEG by the program's image reader, a process of its own, so that a
// decoder's crash, hang or hunger for memory is a message and nothing else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::image {

// A solution's world coordinates: the reference point on the sky (degrees)
// and on the image (FITS pixels, from 1, the first row at the bottom), and
// the CD matrix (degrees per pixel).
struct Wcs {
    double crval1 = 0, crval2 = 0, crpix1 = 0, crpix2 = 0;
    double cd11 = 0, cd12 = 0, cd21 = 0, cd22 = 0;
};

// Rows from the top, as the picture is shown; each pixel's level.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> values;
    // Sensor pixels merged into one pixel here: a raw file's 2 x 2 colour cell.
    int binning = 1;
    // The celestial solution a FITS file already holds (RA---TAN and
    // DEC--TAN axes, a CD matrix or CDELT with PC or CROTA2), in FITS pixels.
    std::optional<Wcs> wcs;
    float at(int x, int y) const {
        return values[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

// A larger file is not read, a larger picture not decoded.
inline constexpr std::size_t kMostImageBytes = std::size_t{1} << 30;
inline constexpr std::size_t kMostPixels = 150'000'000;
inline constexpr int kFewestPixelsAcross = 64;
// What the image reader may take: seconds of processor time (and as long on
// the clock), and bytes of address space.
inline constexpr int kDecodeSeconds = 60;
inline constexpr std::size_t kDecodeBytes = std::size_t{2} << 30;

// The image in the file at `path`, decoded by the image reader. Fails with
// "Impossible d'ouvrir le fichier" and the reason: the system's, no regular
// file, too large, a content that is no readable image, or the reader
// stopped by a fault, its time or its memory.
Image readImage(const std::string& path);

// The same, in this process: what the image reader runs. A damaged file may
// crash it.
Image decodeImage(const std::string& path, std::string_view bytes);

// The image as a FITS file the solver reads: unsigned 16-bit levels, its
// first row at the bottom, so that the picture's top is the FITS image's +y side.
// Fails with "Impossible d'écrire dans" the path.
void writeFits(const Image& image, const std::string& path);

}  // namespace quarvel::image
