// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quarvel::ui {

// The texts the program composes around values ("%1", "%2"): the fixed
// messages, the equipment messages and questions, and the help text with the
// configuration's place. The views translate a composed text by its pattern,
// and the values, which may be texts of their own, one by one.
std::vector<std::string> composedTextPatterns();
// The patterns translated only as the messages that name them.
std::vector<std::string> messageOnlyPatterns();

}  // namespace quarvel::ui
