// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped tables' text, cut as their readers need it: the files quote
// nothing, so a line is its fields between separators.
#pragma once

#include <string_view>
#include <vector>

namespace quarvel::catalogues {

// The parts of a text between separators, empty ones included.
inline std::vector<std::string_view> splitText(std::string_view text, char separator) {
    std::vector<std::string_view> out;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        out.push_back(text.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from));
        if (at == std::string_view::npos) return out;
        from = at + 1;
    }
}

// A line without the carriage return a Windows editor leaves at its end.
inline std::string_view withoutReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
}

}  // namespace quarvel::catalogues
