// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "core/errors.h"

namespace quarvel::ui {

// A result as "Copier les résultats" gives it: a caption, one value or a
// value a column, and a unit, each a text of the program's or data.
struct ResultLine {
    core::Message caption;
    std::vector<core::Message> values;
    core::Message unit;
};

}  // namespace quarvel::ui
