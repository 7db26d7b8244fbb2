// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "ui/drawings/bitmap.h"

namespace quarvel::ui::drawings {

// A JPEG's pixels, decoded by libjpeg, of at most `maxWidth` x `maxHeight`:
// the header is read first, so a picture that claims more is not decoded at
// all. Bytes that are no JPEG, a larger picture or memory that cannot be had
// give an empty bitmap.
Bitmap decodeJpeg(std::string_view bytes, int maxWidth, int maxHeight);

}  // namespace quarvel::ui::drawings
