// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "core/errors.h"

namespace quarvel::core::testing {

// The message an action fails with, or "(no error)".
inline std::string messageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const QuarvelError& e) {
        return e.message();
    }
    return "(no error)";
}

}  // namespace quarvel::core::testing
