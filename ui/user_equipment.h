// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogues/catalogue.h"
#include "config/equipment_file.h"
#include "night/night.h"
#include "ui/subscription.h"
#include "ui/session.h"
#include "ui/setups.h"

namespace quarvel::ui {

// What "Ajouter…" adds: a telescope's optics, or a camera's or digital
// camera's sensor, under a name.
struct NewEquipment {
    std::string name;
    catalogues::TelescopeOptics optics{0, 0};
    core::SensorValues sensor;
};

// What an edit asks the user, answered by the program's dialogs: the
// numbers and name of what is added (`check` refuses what cannot be kept,
// and the question stays open), a setup's name, and a removal confirmed.
struct EquipmentQuestions {
    using Check = std::function<void(const NewEquipment&)>;
    std::function<std::optional<NewEquipment>(catalogues::Kind, const NewEquipment& shown, const Check& check)>
        askEquipment;
    std::function<std::optional<std::string>(const std::function<void(const std::string&)>& check)> askName;
    std::function<bool(const core::Message& question)> confirm;
};

// Adds the rows of the user's equipment file to the catalogue, after the
// others, and its setups and observing sites, in the file's order, to
// `setups` and `sites` when given. Each
// section that cannot be used is skipped, and the file gives one message
// that names each with its line.
std::vector<core::Message> loadUserEquipment(const std::string& path, catalogues::Catalogue& catalogue,
                                             std::vector<SavedSetup>* setups = nullptr,
                                             std::vector<night::Site>* sites = nullptr);

// A name the file and the lists can hold: not empty, on one line, no "]".
bool acceptableEquipmentName(std::string_view name);
// A name the user gives is at most this long, so that lists and pages can
// show it; the file's own names are taken as they are.
inline constexpr std::size_t kMaxNameCharacters = 60;

// The user's own rows, added under a name the user gives and removed after a
// confirmation. The file is replaced at once, then the lists that listen follow.
class EquipmentEditor {
public:
    EquipmentEditor(catalogues::Catalogue& catalogue, std::string path, EquipmentQuestions questions,
                    std::vector<SavedSetup> setups = {}, std::vector<night::Site> sites = {});
    const catalogues::Catalogue& catalogue() const { return m_catalogue; }
    // The user's named setups, in the order they were saved.
    const std::vector<SavedSetup>& setups() const { return m_setups; }

    // Asks a name and keeps the setup under it; returns the name, or nothing
    // when the user cancelled. A name already taken is said in the dialog.
    std::optional<std::string> saveSetup(const config::Settings& settings);
    // After a confirmation; says whether the setup went.
    bool removeSetup(const std::string& name);

    // The user's observing sites, in the order they were added.
    const std::vector<night::Site>& sites() const { return m_sites; }
    // Keeps a site under its name, or fails with why it cannot be kept (a
    // name taken or that the file cannot hold, a place out of range).
    void addSite(const night::Site& site);
    // After a confirmation; says whether the site went.
    bool removeSite(const std::string& name);

    // Each shows what it will add, prefilled and editable, and returns the
    // name added, or nothing when the user cancelled; a name or numbers that
    // cannot be kept are said, and the dialog stays open to mend them.
    std::optional<std::string> addTelescope(const catalogues::TelescopeOptics& shown);
    // The session's sensor as a camera or digital camera.
    std::optional<std::string> addModel(catalogues::Kind kind, const Session& session);
    // Only the user's own rows; says whether the row went.
    bool removeTelescope(const std::string& name);
    bool removeModel(catalogues::Kind kind, const std::string& name);

    // Runs `listener` after every change of the catalogue, until the
    // subscription returned goes.
    [[nodiscard]] Subscription onChange(std::function<void()> listener);

private:
    std::optional<NewEquipment> ask(catalogues::Kind kind, const NewEquipment& shown);
    void write(const std::vector<config::EquipmentSection>& sections, const std::string& name) const;
    void check(catalogues::Kind kind, const NewEquipment& added) const;
    void changed();

    catalogues::Catalogue& m_catalogue;
    std::vector<SavedSetup> m_setups;
    std::vector<night::Site> m_sites;
    std::string m_path;
    EquipmentQuestions m_questions;
    using Listeners = std::map<int, std::function<void()>>;
    std::shared_ptr<Listeners> m_listeners = std::make_shared<Listeners>();
    int m_lastListener = 0;
};

}  // namespace quarvel::ui
