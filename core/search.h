// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quarvel::core {

// A text as a search compares it: lower case, and the accented Latin letters
// as their plain ones ("Télescope" and "telescope" are the same).
std::string foldedForSearch(std::string_view text);

// Whether every word of `query` (split at blanks) is found in `text`, case
// and accents ignored: "asi 585" finds "ZWO ASI585MC Pro". An empty query
// finds everything.
bool matchesEveryWord(std::string_view text, std::string_view query);

}  // namespace quarvel::core
