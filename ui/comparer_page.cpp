// SPDX-License-Identifier: GPL-3.0-or-later
// The "Comparer" page: setups side by side.
#include "ui/comparer_page.h"

#include "core/number_format.h"
#include "ui/messages.h"

namespace quarvel::ui {

namespace {

constexpr std::string_view kNone = "(aucun)";

// A row's text as the single-setup pages show it; nothing where it failed.
std::string shown(const ComparedRow& row, const setup::Results& results) {
    try {
        const auto first = resultText(*row.value, results);
        if (!first || !row.second) return first.value_or(std::string());
        const auto second = resultText(*row.second, results);
        return second ? *first + " x " + *second : std::string();
    } catch (const core::QuarvelError&) {
        return {};
    }
}

}  // namespace

ComparerPage::ComparerPage(Form& window) : Part(window) {
    for (int column = 1; column < kColumns; ++column) {
        cbMontage[column] = &add<ListControl>("cbMontage" + std::to_string(column + 1),
                                              std::vector<std::string>{std::string(kNone)});
        cbMontage[column]->select(0);
        cbMontage[column]->setDataFromRow(1);  // after "(aucun)", the user's names
        cbMontage[column]->onChange = [this] {
            if (onChoice) onChoice();
        };
    }
    for (int column = 0; column < kColumns; ++column) {
        heads[column] = &add<form::Label>("labCmpMontage" + std::to_string(column + 1));
        heads[column]->setShowsData(column > 0);
    }
    heads[0]->setCaption(std::string(kCurrentSetup));
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            form::Label& cell = add<form::Label>(std::string("labCmp") + std::string(kComparedRows[row].name) +
                                                 std::to_string(column + 1));
            // Names and numbers: shown as they are; the verdict is a message.
            cell.setShowsData(true);
            cells[row][column] = &cell;
        }
    }
}

void ComparerPage::setSetupNames(const std::vector<std::string>& names) {
    std::vector<std::string> items{std::string(kNone)};
    items.insert(items.end(), names.begin(), names.end());
    for (int column = 1; column < kColumns; ++column) {
        ListControl& list = *cbMontage[column];
        const std::string chosen = list.selected() > 0 ? std::string(list.selectedId()) : std::string();
        list.setItems(items);
        const auto row = chosen.empty() ? std::nullopt : list.rowOf(chosen);
        list.select(row.value_or(0));
    }
    // A first comparison needs no choosing: the first saved setup beside the current one.
    if (!names.empty() && cbMontage[1]->selected() == 0 && cbMontage[2]->selected() == 0 &&
        cbMontage[3]->selected() == 0) {
        cbMontage[1]->select(1);
    }
}

std::optional<std::string> ComparerPage::setupNameOf(int column) const {
    if (column <= 0 || column >= kColumns || cbMontage[column]->selected() <= 0) return std::nullopt;
    return std::string(cbMontage[column]->selectedId());
}

void ComparerPage::show(const std::vector<std::optional<Column>>& columns) {
    for (int column = 1; column < kColumns; ++column) heads[column]->setCaption(setupNameOf(column).value_or(""));
    for (int column = 0; column < kColumns; ++column) {
        const auto& shownColumn = column < static_cast<int>(columns.size()) ? columns[column] : std::nullopt;
        const auto set = [&](Row row, const std::string& text) {
            if (row == kVerdict) {
                cells[row][column]->setMessage(core::Message());  // no verdict
            } else {
                cells[row][column]->setCaption(text);
            }
        };
        if (!shownColumn) {
            for (int row = 0; row < kRowCount; ++row) set(static_cast<Row>(row), "");
            continue;
        }
        const setup::Results& r = shownColumn->results;
        set(kTelescope, shownColumn->telescope);
        set(kCamera, shownColumn->camera);
        for (int row = 0; row < kRowCount; ++row) {
            if (kComparedRows[row].value) set(static_cast<Row>(row), shown(kComparedRows[row], r));
        }
        // The Moon on the same sensor, written as Jupiter is.
        setup::Results moon = r;
        moon.onSensorPx = shownColumn->moonPx;
        set(kMoon, shown({"", "", "", &kOnSensor}, moon));
        if (r.verdict) {
            cells[kVerdict][column]->setMessage(core::Message(verdictText(*r.verdict)));
        } else {
            set(kVerdict, "");
        }
    }
}

std::vector<ResultLine> ComparerPage::resultLines() const {
    // A first line naming the setups, so that a spreadsheet shows which column is which.
    ResultLine names{core::Message(messages::kSetupCaption), {core::Message(kCurrentSetup)}, core::Message()};
    for (int column = 1; column < kColumns; ++column) {
        if (const auto name = setupNameOf(column)) names.values.push_back(core::Message::data(*name));
    }
    std::vector<ResultLine> lines{std::move(names)};
    for (int row = 0; row < kRowCount; ++row) {
        ResultLine line{core::Message(kComparedRows[row].caption), {}, core::Message(kComparedRows[row].unit)};
        for (int column = 0; column < kColumns; ++column) {
            const form::Label& cell = *cells[row][column];
            if (column > 0 && !setupNameOf(column)) continue;
            line.values.push_back(cell.message() ? *cell.message() : core::Message::data(cell.caption()));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace quarvel::ui
