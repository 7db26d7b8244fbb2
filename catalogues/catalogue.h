// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogues/cameras.h"
#include "catalogues/messages.h"
#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "core/errors.h"
#include "core/optics.h"

namespace quarvel::catalogues {

// Where a row comes from: built into the program, shipped beside it as data,
// or the user's own.
enum class Origin { BuiltIn, Shipped, User };

struct CatalogueSensor {
    std::string name;
    core::SensorValues values;
    Origin origin = Origin::BuiltIn;
    // Given for the built-in rows; a row read from a file gets those its
    // numbers show.
    std::optional<SensorFacts> facts;
};

struct CatalogueModel {
    std::string name;    // as the list shows it and the configuration saves it
    std::string sensor;  // a sensor of the catalogue; empty when it lacks the sensor
    Origin origin = Origin::BuiltIn;
};

struct CatalogueTelescope {
    std::string name;
    std::optional<TelescopeOptics> optics;
    Origin origin = Origin::BuiltIn;
};

// A list's row: the name it stands for and where it comes from. The user's
// own rows are shown with a mark, never in their names.
inline constexpr std::string_view kUserMark = "★ ";
struct ListEntry {
    std::string name;
    Origin origin = Origin::BuiltIn;
    std::string shown() const { return origin == Origin::User ? std::string(kUserMark) + name : name; }
    bool operator==(std::string_view text) const { return name == text; }
    bool operator==(const ListEntry&) const = default;
};

enum class Kind { Sensor, Camera, Dslr, Telescope };

// Reads the text of a CSV file whose first line names its columns: `row`
// takes each data line's fields in the order of `columns` and says whether
// it could use them. Says a missing column, or the lines not used.
std::optional<core::Message> readCsv(const std::string& path, const std::string& text,
                                     const std::vector<std::string>& columns,
                                     const std::function<bool(const std::vector<std::string>&)>& row);

// The equipment the lists offer, made at start-up: the built-in rows first,
// in their order and at their positions, then rows read from data files. A
// name already there is not added again.
class Catalogue {
public:
    Catalogue();

    // The text of a file, or nothing when it could not be read whole; the
    // reader says why itself.
    using ReadFile = std::function<std::optional<std::string>(const std::string& path)>;
    // Adds the shipped files of a folder: sensors.csv, cameras.csv, dslr.csv
    // and telescopes.csv, each read by `read`. A file that could not be read
    // adds nothing; a row that cannot be used is skipped. Returns one line per
    // file with skipped rows.
    std::vector<core::Message> addShippedFiles(const std::string& folder, const ReadFile& read);

    bool addSensor(CatalogueSensor sensor);
    bool addCamera(CatalogueModel camera);
    bool addDslr(CatalogueModel dslr);
    bool addTelescope(CatalogueTelescope telescope);
    // The sensor row of a digital camera, named in the built-in style
    // ("Full frame Nikon 45.7 Mp"), or an existing row with the same numbers.
    std::string dslrSensor(std::string_view maker, const core::SensorValues& values, Origin origin);
    // Removes a user row; built-in and shipped rows stay. Says whether it did.
    bool removeUserRow(Kind kind, std::string_view name);
    // Whether a row of that kind and name is the user's own.
    bool isUserRow(Kind kind, std::string_view name) const;

    // Row 0 is the configuration's default sensor, offered by no list.
    const std::vector<CatalogueSensor>& sensors() const { return m_sensors.rows; }
    const std::vector<CatalogueModel>& cameras() const { return m_cameras.rows; }
    const std::vector<CatalogueModel>& dslrs() const { return m_dslrs.rows; }
    const std::vector<CatalogueTelescope>& telescopes() const { return m_telescopes.rows; }

    // Lookups by exact, case-sensitive name.
    const CatalogueSensor* findSensor(std::string_view name) const;
    // The sensor of a model of each list; nothing for a text that is no
    // model of the list.
    std::optional<ModelSensor> mapCamera(std::string_view model) const;
    std::optional<ModelSensor> mapDslr(std::string_view model) const;
    std::optional<int> findTelescopeRow(std::string_view name) const;

    // The lists' entries: the main sensor list with its four command rows,
    // a drawing page's with its "Saisie manuelle", the two model lists and
    // the telescope list.
    std::vector<ListEntry> mainSensorEntries() const;
    std::vector<ListEntry> tabSensorEntries() const;
    std::vector<ListEntry> cameraEntries() const;
    std::vector<ListEntry> dslrEntries() const;
    std::vector<ListEntry> telescopeEntries() const;

    // Rows in list order, found by name at once however many the user has.
    template <typename Row>
    struct Rows {
        std::vector<Row> rows;
        std::unordered_map<std::string, std::size_t> index;
        const Row* find(std::string_view name) const;
        bool add(Row row);
        bool removeUser(std::string_view name);
    };

private:
    Rows<CatalogueSensor> m_sensors;
    Rows<CatalogueModel> m_cameras;
    Rows<CatalogueModel> m_dslrs;
    Rows<CatalogueTelescope> m_telescopes;
};

}  // namespace quarvel::catalogues
