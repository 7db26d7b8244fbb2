// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a photograph: a picture of sane size or "Image bitmap incorrecte".
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/errors.h"
#include "ui/drawings/bitmap.h"
#include "ui/drawings/photo_overlay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        auto picture = quarvel::ui::drawings::decodeBitmap(std::string_view(reinterpret_cast<const char*>(data), size));
        if (picture.width() <= 0 || picture.height() <= 0) std::abort();
        quarvel::ui::drawings::drawFrame(picture, {-5, -18, 365, 258});
    } catch (const quarvel::core::QuarvelError& e) {
        if (e.message() != "Image bitmap incorrecte") std::abort();
    }
    return 0;
}
