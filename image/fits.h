// SPDX-License-Identifier: GPL-3.0-or-later
// The few FITS files the program exchanges with astrometry.net's solver,
// written and read here without a FITS library: the image it is given, the
// solution's header, the list of stars it found. Whatever the solver leaves
// is checked before use: a file of another shape, a number that is no
// finite number, a table that runs past its file, gives nothing.
//
// Reference: FITS Standard 4.0 (IAU FITS Working Group, 2018): 2880-byte
// blocks of 80-character header cards (sect. 3, 4), big-endian data with
// BZERO for unsigned 16-bit levels (sect. 5.3), binary tables (sect. 7.3).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/image.h"

namespace quarvel::image {

// The header cards of one HDU: each keyword with its value as written
// (a string's quotes removed), and where its data begin in the file.
struct FitsHeader {
    std::vector<std::pair<std::string, std::string>> cards;
    std::size_t dataStart = 0;
    const std::string* find(std::string_view keyword) const;
    // A card's value as a finite number; nothing when absent or not one.
    std::optional<double> number(std::string_view keyword) const;
};

// The header that starts at `offset` (a multiple of 2880); nothing when it
// has no END card within the file or the bound on cards.
std::optional<FitsHeader> readFitsHeader(std::string_view bytes, std::size_t offset = 0);

// The WCS of a header: nothing when a value is missing or not a finite number.
std::optional<Wcs> wcsOf(const FitsHeader& header);

// The columns X and Y (FITS pixels, from 1) of the first binary table after
// the primary HDU, at most `most` rows; nothing for a file of another shape.
struct TablePoint {
    double x = 0, y = 0;
};
std::optional<std::vector<TablePoint>> readXyTable(std::string_view bytes, std::size_t most);

}  // namespace quarvel::image
