// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/telescopes.h"

#include "core/number_format.h"
#include "core/parse.h"

namespace quarvel::catalogues {

std::vector<std::string> focalFactorComboItems() {
    std::vector<std::string> items;
    for (const auto& row : kFocalFactors) items.emplace_back(row.comboText);
    items.emplace_back(kOtherFactorText);
    return items;
}

std::string telescopeSuffix(int row, double factor) {
    if (row == kNoFactorRow) return {};
    if (row > kNoFactorRow && row < static_cast<int>(kFocalFactors.size())) {
        const auto& fixedRow = kFocalFactors[static_cast<std::size_t>(row)];
        if (!fixedRow.suffix.empty()) return std::string(fixedRow.suffix);
    }
    return " + Barlow " + core::wholeText(factor) + " x";
}

std::optional<int> focalFactorRowForLabel(std::string_view label) {
    for (std::size_t i = 0; i < kFocalFactors.size(); ++i) {
        if (kFocalFactors[i].label == label) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<double> focalFactorOfLabel(std::string_view label) {
    if (const auto row = focalFactorRowForLabel(label)) return kFocalFactors[static_cast<std::size_t>(*row)].factor;
    const auto typed = core::tryParseReal(label);
    if (typed && *typed > 0) return typed;
    return std::nullopt;
}

}  // namespace quarvel::catalogues
