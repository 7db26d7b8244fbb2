// SPDX-License-Identifier: GPL-3.0-or-later
// The telescope dialog, the clicks into the instrument fields with
// "Rétablir", and the camera and DSLR dialogs.
#include "catalogues/cameras.h"
#include "catalogues/sensors.h"
#include "catalogues/telescopes.h"
#include "core/checked.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/main_form.h"

namespace quarvel::ui {

void MainForm::wireTelescopeFlow() {
    bbTelescopes.onClick = [this] { openTelescopes(); };
    m_dialogs.telescopes.bbOK.onClick = [this] { applyTelescope(); };
    eDiam.onClick = [this] { rememberInstrument(eDiam); };
    eFocale.onClick = [this] { rememberInstrument(eFocale); };
    bRetablir.onClick = [this] { restoreInstrument(); };
    bRetablir.setEnabled(false);
}

void MainForm::openTelescopes() {
    // A name that no row carries, from an edited configuration file, opens
    // the list on the personal configuration.
    const auto row = m_catalogue.findTelescopeRow(instrument.telescopeName);
    m_dialogs.telescopes.lbTelescopes.select(row.value_or(0));
    updateRemoveButtons();
    m_host.showModal(m_dialogs.telescopes);
}

void MainForm::applyTelescope() {
    TelescopesForm& dialog = m_dialogs.telescopes;
    const int row = core::checkListIndex(dialog.lbTelescopes.selected(), dialog.lbTelescopes.count());
    const auto& telescope = m_catalogue.telescopes()[static_cast<std::size_t>(row)];
    if (telescope.optics) {
        instrument.diameter = telescope.optics->diameterMm;
        instrument.baseFocal = telescope.optics->focalMm;
    }
    instrument.telescopeName = std::string(telescope.name);
    dialog.eAutreRM.setVisible(false);
    const int factorRow = dialog.cbRedMult.selected();
    if (factorRow == catalogues::kOtherFactorRow) {
        dialog.eAutreRM.setVisible(true);
        instrument.focalFactor = core::parseReal(dialog.eAutreRM.text());
        instrument.focalFactorLabel = dialog.eAutreRM.text();
    } else if (factorRow >= 0) {
        const auto& factor = catalogues::kFocalFactors[static_cast<std::size_t>(factorRow)];
        instrument.focalFactor = factor.factor;
        instrument.focalFactorLabel = std::string(factor.label);
    }
    eFocale.setItalic(factorRow != catalogues::kNoFactorRow);
    const double baseFocal = instrument.baseFocal;
    instrument.focal = instrument.baseFocal * instrument.focalFactor;
    eDiam.setText(core::wholeText(instrument.diameter));
    eFocale.setText(core::wholeText(instrument.focal));
    // When a text did not change its handler did not run: the numbers must
    // still be the whole numbers shown.
    instrument.diameter = core::parseReal(eDiam.text());
    instrument.focal = core::parseReal(eFocale.text());
    instrument.baseFocal = baseFocal;  // the telescope's own, not the rounded product
    instrument.telescopeLabel = instrument.telescopeName + catalogues::telescopeSuffix(factorRow, instrument.focalFactor);
}

void MainForm::rememberInstrument(EditField& cleared) {
    m_rememberedDiameter = eDiam.text();
    m_rememberedFocal = eFocale.text();
    m_rememberedTelescopeRow = m_dialogs.telescopes.lbTelescopes.selected();
    cleared.setText("");
    m_dialogs.telescopes.lbTelescopes.select(0);
    bRetablir.setEnabled(true);
}

void MainForm::restoreInstrument() {
    eDiam.setText(m_rememberedDiameter);
    m_dialogs.telescopes.lbTelescopes.select(m_rememberedTelescopeRow);
    eFocale.setText(m_rememberedFocal);
    bRetablir.setEnabled(false);
}

void MainForm::wireModelLists() {
    for (ModelListForm* dialog : {&m_dialogs.cameras, &m_dialogs.dslrs}) {
        dialog->bbOK.onClick = [this, dialog] { modelListOk(*dialog); };
    }
}

void MainForm::modelListOk(ModelListForm& dialog) {
    const int row = core::checkListIndex(dialog.list.selected(), dialog.list.count());
    const std::string model(catalogues::nameOfEntry(dialog.list.items()[static_cast<std::size_t>(row)]));
    const auto mapped = dialog.kind() == ModelListForm::Kind::Cameras ? m_catalogue.mapCamera(model)
                                                                      : m_catalogue.mapDslr(model);
    if (mapped && mapped->inCatalogue()) {
        sensorName = std::string(mapped->sensorName);
    } else if (mapped) {
        sensorName = std::string(kUnknown);
    }
    selectMainSensorRowOf(sensorName);
    cameraName = model;
    eNomCamera.setText(model);
    m_modelChoice = ModelChoice{!mapped || mapped->inCatalogue()};
}

// Annuler, the close box, or OK with nothing chosen: exactly the saved sensor
// comes back, its numbers, square pixels and camera.
void MainForm::restoreSavedSensor() {
    cbCapteurs.select(1);
    load();
}

}  // namespace quarvel::ui
