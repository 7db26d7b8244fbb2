// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "catalogues/catalogue.h"
#include "core/optics.h"
#include "ephem/ephemeris.h"
#include "ui/dialogs.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/form.h"

namespace quarvel::ui {

using form::Label;
using form::Memo;
using form::ModalHost;
using form::Notebook;
using form::TrackBar;

// The dialogs the main window opens, created once with it.
struct Dialogs {
    QuitForm& quit;
    ModelListForm& cameras;
    ModelListForm& dslrs;
    DateForm& date;
    TelescopesForm& telescopes;
    NameForm& name;
    ConfirmForm& confirm;
};

// Where the main window meets the outside world.
struct Environment {
    std::string configPath;                 // Quarvel.ini beside the executable
    std::function<form::CalendarDate()> today;
    std::function<void(const std::string&)> openUrl;  // the desktop's open action
    std::function<void()> closeProgram;               // the main window closes, the program ends
    // Where "images/..." is looked for after the working directory: the
    // program's own folder, so that it may be started from anywhere.
    std::string programFolder;
    // The shipped equipment files; none when empty.
    std::string equipmentFolder;
};

// The main window "Quarvel": its pages, its bottom buttons and the state the
// whole program shares. Its behaviour is split by page over several files.
class MainForm : public Form {
public:
    MainForm(Guard& guard, ModalHost& host, Dialogs dialogs, Environment environment,
             catalogues::Catalogue& catalogue, std::vector<std::string> catalogueProblems = {});

    // Start-up, before the event loop. Returns the failures met on the way,
    // once each, to be shown when the window is up.
    std::vector<std::string> start();

    // The notebook and the bottom buttons.
    Notebook& TabbedNotebook1;
    Label& pMasqueOnglets;
    Button& bbRAZ;
    Button& bbChargeConfig;
    Button& bbSauveConfig;
    Button& bbQuit;

    // "Paramètrage": the instrument.
    EditField& eDiam;
    EditField& eFocale;
    Button& bbTelescopes;
    Button& bRetablir;
    RadioGroup& rgFiltre;
    EditField& eFD;
    EditField& ePR;
    EditField& ePS;
    // "Paramètrage": the sensor.
    ListControl& cbCapteurs;
    Button& bbCameras;
    Button& bbAPN;
    EditField& eNomCamera;
    RadioGroup& rgPixelC;
    EditField& eNbPixelsX;
    EditField& eNbPixelsY;
    EditField& eTaillePixelsX;
    EditField& eTaillePixelsY;
    EditField& eTaillePixelsMMX;
    EditField& eTaillePixelsMMY;
    EditField& eTaillePixelsMMD;
    EditField& eEchant;
    EditField& eChampHor;
    EditField& eChampVer;

    // "Dessin capteur".
    ListControl& cbCapteursPict;
    Label& pCapteurs1;
    Label& pCapteurs2;
    Label& pCapteurs3;
    Label& labTailleRefH;
    Label& labTailleRefV;
    Label& labTailleMMCapt;
    // "Dessin planète".
    ListControl& cbCapteursPla;
    EditField& eChampPlaH;
    EditField& eChampPlaV;
    form::PlanetBox& pbDessinPla;
    form::PopupMenu& pmDessinPla;
    Label& labDessinPlaNom;
    form::PopupMenu& pmPlanetes;
    Label& labDessinPlaCapteur;
    Label& labDessinPlaTelescope;
    // "Champ photo".
    ListControl& cbCapteursPhoto;
    EditField& eChampPhotoV;
    EditField& eChampPhotoH;
    Label& labPhoto;
    form::PopupMenu& pmPhotos;
    form::Picture& PhotoObjet;
    Label& labPhotoCapteur;
    Label& labPhotoTelescope;

    // "Calculs".
    EditField& eObjet1X;
    EditField& eObjet1Y;
    EditField& eObjet2X;
    EditField& eObjet2Y;
    RadioGroup& rgSaisieSep;
    EditField& eSepManuelle;
    EditField& eSepPx;
    EditField& eSepSec;
    EditField& eFocTh;
    EditField& eFocReel;

    // "Imagerie".
    RadioGroup& rgPlaCP;
    RadioGroup& rgPlanetes;
    Label& pImaPla;
    Label& pImaCP;
    Label& labCompoDiamApp;
    EditField& eDiamApp;
    Label& labDiamAppSec;
    Label& labDateDiam;
    EditField& eDate;
    Button& bbDate;
    Label& labAnneaux;
    EditField& eDiamAnnSat;
    Label& labDiamAppSec2;
    EditField& eDiamCapt;
    Label& labPixCapt;
    Label& labTolerance;
    EditField& eTolBouge;
    Label& labPixelB;
    Label& labTps;
    EditField& eTps;
    Label& labTpsSec;
    Label& labConseilTPL;
    ListControl& cbSurEch;
    EditField& eFDAct;
    EditField& eFDOpti;
    EditField& eCoefMulti;
    EditField& eFocAct2;
    EditField& eEchCP;
    EditField& eEchConsCP;
    EditField& eFocConsCP;
    EditField& eFocCalcCP;
    EditField& eCoefCP;
    TrackBar& TrackBar1;

    // "Aide" and "A propos".
    Memo& memoAide;
    Label& labMail;
    Button& bbRun;

    // The shared state.
    core::InstrumentSettings instrument;
    core::SensorSpec sensor;
    std::string sensorName = "Inconnu";
    std::string cameraName = "Inconnu";
    core::SensorValues catalogueSensor;
    core::SensorValues drawingSensor;
    core::SensorValues planetSensor;
    core::SensorValues photoSensor;
    double sampling = 0;
    double overSampling = 0;
    ephem::EphemerisDate ephemerisDate;
    ephem::ApparentDiameter apparentDiameter;
    ephem::DiameterUnit diameterUnit = ephem::DiameterUnit::Seconds;
    double ringDiameter = 0;       // arc-seconds
    double diameterOnSensor = 0;   // pixels
    double separationPixels = 0;
    double separationArcsec = 0;
    double photoFieldArcmin = 0;
    double photoSensorFieldX = 0;
    double photoSensorFieldY = 0;

    // Operations other windows and tests reach.
    void recompute();
    void load();
    void save();
    void reset();
    void applySensorChoice();
    void recomputePlanetaryPage();
    void refreshApparentDiameter();
    void applyEphemerisDate(form::CalendarDate date);
    void computeSeparation();
    void calibrateFocalLength();
    void drawSensorComparison(const core::SensorValues& values, const std::string& entryText);
    void drawPlanet();
    void reloadPhotograph();
    void drawPhotoFrame();
    // Whether a press on the drawing opens the region menu.
    bool regionMenuOpens(bool rightButton) const;
    std::string configPath() const { return m_env.configPath; }

private:
    // Page "Paramètrage".
    void wireParametragePage();
    void cbCapteursChange();
    void cbCapteursKeyPress(char key);
    void instrumentFieldChange(EditField& field, double& target);
    void pixelWidthChange();
    void pixelHeightChange();
    void pixelCountChange(EditField& field, std::int32_t& target);
    void squarePixelClick();
    void chooseManualEntry();
    void enableHandEntry();
    void chooseFromModelList(ModelListForm& dialog);
    void chooseCatalogueSensor();
    void showCatalogueSensor();
    void showSensorSize();
    void selectMainSensorRowOf(const std::string& name);
    void followMainSensorRow();
    void syncTabLists();
    bool sensorIncomplete() const;
    void restoreSavedSensor();
    void reportIncompleteSavedSensor();
    void writeImagingValues();
    void writeDeepSkyValues();
    void writeWantedFocal();

    // The telescope dialog and the instrument fields' clicks.
    void wireTelescopeFlow();
    void openTelescopes();
    void applyTelescope();
    void rememberInstrument(EditField& cleared);
    void restoreInstrument();

    // The camera and DSLR dialogs.
    void wireModelLists();
    void modelListOk(ModelListForm& dialog);

    // The user's own equipment, added and removed in the list dialogs.
    void wireUserEquipment();
    std::optional<std::string> askEquipmentName();
    bool confirmRemoval(const std::string& what);
    void addUserTelescope();
    void removeUserTelescope();
    void addUserModel(ModelListForm& dialog);
    void removeUserModel(ModelListForm& dialog);
    void refreshEquipmentLists();
    void updateRemoveButtons();
    std::string equipmentPath() const;

    // Page "Imagerie" and the date dialog.
    void wireImageriePage();
    void planetClick();
    void unitClick();
    void imagingModeClick();
    void showPlanetaryRows(bool planet, bool dated);
    void applyToday();

    // Page "Calculs".
    void wireCalculsPage();
    bool coordinatesFilled() const;
    double measuredSeparation();
    void clearSeparationResults();

    // The drawing pages and their sensor lists.
    void wireDrawingPages();
    void tabSensorChange(ListControl& list);
    void lookupTab(ListControl& list, core::SensorValues& values);
    void followTabRow(ListControl& changed, int tabRow);
    void showSensorPage();
    void showPlanetPage();
    void showPhotoPage();
    void loadPhotograph(const std::string& file);

    // The notebook, the bottom buttons, the quit dialog, the About page.
    void wireFrame();
    void run();
    void tabSwitch();
    void quit();
    void mailClick();

    ModalHost& m_host;
    Dialogs m_dialogs;
    Environment m_env;
    catalogues::Catalogue& m_catalogue;
    std::vector<std::string> m_catalogueProblems;  // shown once at start
    bool m_loading = false;
    // What the camera or DSLR list chose, if anything. A camera whose sensor
    // the catalogue lacks has unknown numbers: its sensor is entered by hand.
    struct ModelChoice {
        bool sensorInCatalogue;
    };
    std::optional<ModelChoice> m_modelChoice;
    std::string m_rememberedDiameter;
    std::string m_rememberedFocal;
    int m_rememberedTelescopeRow = -1;
};

inline constexpr std::string_view kUnknown = "Inconnu";

// The program's data `relative` to where it is looked for: beside the
// program, in its install's share/quarvel, then in the system's. Empty when
// none holds it.
std::string findData(const std::string& programFolder, const std::string& relative);

// A date as the page shows it: DD/MM/YYYY.
std::string dateText(form::CalendarDate date);
inline constexpr std::string_view kContactAddress = "quarvel@example.org";

}  // namespace quarvel::ui
