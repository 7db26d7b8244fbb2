// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "catalogues/catalogue.h"
#include "config/settings.h"
#include "ui/dialogs.h"
#include "ui/names.h"
#include "ui/result_table.h"
#include "ui/session.h"

namespace quarvel::ui {

class EquipmentEditor;

// "Paramètrage": the instrument and the sensor, their results, and the
// configuration file that keeps them.
class ParametragePage : public form::Part {
public:
    ParametragePage(Form& window, Session& session, EquipmentEditor& equipment, ModalHost& host,
                    TelescopesForm& telescopes, ModelListForm& cameras, ModelListForm& dslrs, std::string configPath);

    // Every result of the instrument and sensor, on all pages, and the
    // results themselves: set by the window.
    std::function<void()> recomputeWindow;
    std::function<const setup::Results&()> compute;
    // A saved setup was shown: the window computes and shows it everywhere.
    std::function<void()> setupShown;
    // The named setups' list follows the user's equipment file.
    void showSetupNames();
    // The telescope's label changed.
    std::function<void()> telescopeRenamed;

    // Quarvel.ini: shows what it holds; saves what the page shows, in one
    // replacement of the file after every value was checked.
    void load();
    void save();
    // What the page shows, as saved: the diameter must read. And a setup's
    // settings shown as a load shows them.
    config::Settings currentSettings() const;
    void apply(const config::Settings& saved);
    const std::string& configPath() const { return m_configPath; }
    // At start, after the load: the saved sensor's row, the typed fields
    // read once, and a sensor saved with missing numbers said once.
    void showStartSensor();
    void checkTypedFields();
    void reportIncompleteSavedSensor();

    // "Effacer champs".
    void clear();
    // The row's sensor, as a choice in the list does.
    void applySensorChoice();
    // A drawing page chose its sensor row: the list follows, and a sensor
    // row's numbers replace the sensor's.
    void followTabRow(int tabRow);
    int sensorRow() const { return cbCapteurs.selected(); }

    // The parts of the recompute shown here. Whether the instrument and the
    // sensor are typed in enough for results to be shown.
    bool instrumentFilled() const;
    bool sensorFilled() const;
    void showInstrumentResults(const setup::Results& results);
    void showSensorSize(const setup::Results& results);
    void showSamplingAndField(const setup::Results& results);
    // The results shown, as "Copier les résultats" gives them.
    std::vector<ResultLine> resultLines() const;

    EditField& eDiam;
    EditField& eFocale;
    Button& bbTelescopes;
    Button& bRetablir;
    RadioGroup& rgFiltre;
    EditField& eFD;
    EditField& ePR;
    EditField& ePS;
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
    // The user's named setups: picking one shows it; the buttons keep the
    // current one under a name, and remove the one shown.
    ListControl& cbMontages;
    Button& bbMontage;
    Button& bbSupprMontage;

private:
    // Every result, after a change by hand: the page no longer shows the
    // setup picked.
    void recompute();
    void showSetup();
    void saveSetup();
    void removeSetup();
    void instrumentFieldChange(EditField& field, double& target);
    void pixelWidthChange();
    void pixelHeightChange();
    void pixelCountChange(EditField& field, std::int32_t& target);
    void squarePixelClick();
    // What the sensor part of the page shows: a list dialog left without a
    // choice puts it all back.
    struct ShownSensor {
        int row = kManualRow;
        std::string sensorName;
        std::string cameraName;
        std::string cameraText;
        int squarePixels = kYesRow;
        std::vector<bool> enabled;
    };
    ShownSensor shownSensor(int row) const;
    void showSensor(const ShownSensor& shown);
    std::vector<form::Control*> sensorControls() const;

    void sensorListChange();
    bool sensorListKeyPress(char key);
    void chooseManualEntry();
    void enableHandEntry();
    // The camera or digital camera list, from the sensor row shown before.
    void openModelList(int listRow, int rowBefore);
    void chooseFromModelList(ModelListForm& dialog, const ShownSensor& before);
    void chooseCatalogueSensor();
    void showCatalogueSensor();
    void selectSensorRowOf(const std::string& name);
    void selectSavedSensorRow();
    void chooseTelescope();
    void applyTelescope(const TelescopeChoice& choice);
    void rememberInstrument(EditField& cleared);
    void restoreInstrument();
    bool nonSquareSensor() const;

    ShownResults m_instrumentResults;
    ShownResults m_sensorSize;
    ShownResults m_samplingAndField;
    Session& m_session;
    EquipmentEditor& m_equipment;
    const catalogues::Catalogue& m_catalogue;
    ModalHost& m_host;
    TelescopesForm& m_telescopes;
    ModelListForm& m_cameras;
    ModelListForm& m_dslrs;
    std::string m_configPath;
    bool m_loading = false;
    bool m_showingSetup = false;
    // The instrument is the user's own: typing into it names it so.
    bool m_personalInstrument = false;
    struct Remembered {
        std::string diameter;
        std::string focal;
        bool personal = false;
    } m_remembered;
};

}  // namespace quarvel::ui
