// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/calculs_page.h"
#include "ui/comparer_page.h"
#include "ui/dialogs.h"
#include "ui/drawing_pages.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"
#include "ui/imagerie_page.h"
#include "ui/info_pages.h"
#include "ui/night_page.h"
#include "ui/sensor_tabs.h"
#include "ui/subscription.h"
#include "ui/parametrage_page.h"
#include "ui/session.h"
#include "ui/targets_form.h"

namespace quarvel::ui {

class EquipmentEditor;

// The dialogs the main window opens itself.
struct Dialogs {
    QuitForm& quit;
    ModelListForm& cameras;
    ModelListForm& dslrs;
    DateForm& date;
    TelescopesForm& telescopes;
    TargetsForm& targets;
};

// Where the main window meets the outside world.
struct Environment {
    std::string configPath;  // Quarvel.ini
    std::function<form::CalendarDate()> today;
    std::function<void(const std::string&)> openUrl;  // the desktop's open action
    std::function<void()> closeProgram;               // the main window closes, the program ends
    // Where "images/..." is looked for after the working directory, in
    // order: the program's own folder and its install's data folders, so that
    // it may be started from anywhere.
    std::vector<std::string> dataFolders;
    // The shipped equipment files; none when empty.
    std::string equipmentFolder;
    // Minutes east of UTC of the desktop's time zone at a UTC instant (a
    // Julian date); the C library's local time when not given.
    std::function<int(double jdUtc)> utcOffsetMinutes;
    // The moment it is, a UTC Julian date; the system's clock when not given.
    std::function<double()> now;
};

// The main window "Quarvel": its pages, composed, and the notebook and bottom
// buttons that switch, clear, load, save and quit.
class MainForm : public Form {
public:
    MainForm(Guard& guard, ModalHost& host, Dialogs dialogs, Environment environment, Session& session,
             EquipmentEditor& equipment, std::vector<core::Message> equipmentProblems = {});

    // Start-up, before the event loop. Returns the failures met on the way,
    // once each, to be shown when the window is up.
    std::vector<core::Message> start();
    const Session& session() const { return m_session; }

    form::Notebook& TabbedNotebook1;
    form::Label& pMasqueOnglets;
    Button& bbRAZ;
    Button& bbChargeConfig;
    Button& bbSauveConfig;
    Button& bbQuit;
    // A line under the buttons that says what went well, for a moment.
    form::Label& labStatut;
    // Dark red on black, for the eyes at the telescope; kept in Quarvel.ini.
    Button& bModeNuit;
    // The results of the page shown, as text; the drawing shown, as a picture.
    Button& bbCopier;
    Button& bbCopierImage;
    Button& bbEnregistrerImage;

    // The results of the page shown, one line each; none for a page of none.
    std::vector<ResultLine> resultLines() const;
    // Set by the view: puts the lines on the clipboard; copies the drawing
    // shown, or saves it (`save`) where the user says.
    std::function<void(const std::vector<ResultLine>&)> copyResults;
    std::function<void(bool save)> exportDrawing;

    ParametragePage parametrage;
    SensorDrawingPage sensorDrawing;
    PlanetDrawingPage planetDrawing;
    PhotoPage photo;
    NightPage night;
    CalculsPage calculs;
    ImageriePage imagerie;
    ComparerPage comparer;
    HelpPage help;
    AboutPage about;

private:
    void recompute();
    const setup::Results& computeResults();
    void saveConfiguration();
    void switchNightMode();
    // Writes one of the session's preferences to Quarvel.ini, alone.
    void remember(std::string_view key);
    void copyPageResults();
    void run();
    void tabSwitch();
    void quit();
    void reset();
    // The named setups: the list follows the file; a pick shows one.
    void showSetupNames();
    // The current setup and the saved ones chosen, with Jupiter and the Moon
    // on the Imagerie page's date.
    void showComparison();
    bool comparisonShown() const;
    std::vector<NightPage::Target> nightTargets();
    // Tonight's targets for the setup, the site and the date; the one chosen
    // framed and added to the night.
    void openTargets();
    TargetsForm& m_targets;

    ModalHost& m_host;
    QuitForm& m_quit;
    std::function<form::CalendarDate()> m_today;
    std::function<void()> m_closeProgram;
    Session& m_session;
    EquipmentEditor& m_equipment;
    struct Dated {
        ephem::EphemerisDate date{0, 0, 0};
        double jupiterArcsec = 0;
        double moonArcsec = 0;
    } m_dated;
    SensorTabs m_tabs;
    setup::Results m_results;  // of the current setup, as last computed
    std::vector<core::Message> m_equipmentProblems;  // shown once at start
    Subscription m_equipmentChanges;
};

}  // namespace quarvel::ui
