// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result_table.h"

#include "core/number_format.h"
#include "ui/messages.h"

namespace quarvel::ui {

using setup::Results;
using setup::Value;

const std::vector<const ResultRow*>& resultRows() {
    static const std::vector<const ResultRow*> rows{
        &kFocalRatio,     &kResolving,       &kSeparating,      &kSensorWidth,    &kSensorHeight,     &kSensorDiagonal,
        &kSampling,       &kFieldHorizontal, &kFieldVertical,   &kRings,          &kOnSensor,         &kExposure,
        &kCurrentRatio,   &kOptimalRatio,    &kRatioMultiplier, &kDeepSkySampling, &kCurrentFocal,    &kFinestSampling,
        &kFinestFocal,    &kWantedFocal,     &kWantedCoefficient, &kBinnedSampling};
    return rows;
}

std::optional<std::string> resultText(const ResultRow& row, const Results& results) {
    const auto value = row.read(results);
    if (!value) return std::nullopt;
    const double number = value->get();
    return row.precision == 0 ? core::display(number, row.decimals) : core::fixed(number, row.precision, row.decimals);
}

std::string_view verdictText(setup::SamplingVerdict verdict) {
    switch (verdict) {
        case setup::SamplingVerdict::Under: return messages::kUnderSampled;
        case setup::SamplingVerdict::Over: return messages::kOverSampled;
        case setup::SamplingVerdict::Well: break;
    }
    return messages::kWellSampled;
}

void ShownResults::show(const Results& results) const {
    for (const auto& [row, field] : m_rows) field->setText(resultText(*row, results).value_or(std::string()));
}

void ShownResults::appendLines(std::vector<ResultLine>& lines) const {
    for (const auto& [row, field] : m_rows) {
        if (field->empty() || !field->visible()) continue;
        lines.push_back({core::Message(row->caption), {core::Message::data(field->text())}, core::Message(row->unit)});
    }
}

}  // namespace quarvel::ui
