// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/user_equipment.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <unordered_set>

#include "config/cp1252.h"
#include "config/equipment_file.h"
#include "config/file_io.h"
#include "config/ini_file.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/messages.h"

namespace quarvel::ui {

namespace {

using Section = config::IniDocument::Section;

// One kind of section: what it starts with and what it adds. `add` returns
// the reason a section cannot be used, or nothing.
struct SectionKind {
    std::string_view prefix;
    std::function<std::optional<core::Message>(const std::string& name, const Section& section)> add;
};

core::Message missingKeys(std::string_view keys) {
    return core::Message(messages::kMissingValues, {core::Message::data(keys)});
}

}  // namespace

bool acceptableEquipmentName(std::string_view name) {
    // One line of printable characters: a tab or a form feed would be cut
    // from the header by the file's reader, and the name lost.
    const bool control = std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
    if (name.empty() || control || name.find(']') != std::string_view::npos) return false;
    return !name.starts_with(" ") && !name.ends_with(" ");
}

namespace {

template <typename Row>
const std::string& nameOf(const Row& row) {
    return row.name;
}

// Whether one of the rows has a name the file could not tell from this one.
template <typename Rows>
bool nameTaken(const Rows& rows, const std::string& name) {
    return std::any_of(rows.begin(), rows.end(), [&name](const auto& row) { return config::sameName(nameOf(row), name); });
}

// Fails with why an item named so cannot be kept: the program's text with the
// name first, as typed (its ends around "…" when long).
[[noreturn]] void refuse(std::string_view why, const std::string& name, std::vector<core::Message> more = {}) {
    more.insert(more.begin(), core::Message::data(core::quotedText(name)));
    core::throwBadEquipment(core::Message(why, std::move(more)));
}

// A new name is kept as typed, or refused with why: never changed, never
// taken for another in the file.
void checkNewName(const std::string& name, bool taken) {
    if (!acceptableEquipmentName(name)) refuse(messages::kBadName, name);
    if (core::characterCount(name) > kMaxNameCharacters) {
        refuse(messages::kNameTooLong, name, {core::Message::data(std::to_string(kMaxNameCharacters))});
    }
    if (const std::string unsavable = config::unsavableCharacters(name); !unsavable.empty()) {
        refuse(messages::kUnsavableName, name, {core::Message::data(unsavable)});
    }
    if (taken) refuse(messages::kNameTaken, name);
}

// Whether the file holds a section of one of those kinds under that name,
// used or not: a section skipped at start is the user's too.
bool fileHolds(const std::string& path, std::initializer_list<std::string_view> kinds, const std::string& name) {
    const auto sections = config::IniDocument(path).sections();
    return std::any_of(sections.begin(), sections.end(), [&](const config::IniDocument::Section& section) {
        return std::any_of(kinds.begin(), kinds.end(), [&](std::string_view kind) {
            return config::sameName(section.name, std::string(kind) + name);
        });
    });
}

}  // namespace

namespace {

// One message for the whole file, however many sections it skips: the first
// few, in the file's order, one a line, and how many more.
core::Message skippedSectionsMessage(const std::string& path, const std::vector<Section>& sections,
                                     std::vector<std::pair<int, core::Message>> skipped) {
    constexpr std::size_t kShown = 10;
    std::stable_sort(skipped.begin(), skipped.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<core::Message> lines;
    for (std::size_t i = 0; i < std::min(kShown, skipped.size()); ++i) {
        const auto& [line, reason] = skipped[i];
        // Sections are in line order: the one at that line, by bisection.
        const auto section = std::lower_bound(sections.begin(), sections.end(), line,
                                              [](const Section& s, int at) { return s.line < at; });
        lines.push_back(core::Message(messages::kSectionProblem, {core::Message::data(path),
                                                                  core::Message::data(std::to_string(line)),
                                                                  core::Message::data(section->name), reason}));
    }
    if (skipped.size() > kShown) {
        lines.push_back(core::Message(messages::kMoreProblems,
                                      {core::Message::data(std::to_string(skipped.size() - kShown))}));
    }
    // One line a problem.
    return core::errorMessageOf(core::ErrorCode::BadEquipment, core::joinedLines(std::move(lines)));
}

}  // namespace

std::vector<core::Message> loadUserEquipment(const std::string& path, catalogues::Catalogue& catalogue,
                                             std::vector<SavedSetup>* setups, std::vector<night::Site>* sites) {
    using catalogues::Origin;
    const config::IniDocument file(path);
    std::vector<core::Message> problems;
    if (file.status() != config::ReadStatus::Read && file.status() != config::ReadStatus::Missing) {
        problems.push_back(core::errorMessageOf(
            core::ErrorCode::BadEquipment, core::Message(messages::kUnreadableFile, {core::Message::data(path)})));
        return problems;
    }
    const auto added = [](bool isNew) -> std::optional<core::Message> {
        if (isNew) return std::nullopt;
        return core::Message(messages::kNameTakenReason);
    };
    // Sensors first, so that cameras may name them; each kind in file order.
    const SectionKind kinds[] = {
        {config::kSensorSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             const auto values = config::readSensor(section);
             if (!values) return missingKeys(config::sensorKeys());
             return added(catalogue.addSensor({name, *values, Origin::User, std::nullopt}));
         }},
        {config::kDslrSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             const auto values = config::readDslr(section);
             if (!values) return missingKeys(config::dslrKeys());
             if (catalogue.mapDslr(name)) return added(false);
             const std::string maker = name.substr(0, name.find(' '));
             return added(catalogue.addDslr({name, catalogue.dslrSensor(maker, *values, Origin::User), Origin::User}));
         }},
        {config::kCameraSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             const std::string sensor = config::readCameraSensor(section);
             if (!catalogue.findSensor(sensor)) {
                 return core::Message(messages::kUnknownSensor, {core::Message::data(sensor)});
             }
             return added(catalogue.addCamera({name, sensor, Origin::User}));
         }},
        {config::kTelescopeSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             const auto optics = config::readTelescope(section);
             if (!optics) return missingKeys(config::telescopeKeys());
             return added(catalogue.addTelescope(
                 {name, catalogues::TelescopeOptics{optics->diameterMm, optics->focalMm}, Origin::User}));
         }},
        // A setup keeps its own numbers: it needs no row of the lists.
        {config::kSetupSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             if (!config::readableSetup(section)) return missingKeys(config::setupKeys());
             if (setups) setups->push_back({name, config::readSettings(file, section.name)});
             return std::nullopt;
         }},
        {config::kSiteSection,
         [&](const std::string& name, const Section& section) -> std::optional<core::Message> {
             const auto place = config::readSite(section);
             if (!place) return missingKeys(config::siteKeys());
             if (sites) sites->push_back({name, place->latitudeDeg, place->longitudeDeg, place->altitudeM});
             return std::nullopt;
         }},
    };
    const auto sections = file.sections();
    std::vector<std::pair<int, core::Message>> skipped;  // by line
    const auto report = [&](const Section& section, const core::Message& reason) {
        skipped.emplace_back(section.line, reason);
    };
    for (const auto& section : sections) {
        const bool known = std::any_of(std::begin(kinds), std::end(kinds),
                                       [&](const SectionKind& kind) { return section.name.starts_with(kind.prefix); });
        if (!known) report(section, core::Message(messages::kUnknownSection));
    }
    for (const auto& kind : kinds) {
        // A name the file cannot tell from an earlier one of its kind (its
        // case aside) is the earlier one's for every change the file takes,
        // whether that one could be used or not.
        std::unordered_set<std::string> names;
        for (const auto& section : sections) {
            if (!section.name.starts_with(kind.prefix)) continue;
            const std::string name = section.name.substr(kind.prefix.size());
            if (!acceptableEquipmentName(name)) {
                report(section, core::Message(messages::kBadNameReason));
                continue;
            }
            if (!names.insert(config::nameKey(name)).second) {
                report(section, core::Message(messages::kNameTakenReason));
                continue;
            }
            if (const auto reason = kind.add(name, section)) report(section, *reason);
        }
    }
    if (!skipped.empty()) problems.push_back(skippedSectionsMessage(path, sections, std::move(skipped)));
    return problems;
}

namespace {

using catalogues::Kind;
using catalogues::Origin;

}  // namespace

EquipmentEditor::EquipmentEditor(catalogues::Catalogue& catalogue, std::string path, EquipmentQuestions questions,
                                 std::vector<SavedSetup> setups, std::vector<night::Site> sites)
    : m_catalogue(catalogue),
      m_setups(std::move(setups)),
      m_sites(std::move(sites)),
      m_path(std::move(path)),
      m_questions(std::move(questions)) {}

std::optional<std::string> EquipmentEditor::saveSetup(const config::Settings& settings) {
    const auto name = m_questions.askName([this, &settings](const std::string& name) {
        checkNewName(name, nameTaken(m_setups, name) || fileHolds(m_path, {config::kSetupSection}, name));
        // What the next start would not read is not kept.
        if (!config::readableSetup(settings)) {
            refuse(config::readableSize(settings.diameterMm) && config::readableSize(settings.focalMm)
                       ? messages::kIncompleteSensor
                       : messages::kMissingOptics,
                   name);
        }
    });
    if (!name) return std::nullopt;
    // Another instance may have kept one of that name meanwhile: never replaced.
    if (config::addSetup(m_path, *name, settings)) refuse(messages::kNameTaken, *name);
    m_setups.push_back({*name, settings});
    changed();
    return name;
}

namespace {

// A row of the file's own kind removed, after the user confirms: its section
// and its place in `rows`; says whether it went.
template <typename Rows>
bool removeNamed(Rows& rows, const std::string& name, const std::string& path, std::string_view section,
                 std::string_view what, const EquipmentQuestions& questions) {
    const auto found = std::find_if(rows.begin(), rows.end(), [&name](const auto& row) { return row.name == name; });
    if (found == rows.end() ||
        !questions.confirm(core::Message(messages::kRemoveQuestion, {core::Message(what, {core::Message::data(name)})}))) {
        return false;
    }
    config::removeSections(path, {std::string(section) + name});
    rows.erase(found);
    return true;
}

}  // namespace

bool EquipmentEditor::removeSetup(const std::string& name) {
    if (!removeNamed(m_setups, name, m_path, config::kSetupSection, messages::kTheSetup, m_questions)) return false;
    changed();
    return true;
}

void EquipmentEditor::addSite(const night::Site& site) {
    checkNewName(site.name, nameTaken(m_sites, site.name) || fileHolds(m_path, {config::kSiteSection}, site.name));
    const config::SitePlace place{site.latitudeDeg, site.longitudeDeg, site.altitudeM};
    if (!config::acceptableLatitude(place.latitudeDeg) || !config::acceptableLongitude(place.longitudeDeg) ||
        !config::acceptableSiteAltitude(place.altitudeM)) {
        refuse(messages::kBadSitePlace, site.name);
    }
    write({config::siteSection(site.name, place)}, site.name);
    m_sites.push_back(site);
    changed();
}

bool EquipmentEditor::removeSite(const std::string& name) {
    if (!removeNamed(m_sites, name, m_path, config::kSiteSection, messages::kTheSite, m_questions)) return false;
    changed();
    return true;
}

// New rows: another instance may have kept one of the name meanwhile, which
// is never replaced.
void EquipmentEditor::write(const std::vector<config::EquipmentSection>& sections, const std::string& name) const {
    if (config::addSections(m_path, sections)) refuse(messages::kNameTaken, name);
}

Subscription EquipmentEditor::onChange(std::function<void()> listener) {
    m_listeners->emplace(++m_lastListener, std::move(listener));
    return Subscription(m_listeners, m_lastListener);
}

void EquipmentEditor::changed() {
    // A copy: a listener may come or go while the others run.
    const Listeners listeners = *m_listeners;
    for (const auto& [id, listener] : listeners) listener();
}

std::optional<NewEquipment> EquipmentEditor::ask(Kind kind, const NewEquipment& shown) {
    return m_questions.askEquipment(kind, shown, [this, kind](const NewEquipment& added) { check(kind, added); });
}

// What cannot be added is said while the dialog stays open, to be mended there.
void EquipmentEditor::check(Kind kind, const NewEquipment& added) const {
    const std::string& name = added.name;
    // A camera of its own numbers keeps them as a sensor under its name, a
    // name no sensor may have already.
    const bool taken =
        kind == Kind::Telescope ? nameTaken(m_catalogue.telescopes(), name) ||
                                      fileHolds(m_path, {config::kTelescopeSection}, name)
        : kind == Kind::Camera  ? nameTaken(m_catalogue.cameras(), name) || nameTaken(m_catalogue.sensors(), name) ||
                                     fileHolds(m_path, {config::kCameraSection, config::kSensorSection}, name)
                                : nameTaken(m_catalogue.dslrs(), name) || fileHolds(m_path, {config::kDslrSection}, name);
    checkNewName(name, taken);
    const core::Message limit = core::Message::data(core::wholeText(config::kMaxEquipmentSize));
    if (kind == Kind::Telescope) {
        const double sizes[] = {added.optics.diameterMm, added.optics.focalMm};
        if (std::any_of(std::begin(sizes), std::end(sizes), [](double mm) { return !(mm > 0); })) {
            refuse(messages::kMissingOptics, name);
        }
        if (!std::all_of(std::begin(sizes), std::end(sizes), config::readableSize)) {
            refuse(messages::kOpticsTooLarge, name, {limit});
        }
        return;
    }
    const core::SensorValues& values = added.sensor;
    if (!(values.pixelsX > 0 && values.pixelsY > 0 && values.pixelWidthUm > 0 && values.pixelHeightUm > 0)) {
        refuse(messages::kIncompleteSensor, name);
    }
    if (!config::readableSize(values.pixelWidthUm) || !config::readableSize(values.pixelHeightUm)) {
        refuse(messages::kPixelsTooLarge, name, {limit});
    }
}

std::optional<std::string> EquipmentEditor::addTelescope(const catalogues::TelescopeOptics& shown) {
    const auto added = ask(Kind::Telescope, {{}, shown, {}});
    if (!added) return std::nullopt;
    const std::string& name = added->name;
    write({config::telescopeSection(name, {added->optics.diameterMm, added->optics.focalMm})}, name);
    m_catalogue.addTelescope({name, added->optics, Origin::User});
    changed();
    return name;
}

bool EquipmentEditor::removeTelescope(const std::string& name) {
    if (!m_catalogue.isUserRow(Kind::Telescope, name) ||
        !m_questions.confirm(core::Message(messages::kRemoveQuestion,
                                             {core::Message(messages::kTheTelescope, {core::Message::data(name)})}))) {
        return false;
    }
    config::removeSections(m_path, {std::string(config::kTelescopeSection) + name});
    m_catalogue.removeUserRow(Kind::Telescope, name);
    changed();
    return true;
}

std::optional<std::string> EquipmentEditor::addModel(Kind kind, const Session& session) {
    const auto added = ask(kind, {{}, {0, 0}, session.sensor});
    if (!added) return std::nullopt;
    const std::string& name = added->name;
    const core::SensorValues& values = added->sensor;
    const auto* sensor = session.sensorName != kUnknown ? m_catalogue.findSensor(session.sensorName) : nullptr;
    if (kind == Kind::Camera && sensor && sensor->values == values) {
        // The numbers of a sensor the lists hold: the camera names that sensor.
        write({config::cameraSection(name, session.sensorName)}, name);
        m_catalogue.addCamera({name, session.sensorName, Origin::User});
    } else if (kind == Kind::Camera) {
        // Numbers of its own are kept as a sensor under the camera's name.
        write({config::sensorSection(name, values), config::cameraSection(name, name)}, name);
        m_catalogue.addSensor({name, values, Origin::User, std::nullopt});
        m_catalogue.addCamera({name, name, Origin::User});
    } else {
        write({config::dslrSection(name, values)}, name);
        const core::SensorValues square{values.pixelsX, values.pixelsY, values.pixelWidthUm, values.pixelWidthUm};
        const std::string maker = name.substr(0, name.find(' '));
        m_catalogue.addDslr({name, m_catalogue.dslrSensor(maker, square, Origin::User), Origin::User});
    }
    changed();
    return name;
}

bool EquipmentEditor::removeModel(Kind kind, const std::string& name) {
    if (!m_catalogue.isUserRow(kind, name)) return false;
    const bool cameras = kind == Kind::Camera;
    const core::Message what(cameras ? messages::kTheCamera : messages::kTheDslr, {core::Message::data(name)});
    if (!m_questions.confirm(core::Message(messages::kRemoveQuestion, {what}))) return false;
    std::vector<std::string> sections{std::string(cameras ? config::kCameraSection : config::kDslrSection) + name};
    // The sensor kept under a camera's name goes with it.
    const bool ownSensor = cameras && m_catalogue.isUserRow(Kind::Sensor, name);
    if (ownSensor) sections.push_back(std::string(config::kSensorSection) + name);
    config::removeSections(m_path, sections);
    m_catalogue.removeUserRow(kind, name);
    if (ownSensor) m_catalogue.removeUserRow(Kind::Sensor, name);
    changed();
    return true;
}

}  // namespace quarvel::ui
