// SPDX-License-Identifier: GPL-3.0-or-later
// The "Paramètrage" page: the instrument and sensor fields, the sensor
// choice, the telescope dialog, and Quarvel.ini.
#include "ui/parametrage_page.h"

#include <algorithm>
#include <cmath>

#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "config/settings.h"
#include "core/errors.h"
#include "core/imaging.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/flag.h"
#include "ui/messages.h"
#include "ui/names.h"
#include "ui/result_table.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

constexpr int kFilterCount = static_cast<int>(core::kFilters.size());

std::vector<std::string> filterCaptions() {
    std::vector<std::string> captions;
    for (const auto& filter : core::kFilters) captions.emplace_back(filter.caption);
    return captions;
}

}  // namespace

ParametragePage::ParametragePage(Form& window, Session& session, EquipmentEditor& equipment, ModalHost& host,
                                 TelescopesForm& telescopes, ModelListForm& cameras, ModelListForm& dslrs,
                                 std::string configPath)
    : Part(window),
      eDiam(add<EditField>("eDiam")),
      eFocale(add<EditField>("eFocale")),
      bbTelescopes(add<Button>("bbTelescopes", "Télescopes")),
      bRetablir(add<Button>("bRetablir", "Rétablir")),
      rgFiltre(add<RadioGroup>("rgFiltre", " Filtre ", filterCaptions())),
      eFD(add<EditField>(std::string(kFocalRatio.field))),
      ePR(add<EditField>(std::string(kResolving.field))),
      ePS(add<EditField>(std::string(kSeparating.field))),
      cbCapteurs(add<ListControl>("cbCapteurs", listItems(equipment.catalogue().mainSensorEntries()))),
      bbCameras(add<Button>("bbCameras", "Caméras")),
      bbAPN(add<Button>("bbAPN", "Appareils photos numériques")),
      eNomCamera(add<EditField>("eNomCamera")),
      rgPixelC(add<RadioGroup>("rgPixelC", "Pixel carré", std::vector<std::string>{"Oui", "Non"}, 2)),
      eNbPixelsX(add<EditField>("eNbPixelsX")),
      eNbPixelsY(add<EditField>("eNbPixelsY")),
      eTaillePixelsX(add<EditField>("eTaillePixelsX")),
      eTaillePixelsY(add<EditField>("eTaillePixelsY")),
      eTaillePixelsMMX(add<EditField>(std::string(kSensorWidth.field))),
      eTaillePixelsMMY(add<EditField>(std::string(kSensorHeight.field))),
      eTaillePixelsMMD(add<EditField>(std::string(kSensorDiagonal.field))),
      eEchant(add<EditField>(std::string(kSampling.field))),
      eChampHor(add<EditField>(std::string(kFieldHorizontal.field))),
      eChampVer(add<EditField>(std::string(kFieldVertical.field))),
      cbMontages(add<ListControl>("cbMontages", std::vector<std::string>{})),
      bbMontage(add<Button>("bbMontage", "Enregistrer le montage…")),
      bbSupprMontage(add<Button>("bbSupprMontage", "Supprimer")),
      m_session(session),
      m_equipment(equipment),
      m_catalogue(equipment.catalogue()),
      m_host(host),
      m_telescopes(telescopes),
      m_cameras(cameras),
      m_dslrs(dslrs),
      m_configPath(std::move(configPath)) {
    showsResults({&eFD, &ePR, &ePS, &eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant,
                              &eChampHor, &eChampVer});
    m_instrumentResults.add(kFocalRatio, eFD);
    m_instrumentResults.add(kResolving, ePR);
    m_instrumentResults.add(kSeparating, ePS);
    m_sensorSize.add(kSensorWidth, eTaillePixelsMMX);
    m_sensorSize.add(kSensorHeight, eTaillePixelsMMY);
    m_sensorSize.add(kSensorDiagonal, eTaillePixelsMMD);
    m_samplingAndField.add(kSampling, eEchant);
    m_samplingAndField.add(kFieldHorizontal, eChampHor);
    m_samplingAndField.add(kFieldVertical, eChampVer);
    for (EditField* input : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        input->setEnabled(false);
    }
    eNomCamera.setText(std::string(kUnknown));
    rgFiltre.select(kNoFilterRow);
    rgPixelC.select(kYesRow);
    cbCapteurs.select(kManualRow);
    bbTelescopes.setHint("Choisir un télescope et un réducteur ou multiplicateur de focale");
    bbCameras.setHint("Choisir une caméra dans la liste de caméras");
    bbAPN.setHint("Choisir un appareil photo numérique dans la liste");
    cbMontages.setHint("Vos montages : en choisir un le montre sur cette page");
    bbMontage.setHint("Garder le télescope, le réducteur, le filtre et le capteur actuels sous un nom");
    bbSupprMontage.setHint("Supprimer le montage choisi");
    bbSupprMontage.setEnabled(false);
    cbMontages.setDataFromRow(0);
    bRetablir.setEnabled(false);

    eDiam.onChange = [this] { instrumentFieldChange(eDiam, m_session.instrument.diameterMm); };
    eFocale.onChange = [this] {
        m_session.focalText = eFocale.text();
        instrumentFieldChange(eFocale, m_session.instrument.focalMm);
    };
    eDiam.onClick = [this] { rememberInstrument(eDiam); };
    eFocale.onClick = [this] { rememberInstrument(eFocale); };
    bRetablir.onClick = [this] { restoreInstrument(); };
    bbTelescopes.onClick = [this] { chooseTelescope(); };
    rgFiltre.onClick = [this] {
        m_session.instrument.filterIndex = rgFiltre.selected();
        recompute();
    };
    rgPixelC.onClick = [this] { squarePixelClick(); };
    for (EditField* real : {&eDiam, &eFocale, &eTaillePixelsX, &eTaillePixelsY}) {
        real->acceptDecimalComma();
        real->takesNumbers(core::NumberDomain::positiveReals());
    }
    for (EditField* count : {&eNbPixelsX, &eNbPixelsY}) count->takesNumbers({true, 1});
    eTaillePixelsX.onChange = [this] { pixelWidthChange(); };
    eTaillePixelsY.onChange = [this] { pixelHeightChange(); };
    eNbPixelsX.onChange = [this] { pixelCountChange(eNbPixelsX, m_session.sensor.pixelsX); };
    eNbPixelsY.onChange = [this] { pixelCountChange(eNbPixelsY, m_session.sensor.pixelsY); };
    eNomCamera.onChange = [this] { m_session.cameraName = eNomCamera.text(); };
    cbCapteurs.onChange = [this] { sensorListChange(); };
    cbCapteurs.onKeyPress = [this](char key) { return sensorListKeyPress(key); };
    bbCameras.onClick = [this] { openModelList(kCameraListRow, cbCapteurs.selected()); };
    bbAPN.onClick = [this] { openModelList(kDslrListRow, cbCapteurs.selected()); };
    cbMontages.onChange = [this] { showSetup(); };
    bbMontage.onClick = [this] { saveSetup(); };
    bbSupprMontage.onClick = [this] { removeSetup(); };
    showSetupNames();
}

void ParametragePage::recompute() {
    if (!m_showingSetup) {
        cbMontages.select(-1);
        bbSupprMontage.setEnabled(false);
    }
    if (recomputeWindow) recomputeWindow();
}

void ParametragePage::showSetupNames() {
    std::vector<std::string> names;
    for (const SavedSetup& setup : m_equipment.setups()) names.push_back(setup.name);
    cbMontages.setItems(names);
    bbSupprMontage.setEnabled(cbMontages.selected() >= 0);
}

void ParametragePage::showSetup() {
    const int row = cbMontages.selected();
    const auto& setups = m_equipment.setups();
    if (row < 0 || row >= static_cast<int>(setups.size())) return;
    {
        const Flag showing(m_showingSetup);
        apply(setups[static_cast<std::size_t>(row)].settings);
        if (setupShown) setupShown();
    }
    bbSupprMontage.setEnabled(true);
}

void ParametragePage::saveSetup() {
    const auto name = m_equipment.saveSetup(currentSettings());
    if (!name) return;
    const Flag showing(m_showingSetup);
    if (const auto row = cbMontages.rowOf(*name)) cbMontages.select(*row);
    bbSupprMontage.setEnabled(true);
}

void ParametragePage::removeSetup() {
    if (cbMontages.selected() < 0) return;
    m_equipment.removeSetup(std::string(cbMontages.selectedId()));
}

void ParametragePage::instrumentFieldChange(EditField& field, double& target) {
    if (field.empty()) return;
    core::InstrumentSettings& instrument = m_session.instrument;
    target = core::parseReal(field.text());
    // A focal length typed by hand is the one saved: the file keeps the
    // telescope's own focal length, in whole millimetres, and the factor.
    if (&field == &eFocale && !m_loading && instrument.focalFactor != 0) {
        const double base = instrument.focalMm / instrument.focalFactor;
        instrument.baseFocalMm = std::fabs(base) < 2147483647.0 ? std::nearbyint(base) : base;
    }
    if (m_personalInstrument) instrument.telescopeName = std::string(catalogues::kPersonalConfiguration);
    instrument.telescopeLabel = instrument.telescopeName;
    if (telescopeRenamed) telescopeRenamed();
    // The instrument never clears, reloads or replaces the sensor the user
    // sees: it only recomputes.
    recompute();
}

void ParametragePage::pixelWidthChange() {
    if (eTaillePixelsX.empty()) return;
    m_session.sensor.pixelWidthUm = core::parseReal(eTaillePixelsX.text());
    if (rgPixelC.selected() == kYesRow) eTaillePixelsY.setText(eTaillePixelsX.text());
    if (!eTaillePixelsY.empty()) m_session.sensor.pixelHeightUm = core::parseReal(eTaillePixelsY.text());
    recompute();
}

void ParametragePage::pixelHeightChange() {
    if (eTaillePixelsY.empty()) return;
    m_session.sensor.pixelHeightUm = core::parseReal(eTaillePixelsY.text());
    recompute();
}

void ParametragePage::pixelCountChange(EditField& field, std::int32_t& target) {
    if (field.empty()) return;
    target = core::parseInteger(field.text());
    recompute();
}

void ParametragePage::squarePixelClick() {
    if (rgPixelC.selected() == kYesRow) {
        eTaillePixelsY.setEnabled(false);
        eTaillePixelsY.setText(eTaillePixelsX.text());
    } else if (rgPixelC.selected() == kNoRow) {
        eTaillePixelsY.setEnabled(true);
    }
}

void ParametragePage::sensorListChange() {
    if (cbCapteurs.selected() < 0) cbCapteurs.select(kManualRow);
    const int row = cbCapteurs.selected();
    if (row == kCameraListRow || row == kDslrListRow) {
        openModelList(row, cbCapteurs.rowBeforePick());
        return;
    }
    eNomCamera.setText(std::string(kUnknown));
    m_session.cameraName = std::string(kUnknown);
    applySensorChoice();
    recompute();
}

// S, C and P, whatever the interface's language: hand entry, the camera list
// and the digital camera list, each opening on its first row.
bool ParametragePage::sensorListKeyPress(char key) {
    switch (key) {
    case 'S':
    case 's':
        cbCapteurs.select(kManualRow);
        sensorListChange();
        return true;
    case 'C':
    case 'c':
        m_cameras.startAtFirstRow();
        openModelList(kCameraListRow, cbCapteurs.selected());
        return true;
    case 'P':
    case 'p':
        m_dslrs.startAtFirstRow();
        openModelList(kDslrListRow, cbCapteurs.selected());
        return true;
    default:
        return false;
    }
}

void ParametragePage::openModelList(int listRow, int rowBefore) {
    const ShownSensor before = shownSensor(rowBefore);
    cbCapteurs.select(listRow);
    chooseFromModelList(listRow == kCameraListRow ? m_cameras : m_dslrs, before);
    recompute();
}

std::vector<form::Control*> ParametragePage::sensorControls() const {
    return {&eNomCamera, &rgPixelC, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY,
            &eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD};
}

ParametragePage::ShownSensor ParametragePage::shownSensor(int row) const {
    ShownSensor shown{row < 0 ? kManualRow : row, m_session.sensorName, m_session.cameraName, eNomCamera.text(),
                      rgPixelC.selected(), {}};
    for (const form::Control* control : sensorControls()) shown.enabled.push_back(control->enabled());
    return shown;
}

// Nothing is read or recomputed: the sensor fields' texts never changed.
void ParametragePage::showSensor(const ShownSensor& shown) {
    cbCapteurs.select(shown.row);
    rgPixelC.select(shown.squarePixels);
    eNomCamera.setText(shown.cameraText);
    m_session.sensorName = shown.sensorName;
    m_session.cameraName = shown.cameraName;
    const auto controls = sensorControls();
    for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->setEnabled(shown.enabled[i]);
}

void ParametragePage::applySensorChoice() {
    const int row = cbCapteurs.selected();
    if (row == kManualRow) {
        chooseManualEntry();
    } else if (row == kSavedRow) {
        for (EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY, &eTaillePixelsMMX,
                                 &eTaillePixelsMMY, &eTaillePixelsMMD}) {
            field->setEnabled(false);
        }
        rgPixelC.setEnabled(false);
        load();
    } else if (row == kCameraListRow) {
        chooseFromModelList(m_cameras, shownSensor(kManualRow));
    } else if (row == kDslrListRow) {
        chooseFromModelList(m_dslrs, shownSensor(kManualRow));
    } else if (row > kDslrListRow) {
        chooseCatalogueSensor();
    }
}

void ParametragePage::chooseManualEntry() {
    eNomCamera.setEnabled(true);
    rgPixelC.setEnabled(true);
    rgPixelC.select(kYesRow);
    for (EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY, &eTaillePixelsMMX,
                             &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant, &eChampHor, &eChampVer}) {
        field->setText("");
    }
    enableHandEntry();
    m_session.sensorName = std::string(kUnknown);
    m_session.cameraName = std::string(kUnknown);
    eNomCamera.setText(m_session.cameraName);
}

// The sensor fields editable; the height only for pixels that are not square.
void ParametragePage::enableHandEntry() {
    for (EditField* field : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX}) field->setEnabled(true);
    rgPixelC.setEnabled(true);
    eTaillePixelsY.setEnabled(rgPixelC.selected() == kNoRow);
}

void ParametragePage::chooseFromModelList(ModelListForm& dialog, const ShownSensor& before) {
    for (form::Control* control : sensorControls()) control->setEnabled(false);
    const auto choice = dialog.choose(m_host);
    if (!choice) {
        // Annuler, Escape, the close box or OK with no row: as it was.
        showSensor(before);
        return;
    }
    if (choice->sensorName) m_session.sensorName = *choice->sensorName;
    selectSensorRowOf(m_session.sensorName);
    m_session.cameraName = choice->model;
    eNomCamera.setText(choice->model);
    if (!choice->sensorInCatalogue) {
        // The camera is known but its sensor is not: rather than another
        // sensor's numbers, empty fields ready for the camera's own.
        cbCapteurs.select(kManualRow);
        chooseManualEntry();
        m_session.cameraName = choice->model;
        eNomCamera.setText(choice->model);
        return;
    }
    rgPixelC.setEnabled(false);
    const bool nonSquare = dialog.kind() == ModelListForm::Kind::Cameras && nonSquareSensor();
    rgPixelC.select(nonSquare ? kNoRow : kYesRow);
    showCatalogueSensor();
    showSensorSize(compute());
}

bool ParametragePage::nonSquareSensor() const {
    const auto* row = m_catalogue.findSensor(m_session.sensorName);
    return row && row->facts && row->facts->nonSquarePixels;
}

void ParametragePage::chooseCatalogueSensor() {
    eNomCamera.setEnabled(false);
    rgPixelC.setEnabled(false);
    m_session.sensorName = cbCapteurs.selectedId();
    rgPixelC.select(nonSquareSensor() ? kNoRow : kYesRow);
    showCatalogueSensor();
    showSensorSize(compute());
}

void ParametragePage::showCatalogueSensor() {
    const auto* row = m_catalogue.findSensor(m_session.sensorName);
    const core::SensorValues sensor = row ? row->values : core::SensorValues(m_session.sensor);
    const std::pair<EditField*, std::string> writes[] = {
        {&eNbPixelsX, std::to_string(sensor.pixelsX)},
        {&eNbPixelsY, std::to_string(sensor.pixelsY)},
        {&eTaillePixelsX, core::shortest(sensor.pixelWidthUm)},
        {&eTaillePixelsY, core::shortest(sensor.pixelHeightUm)},
    };
    for (const auto& [field, text] : writes) {
        field->setText(text);
        field->setEnabled(false);
    }
}

void ParametragePage::showSensorSize(const setup::Results& results) {
    m_sensorSize.show(results);
    for (EditField* field : {&eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD}) field->setEnabled(false);
}

bool ParametragePage::instrumentFilled() const {
    return !eDiam.empty() && !eFocale.empty() && eFocale.text() != "0";
}

void ParametragePage::showInstrumentResults(const setup::Results& results) { m_instrumentResults.show(results); }

bool ParametragePage::sensorFilled() const {
    return !eNbPixelsX.empty() && !eNbPixelsY.empty() && !eTaillePixelsX.empty() && !eTaillePixelsY.empty();
}

void ParametragePage::showSamplingAndField(const setup::Results& results) { m_samplingAndField.show(results); }

std::vector<ResultLine> ParametragePage::resultLines() const {
    std::vector<ResultLine> lines;
    for (const ShownResults* shown : {&m_instrumentResults, &m_sensorSize, &m_samplingAndField}) {
        shown->appendLines(lines);
    }
    return lines;
}

void ParametragePage::selectSensorRowOf(const std::string& name) {
    // The command rows stand for their own texts, never for a sensor's name.
    if (const auto row = cbCapteurs.rowOf(name); row && *row >= catalogues::kMainCommandRows) cbCapteurs.select(*row);
}

void ParametragePage::followTabRow(int tabRow) {
    if (tabRow == kManualTabRow) {
        // "Saisie manuelle" keeps the sensor typed here: the list shows hand
        // entry, and nothing is cleared.
        cbCapteurs.select(kManualRow);
        return;
    }
    cbCapteurs.select(tabRow + catalogues::kTabListOffset);
    m_session.cameraName = std::string(kUnknown);
    eNomCamera.setText(m_session.cameraName);
    applySensorChoice();
}

void ParametragePage::chooseTelescope() {
    if (const auto choice = m_telescopes.choose(m_host, m_session.instrument.telescopeName)) applyTelescope(*choice);
}

void ParametragePage::applyTelescope(const TelescopeChoice& choice) {
    core::InstrumentSettings& instrument = m_session.instrument;
    if (choice.optics) {
        instrument.diameterMm = choice.optics->diameterMm;
        instrument.baseFocalMm = choice.optics->focalMm;
    }
    instrument.telescopeName = choice.name;
    m_personalInstrument = choice.row == kPersonalTelescopeRow;
    if (choice.factorRow >= 0) {
        instrument.focalFactor = choice.factor;
        instrument.focalFactorLabel = choice.factorLabel;
    }
    eFocale.setItalic(choice.factorRow != kNoFactorRow);
    const double baseFocal = instrument.baseFocalMm;
    instrument.focalMm = instrument.baseFocalMm * instrument.focalFactor;
    eDiam.setText(core::wholeText(instrument.diameterMm));
    eFocale.setText(core::wholeText(instrument.focalMm));
    // When a text did not change its handler did not run: the numbers must
    // still be the whole numbers shown.
    instrument.diameterMm = core::parseReal(eDiam.text());
    instrument.focalMm = core::parseReal(eFocale.text());
    instrument.baseFocalMm = baseFocal;  // the telescope's own, not the rounded product
    instrument.telescopeLabel =
        instrument.telescopeName + catalogues::telescopeSuffix(choice.factorRow, instrument.focalFactor);
}

void ParametragePage::rememberInstrument(EditField& cleared) {
    m_remembered = {eDiam.text(), eFocale.text(), m_personalInstrument};
    cleared.setText("");
    m_personalInstrument = true;
    bRetablir.setEnabled(true);
}

void ParametragePage::restoreInstrument() {
    eDiam.setText(m_remembered.diameter);
    m_personalInstrument = m_remembered.personal;
    eFocale.setText(m_remembered.focal);
    bRetablir.setEnabled(false);
}

void ParametragePage::load() {
    // Re-applying "Données sauvegardées" while loading would load again,
    // inside this load: the outer load's result stands.
    if (m_loading) return;
    const Flag loading(m_loading);
    const config::IniDocument file(m_configPath);
    if (file.status() == config::ReadStatus::TooLarge) {
        // No configuration is that large: the defaults stand, and saves are
        // refused until the file is moved aside.
        guard().reporter().report(core::errorMessageOf(core::ErrorCode::CannotOpen, core::Message::data(m_configPath),
                                                       core::Message(messages::kDefaultsUsed)));
    } else if (file.status() == config::ReadStatus::Failed || file.status() == config::ReadStatus::NotRegular) {
        // Said now rather than at the first save, which is refused.
        guard().reporter().report(
            core::errorMessageOf(core::ErrorCode::CannotOpen, core::Message::data(m_configPath), file.failure()));
    }
    apply(config::readSettings(file));
}

void ParametragePage::apply(const config::Settings& saved) {
    if (cbCapteurs.selected() < 0) cbCapteurs.select(kManualRow);
    core::InstrumentSettings& instrument = m_session.instrument;
    // The instrument is the one loaded, under its name, whatever was clicked
    // into before: writing its numbers does not make it the user's own.
    m_personalInstrument = saved.telescope == catalogues::kPersonalConfiguration;
    bRetablir.setEnabled(false);  // what a click kept is not this instrument's
    instrument.telescopeName = saved.telescope;
    instrument.telescopeLabel = saved.telescope;
    instrument.focalFactorLabel = saved.barlow;
    eDiam.setText(core::shortest(saved.diameterMm));
    eFocale.setText(core::shortest(saved.focalMm));
    // A row the group does not have is taken as missing.
    rgFiltre.select(saved.filter >= 0 && saved.filter < kFilterCount ? saved.filter : kNoFilterRow);
    m_session.cameraName = saved.camera;
    eNomCamera.setText(m_session.cameraName);
    m_session.sensorName = saved.sensor;

    eFocale.setItalic(m_telescopes.showSaved(instrument) != kNoFactorRow);
    instrument.baseFocalMm = saved.focalMm;
    const std::int32_t focal = core::roundHalfEven(instrument.baseFocalMm * instrument.focalFactor);
    eFocale.setText(std::to_string(focal));
    instrument.focalMm = focal;

    eNomCamera.setText(m_session.cameraName);
    eNbPixelsX.setText(saved.sensorX);
    eNbPixelsY.setText(saved.sensorY);
    eTaillePixelsX.setText(saved.pixelX);
    eTaillePixelsY.setText(saved.pixelY);
    rgPixelC.select(saved.squarePixels == 1 ? kNoRow : kYesRow);
    for (EditField* field : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        field->setEnabled(false);
    }
    rgPixelC.setEnabled(false);
    // A sensor no list holds (entered by hand, or the user's own since
    // removed) is editable again, as when it was saved.
    if (!m_catalogue.findSensor(m_session.sensorName)) enableHandEntry();
    selectSavedSensorRow();
}

// The list says what the fields are: the sensor's row; "Saisie manuelle"
// over editable fields; "Données sauvegardées" for the default sensor, which
// no list offers.
void ParametragePage::selectSavedSensorRow() {
    selectSensorRowOf(m_session.sensorName);
    if (cbCapteurs.selected() >= catalogues::kMainCommandRows &&
        cbCapteurs.selectedId() == m_session.sensorName) {
        return;
    }
    cbCapteurs.select(eNbPixelsX.enabled() ? kManualRow : kSavedRow);
}

void ParametragePage::save() {
    // Every value is checked and formatted before the file is touched, then
    // the file is replaced once: a bad diameter leaves it as it was, and a
    // crash leaves the old file or the new one.
    const config::Settings settings = currentSettings();
    if (cbCapteurs.selected() < catalogues::kMainCommandRows) cbCapteurs.select(kSavedRow);
    config::updateFile(m_configPath, [&settings](config::IniDocument& file) { config::writeSettings(file, settings); });
}

config::Settings ParametragePage::currentSettings() const {
    // The diameter as typed, 203.2; a whole one is written as it always was.
    const double diameter = core::parseReal(eDiam.text());
    const core::InstrumentSettings& instrument = m_session.instrument;
    config::Settings settings;
    settings.telescope = instrument.telescopeName;
    settings.barlow = instrument.focalFactorLabel;
    settings.diameterMm = diameter;
    settings.focalMm = instrument.baseFocalMm;
    settings.filter = instrument.filterIndex;
    settings.camera = m_session.cameraName;
    settings.sensor = m_session.sensorName;
    settings.sensorX = eNbPixelsX.text();
    settings.sensorY = eNbPixelsY.text();
    settings.pixelX = eTaillePixelsX.text();
    settings.pixelY = eTaillePixelsY.text();
    settings.squarePixels = rgPixelC.selected();
    return settings;
}

void ParametragePage::clear() {
    eDiam.setText("");
    eFocale.setText("");
    rgFiltre.select(kNoFilterRow);
    for (EditField* field : {&eFD, &ePR, &ePS}) field->setText("");
    cbCapteurs.select(kManualRow);
    rgPixelC.select(kYesRow);
    for (EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY, &eTaillePixelsMMX,
                             &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant, &eChampHor, &eChampVer}) {
        field->setText("");
    }
}

void ParametragePage::showStartSensor() {
    selectSavedSensorRow();
    eNomCamera.setText(m_session.cameraName);
}

// An empty field is not a failure: its change handling ignores it too.
void ParametragePage::checkTypedFields() {
    core::InstrumentSettings& instrument = m_session.instrument;
    core::SensorSpec& sensor = m_session.sensor;
    const std::pair<EditField*, std::function<void(const std::string&)>> records[] = {
        {&eDiam, [&instrument](const std::string& t) { instrument.diameterMm = core::parseReal(t); }},
        {&eFocale, [&instrument](const std::string& t) { instrument.focalMm = core::parseReal(t); }},
        {&eNbPixelsX, [&sensor](const std::string& t) { sensor.pixelsX = core::parseInteger(t); }},
        {&eNbPixelsY, [&sensor](const std::string& t) { sensor.pixelsY = core::parseInteger(t); }},
        {&eTaillePixelsX, [&sensor](const std::string& t) { sensor.pixelWidthUm = core::parseReal(t); }},
        {&eTaillePixelsY, [&sensor](const std::string& t) { sensor.pixelHeightUm = core::parseReal(t); }},
    };
    for (const auto& [field, parse] : records) {
        if (!field->empty()) guard().run([field = field, &parse = parse] { parse(field->text()); });
    }
}

// A sensor saved with empty or zero numbers (edited by hand, or by older
// versions) is said once; the pages then leave what needs it empty.
void ParametragePage::reportIncompleteSavedSensor() {
    for (const EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY}) {
        const auto value = core::tryParseReal(field->text());
        if (field->empty() || (value && *value == 0)) core::throwIncompleteSensor();
    }
}

}  // namespace quarvel::ui
