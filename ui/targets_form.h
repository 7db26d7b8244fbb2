// SPDX-License-Identifier: GPL-3.0-or-later
// "Cibles de la nuit": the catalogue ranked for the setup, the site and the
// night, filtered as the user asks (the filters kept in Quarvel.ini),
// sorted by any column, copied or exported as CSV; a double click answers
// the object to frame.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "ui/form/form.h"
#include "ui/targets.h"

namespace quarvel::ui {

class TargetsForm : public form::Form {
public:
    explicit TargetsForm(form::Guard& guard);

    // What the list judges: the catalogue, the setup's frame and the night.
    struct Night {
        const std::vector<catalogues::DeepSkyObject>* objects = nullptr;
        catalogues::SkyExtent frame;
        const night::ManyTargets* night = nullptr;
        bool french = true;  // the objects' names
    };
    // The list for that night with the filters of `preferences`, until the
    // user closes it; the object double-clicked (its row in the catalogue).
    std::optional<std::size_t> choose(form::ModalHost& host, const Night& night, config::Settings& preferences);

    // Set by the window: a filter kept as the user changed it; where to write
    // the CSV (nothing when the user cancels), and the clipboard.
    std::function<void(std::string_view key)> remember;
    std::function<std::optional<std::string>(const std::string& suggestedName)> askCsvPath;
    std::function<void(const std::string& text)> copyText;

    form::ListControl& cbTypeCibles;
    form::ListControl& cbCatalogueCibles;
    form::EditField& eHeuresCibles;
    form::EditField& eRemplissageMin;
    form::EditField& eRemplissageMax;
    form::EditField& eMosaiqueCibles;
    form::EditField& eLuneCibles;
    form::Label& labCibles;
    form::Table& tabCibles;
    form::Button& bbCopierCibles;
    form::Button& bbExporterCibles;
    form::Button& bbFermerCibles;

    // The rows shown, as the CSV gives them: name, designations, RA, Dec,
    // type, size, dark hours, fill, Moon distance.
    std::string csv() const;

private:
    void refilter();
    void show();
    void commitNumber(form::EditField& field, double& value, double low, double high, std::string_view key);

    Night m_night;
    config::Settings* m_preferences = nullptr;
    std::vector<Target> m_all;
    std::vector<Target> m_kept;
    std::optional<std::size_t> m_chosen;
};

}  // namespace quarvel::ui
