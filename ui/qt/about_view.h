// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>

namespace quarvel::ui::qt {

// A JPEG decoded with libjpeg; a null image when the bytes are no JPEG.
QImage decodeJpeg(const std::uint8_t* data, std::size_t size);
// The picture of the "A propos" page, built into the program.
QImage aboutPicture();
// Hands a mailto: text to the desktop's open action.
void openMailUrl(const std::string& url);

}  // namespace quarvel::ui::qt
