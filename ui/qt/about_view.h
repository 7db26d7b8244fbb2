// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/drawings/bitmap.h"

namespace quarvel::ui::qt {

// A picture's pixels as an image of its own.
QImage imageOf(const drawings::Bitmap& pixels);
// The picture of the "A propos" page, built into the program.
QImage aboutPicture();
// Hands a mailto: text to the desktop's open action.
void openMailUrl(const std::string& url);

}  // namespace quarvel::ui::qt
