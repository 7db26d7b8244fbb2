// SPDX-License-Identifier: GPL-3.0-or-later
// The common picture formats (TIFF, PNG, JPEG and the others Qt reads) as
// grey levels for the image library.
#pragma once

#include <optional>
#include <string_view>

#include "image/image.h"

namespace quarvel::ui::qt {

// Nothing when Qt reads no picture in the bytes. A picture of more pixels
// than the library measures gives its size alone, for the library's message.
std::optional<image::Image> decodePicture(std::string_view bytes);

}  // namespace quarvel::ui::qt
