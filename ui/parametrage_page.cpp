// SPDX-License-Identifier: GPL-3.0-or-later
// The "Paramètrage" page: the instrument and sensor fields, the sensor
// choice, and the recompute of every result that depends on them.
#include <algorithm>
#include <cmath>

#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "core/imaging.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/main_form.h"

namespace quarvel::ui {

namespace {

constexpr int kManualRow = 0;
constexpr int kSavedRow = 1;
constexpr int kCameraListRow = 2;
constexpr int kDslrListRow = 3;
constexpr int kSquareYes = 0;
constexpr int kSquareNo = 1;

std::string commasToPoints(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

}  // namespace

void MainForm::wireParametragePage() {
    eDiam.onChange = [this] { instrumentFieldChange(eDiam, instrument.diameter); };
    eFocale.onChange = [this] { instrumentFieldChange(eFocale, instrument.focal); };
    rgFiltre.onClick = [this] {
        instrument.filterIndex = rgFiltre.selected();
        recompute();
    };
    rgPixelC.onClick = [this] { squarePixelClick(); };
    eTaillePixelsX.inputFilter = commasToPoints;
    eTaillePixelsY.inputFilter = commasToPoints;
    eTaillePixelsX.onChange = [this] { pixelWidthChange(); };
    eTaillePixelsY.onChange = [this] { pixelHeightChange(); };
    eNbPixelsX.onChange = [this] { pixelCountChange(eNbPixelsX, sensor.pixelsX); };
    eNbPixelsY.onChange = [this] { pixelCountChange(eNbPixelsY, sensor.pixelsY); };
    eNomCamera.onChange = [this] { cameraName = eNomCamera.text(); };
    cbCapteurs.onChange = [this] { cbCapteursChange(); };
    cbCapteurs.onKeyPress = [this](char key) { cbCapteursKeyPress(key); };
    bbCameras.onClick = [this] {
        cbCapteurs.select(kCameraListRow);
        applySensorChoice();
        recompute();
    };
    bbAPN.onClick = [this] {
        cbCapteurs.select(kDslrListRow);
        applySensorChoice();
        recompute();
    };
    TrackBar1.onChange = [this] { writeWantedFocal(); };
}

void MainForm::instrumentFieldChange(EditField& field, double& target) {
    if (field.empty()) return;
    target = core::parseReal(field.text());
    // A focal length typed by hand is the one saved: the file keeps the
    // telescope's own focal length, in whole millimetres, and the factor.
    if (&field == &eFocale && !m_loading && instrument.focalFactor != 0) {
        const double base = instrument.focal / instrument.focalFactor;
        instrument.baseFocal = std::fabs(base) < 2147483647.0 ? std::nearbyint(base) : base;
    }
    if (m_dialogs.telescopes.lbTelescopes.selected() == 0) {
        instrument.telescopeName = std::string(catalogues::kPersonalConfiguration);
    }
    instrument.telescopeLabel = instrument.telescopeName;
    labDessinPlaTelescope.setCaption(instrument.telescopeLabel);
    // The instrument never clears, reloads or replaces the sensor the user
    // sees: it only recomputes.
    recompute();
}

void MainForm::pixelWidthChange() {
    if (eTaillePixelsX.empty()) return;
    sensor.pixelWidth = core::parseReal(eTaillePixelsX.text());
    if (rgPixelC.selected() == kSquareYes) eTaillePixelsY.setText(eTaillePixelsX.text());
    if (!eTaillePixelsY.empty()) sensor.pixelHeight = core::parseReal(eTaillePixelsY.text());
    recompute();
}

void MainForm::pixelHeightChange() {
    if (eTaillePixelsY.empty()) return;
    sensor.pixelHeight = core::parseReal(eTaillePixelsY.text());
    recompute();
}

void MainForm::pixelCountChange(EditField& field, std::int32_t& target) {
    if (field.empty()) return;
    target = core::parseInteger(field.text());
    recompute();
}

void MainForm::squarePixelClick() {
    if (rgPixelC.selected() == kSquareYes) {
        eTaillePixelsY.setEnabled(false);
        eTaillePixelsY.setText(eTaillePixelsX.text());
    } else if (rgPixelC.selected() == kSquareNo) {
        eTaillePixelsY.setEnabled(true);
    }
}

void MainForm::cbCapteursChange() {
    if (cbCapteurs.selected() < 0) cbCapteurs.select(kManualRow);
    eNomCamera.setText(std::string(kUnknown));
    cameraName = std::string(kUnknown);
    applySensorChoice();
    recompute();
}

void MainForm::cbCapteursKeyPress(char key) {
    switch (key) {
    case 'S':
    case 's':
        cbCapteurs.select(kManualRow);
        break;
    case 'C':
    case 'c':
        cbCapteurs.select(kCameraListRow);
        m_dialogs.cameras.list.select(0);
        break;
    case 'P':
    case 'p':
        cbCapteurs.select(kDslrListRow);
        m_dialogs.dslrs.list.select(0);
        break;
    default:
        break;
    }
}

void MainForm::applySensorChoice() {
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
        chooseFromModelList(m_dialogs.cameras);
    } else if (row == kDslrListRow) {
        chooseFromModelList(m_dialogs.dslrs);
    } else if (row > kDslrListRow) {
        chooseCatalogueSensor();
    }
}

void MainForm::chooseManualEntry() {
    eNomCamera.setEnabled(true);
    rgPixelC.setEnabled(true);
    rgPixelC.select(kSquareYes);
    for (EditField* field : {&eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY, &eTaillePixelsMMX,
                             &eTaillePixelsMMY, &eTaillePixelsMMD, &eEchant, &eChampHor, &eChampVer}) {
        field->setText("");
    }
    enableHandEntry();
    sensorName = std::string(kUnknown);
    cameraName = std::string(kUnknown);
    eNomCamera.setText(cameraName);
}

// The sensor fields editable; the height only for pixels that are not square.
void MainForm::enableHandEntry() {
    for (EditField* field : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX}) field->setEnabled(true);
    rgPixelC.setEnabled(true);
    eTaillePixelsY.setEnabled(rgPixelC.selected() == kSquareNo);
}

void MainForm::chooseFromModelList(ModelListForm& dialog) {
    for (EditField* field : {&eNomCamera, &eNbPixelsX, &eNbPixelsY, &eTaillePixelsX, &eTaillePixelsY,
                             &eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD}) {
        field->setEnabled(false);
    }
    rgPixelC.setEnabled(false);
    m_modelChoice.reset();
    updateRemoveButtons();
    m_host.showModal(dialog);
    if (!m_modelChoice) {
        restoreSavedSensor();
        return;
    }
    if (!m_modelChoice->sensorInCatalogue) {
        // The camera is known but its sensor is not: rather than another
        // sensor's numbers, empty fields ready for the camera's own.
        const std::string camera = cameraName;
        cbCapteurs.select(kManualRow);
        chooseManualEntry();
        cameraName = camera;
        eNomCamera.setText(camera);
        return;
    }
    rgPixelC.setEnabled(false);
    const bool nonSquare =
        dialog.kind() == ModelListForm::Kind::Cameras && catalogues::isNonSquareSensorName(sensorName);
    rgPixelC.select(nonSquare ? kSquareNo : kSquareYes);
    showCatalogueSensor();
    showSensorSize();
}

void MainForm::chooseCatalogueSensor() {
    eNomCamera.setEnabled(false);
    rgPixelC.setEnabled(false);
    sensorName = catalogues::nameOfEntry(cbCapteurs.text());
    rgPixelC.select(catalogues::isNonSquareSensorName(sensorName) ? kSquareNo : kSquareYes);
    showCatalogueSensor();
    showSensorSize();
}

void MainForm::showCatalogueSensor() {
    m_catalogue.lookupSensor(sensorName, catalogueSensor);
    const std::pair<EditField*, std::string> writes[] = {
        {&eNbPixelsX, std::to_string(catalogueSensor.pixelsX)},
        {&eNbPixelsY, std::to_string(catalogueSensor.pixelsY)},
        {&eTaillePixelsX, core::shortest(catalogueSensor.pixelWidth)},
        {&eTaillePixelsY, core::shortest(catalogueSensor.pixelHeight)},
    };
    for (const auto& [field, text] : writes) {
        field->setText(text);
        field->setEnabled(false);
    }
}

void MainForm::showSensorSize() {
    eTaillePixelsMMX.setText(core::display(core::sensorWidthMm(sensor), 2));
    eTaillePixelsMMY.setText(core::display(core::sensorHeightMm(sensor), 2));
    eTaillePixelsMMD.setText(core::display(core::sensorDiagonalMm(sensor), 2));
    for (EditField* field : {&eTaillePixelsMMX, &eTaillePixelsMMY, &eTaillePixelsMMD}) field->setEnabled(false);
}

void MainForm::recompute() {
    syncTabLists();
    if (eDiam.empty() || eFocale.empty() || eFocale.text() == "0") return;
    const double focal = instrument.focal;
    const double diameter = instrument.diameter;
    eFD.setText(core::display(core::focalRatio(focal, diameter), 2));
    ePR.setText(core::display(core::resolvingPower(instrument.filterIndex, diameter), 2));
    ePS.setText(core::display(core::separatingPower(diameter), 2));
    if (eNbPixelsX.empty() || eNbPixelsY.empty() || eTaillePixelsX.empty() || eTaillePixelsY.empty()) return;
    showSensorSize();
    sampling = core::sampling(sensor.pixelWidth, focal);
    overSampling = 2.5;
    overSampling = core::parseReal(cbSurEch.text());
    writeImagingValues();
    eEchant.setText(core::display(sampling, 2));
    eChampHor.setText(core::display(core::horizontalFieldArcmin(sensor, focal), 2));
    eChampVer.setText(core::display(core::verticalFieldArcmin(sensor, focal), 2));
    eChampPlaH.setText(eChampHor.text());
    eChampPlaV.setText(eChampVer.text());
    writeDeepSkyValues();
}

void MainForm::writeImagingValues() {
    const double p = sensor.pixelWidth;
    eFDAct.setText(core::fixed(core::focalRatio(instrument.focal, instrument.diameter), 10, 2));
    eFDOpti.setText(core::fixed(core::optimalFocalRatio(p, overSampling), 10, 2));
    eCoefMulti.setText(core::fixed(core::focalMultiplier(p, overSampling, instrument.focal, instrument.diameter), 10, 1));
}

void MainForm::writeDeepSkyValues() {
    const double p = sensor.pixelWidth;
    eFocAct2.setText(core::fixed(instrument.focal, 10, 0));
    eEchCP.setText(core::fixed(core::sampling(p, instrument.focal), 10, 2));
    eEchConsCP.setText(core::fixed(core::finestSampling(instrument.diameter), 10, 2));
    eFocConsCP.setText(core::fixed(core::focalForFinestSampling(p, instrument.diameter), 10, 0));
    writeWantedFocal();
}

void MainForm::writeWantedFocal() {
    const double p = sensor.pixelWidth;
    const double wanted = core::wantedSampling(TrackBar1.position());
    eFocCalcCP.setText(core::fixed(core::focalForSampling(p, wanted), 10, 0));
    eCoefCP.setText(core::fixed(core::focalCoefficient(p, wanted, instrument.focal), 10, 1));
}

void MainForm::selectMainSensorRowOf(const std::string& name) {
    for (int row = catalogues::kMainCommandRows; row < cbCapteurs.count(); ++row) {
        if (catalogues::nameOfEntry(cbCapteurs.items()[static_cast<std::size_t>(row)]) == name) cbCapteurs.select(row);
    }
}

}  // namespace quarvel::ui
