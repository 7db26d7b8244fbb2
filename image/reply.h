// SPDX-License-Identifier: GPL-3.0-or-later
// What the image reader hands back to the program through its standard
// output: the image, or the reason it gave none.
//
//   "QVI1", width, height, binning, whether a WCS follows (32-bit, the
//   host's order), the WCS's eight numbers (doubles, zeros without one),
//   then the levels, row after row from the top, 16-bit each;
//   "QVE1", then the reason: 1 when it is data (a system's message), its
//   text, the count of its values and each value's text (each text a
//   32-bit length and its bytes).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "image/image.h"

namespace quarvel::image::reply {

inline constexpr std::string_view kImage = "QVI1";
inline constexpr std::string_view kFailure = "QVE1";
// A reason's texts are short: a longer one is no reason of the reader's.
inline constexpr std::uint32_t kMostTextBytes = 4096;
inline constexpr std::size_t kImageHeaderBytes = 4 + 4 * 4 + 8 * 8;

// The WCS's numbers in the reply's order.
std::array<double*, 8> wcsNumbers(Wcs& wcs);

// Writes it all to the descriptor; false when the other end went.
bool writeImage(int fd, const Image& image);
bool writeFailure(int fd, const core::Message& reason);

// The reason a failure's bytes give, when they are a whole reply and its
// pattern one of the reader's own; nothing otherwise.
std::optional<core::Message> failureOf(std::string_view bytes);

}  // namespace quarvel::image::reply
