// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/calculs_page.h"
#include "ui/dialogs.h"
#include "ui/drawing_pages.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"
#include "ui/imagerie_page.h"
#include "ui/info_pages.h"
#include "ui/sensor_tabs.h"
#include "ui/subscription.h"
#include "ui/parametrage_page.h"
#include "ui/session.h"

namespace quarvel::ui {

class EquipmentEditor;

// The dialogs the main window opens itself.
struct Dialogs {
    QuitForm& quit;
    ModelListForm& cameras;
    ModelListForm& dslrs;
    DateForm& date;
    TelescopesForm& telescopes;
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

    ParametragePage parametrage;
    SensorDrawingPage sensorDrawing;
    PlanetDrawingPage planetDrawing;
    PhotoPage photo;
    CalculsPage calculs;
    ImageriePage imagerie;
    HelpPage help;
    AboutPage about;

private:
    void recompute();
    void saveConfiguration();
    void switchNightMode();
    void run();
    void tabSwitch();
    void quit();
    void reset();

    ModalHost& m_host;
    QuitForm& m_quit;
    std::function<form::CalendarDate()> m_today;
    std::function<void()> m_closeProgram;
    Session& m_session;
    SensorTabs m_tabs;
    std::vector<core::Message> m_equipmentProblems;  // shown once at start
    Subscription m_equipmentChanges;
};

}  // namespace quarvel::ui
