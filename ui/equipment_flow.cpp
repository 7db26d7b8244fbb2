// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own telescopes, cameras and digital cameras: "Ajouter…" names
// the current instrument or sensor, "Supprimer" removes a row of the user's
// after a confirmation. The file is replaced at once and the lists follow.
#include "core/errors.h"
#include "core/number_format.h"
#include "ui/main_form.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

using catalogues::Kind;
using catalogues::Origin;

Kind kindOf(const ModelListForm& dialog) {
    return dialog.kind() == ModelListForm::Kind::Cameras ? Kind::Camera : Kind::Dslr;
}

std::string quoted(const std::string& name) { return "« " + name + " »"; }

}  // namespace

void MainForm::wireUserEquipment() {
    TelescopesForm& telescopes = m_dialogs.telescopes;
    telescopes.bbAjouterTel.onClick = [this] { addUserTelescope(); };
    telescopes.bbSupprimerTel.onClick = [this] { removeUserTelescope(); };
    telescopes.lbTelescopes.onChange = [this] { updateRemoveButtons(); };
    for (ModelListForm* dialog : {&m_dialogs.cameras, &m_dialogs.dslrs}) {
        dialog->bbAjouter.onClick = [this, dialog] { addUserModel(*dialog); };
        dialog->bbSupprimer.onClick = [this, dialog] { removeUserModel(*dialog); };
        dialog->list.onChange = [this] { updateRemoveButtons(); };
    }
    updateRemoveButtons();
}

std::string MainForm::equipmentPath() const { return equipmentPathFor(m_env.configPath); }

std::optional<std::string> MainForm::askEquipmentName() {
    NameForm& dialog = m_dialogs.name;
    dialog.eNomEquipement.setText("");
    if (m_host.showModal(dialog) != form::ModalResult::Ok) return std::nullopt;
    std::string name = dialog.eNomEquipement.text();
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(name.begin());
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    name = std::string(catalogues::nameOfEntry(name));
    if (!acceptableEquipmentName(name)) core::throwBadEquipment(quoted(name) + " : nom incorrect");
    return name;
}

bool MainForm::confirmRemoval(const std::string& what) {
    m_dialogs.confirm.labConfirmation.setCaption("Supprimer " + what + " de vos équipements ?");
    return m_host.showModal(m_dialogs.confirm) == form::ModalResult::Ok;
}

void MainForm::addUserTelescope() {
    const auto name = askEquipmentName();
    if (!name) return;
    if (m_catalogue.findTelescopeRow(*name)) core::throwBadEquipment(quoted(*name) + " : nom déjà dans les listes");
    const catalogues::TelescopeOptics optics{instrument.diameter, instrument.baseFocal};
    if (!(optics.diameterMm > 0) || !(optics.focalMm > 0)) {
        core::throwBadEquipment(quoted(*name) + " : diamètre ou focale manquant");
    }
    writeUserSections(equipmentPath(), {{std::string(kTelescopeSection) + *name,
                                         {{"Diamètre", core::shortest(optics.diameterMm)},
                                          {"Focale", core::shortest(optics.focalMm)}}}});
    m_catalogue.addTelescope({*name, optics, Origin::User});
    refreshEquipmentLists();
    if (const auto row = m_catalogue.findTelescopeRow(*name)) m_dialogs.telescopes.lbTelescopes.select(*row);
    updateRemoveButtons();
}

void MainForm::removeUserTelescope() {
    const int row = m_dialogs.telescopes.lbTelescopes.selected();
    if (row < 0) return;
    const std::string name = m_catalogue.telescopes()[static_cast<std::size_t>(row)].name;
    if (!m_catalogue.isUserRow(Kind::Telescope, name) || !confirmRemoval("le télescope " + quoted(name))) return;
    removeUserSections(equipmentPath(), {std::string(kTelescopeSection) + name});
    m_catalogue.removeUserRow(Kind::Telescope, name);
    refreshEquipmentLists();
}

void MainForm::addUserModel(ModelListForm& dialog) {
    const auto name = askEquipmentName();
    if (!name) return;
    const bool cameras = kindOf(dialog) == Kind::Camera;
    if (cameras ? m_catalogue.mapCamera(*name).has_value() : m_catalogue.mapDslr(*name).has_value()) {
        core::throwBadEquipment(quoted(*name) + " : nom déjà dans les listes");
    }
    const core::SensorValues values = sensor;
    const bool complete = values.pixelsX > 0 && values.pixelsY > 0 && values.pixelWidth > 0 && values.pixelHeight > 0;
    const bool catalogueSensor = sensorName != kUnknown && m_catalogue.findSensor(sensorName);
    if (!complete && !(cameras && catalogueSensor)) core::throwBadEquipment(quoted(*name) + " : capteur incomplet");
    const std::string path = equipmentPath();
    if (cameras && catalogueSensor) {
        // A camera of a sensor the lists hold names that sensor.
        writeUserSections(path, {{std::string(kCameraSection) + *name, {{"Capteur", sensorName}}}});
        m_catalogue.addCamera({*name, sensorName, Origin::User});
    } else if (cameras) {
        // A hand-entered sensor is kept under the camera's name too.
        if (m_catalogue.findSensor(*name)) core::throwBadEquipment(quoted(*name) + " : nom déjà dans les listes");
        writeUserSections(path, {{std::string(kSensorSection) + *name,
                                  {{"LargeurPixels", std::to_string(values.pixelsX)},
                                   {"HauteurPixels", std::to_string(values.pixelsY)},
                                   {"TaillePixelX", core::shortest(values.pixelWidth)},
                                   {"TaillePixelY", core::shortest(values.pixelHeight)}}},
                                 {std::string(kCameraSection) + *name, {{"Capteur", *name}}}});
        m_catalogue.addSensor({*name, values, Origin::User});
        m_catalogue.addCamera({*name, *name, Origin::User});
    } else {
        writeUserSections(path, {{std::string(kDslrSection) + *name,
                                  {{"LargeurPixels", std::to_string(values.pixelsX)},
                                   {"HauteurPixels", std::to_string(values.pixelsY)},
                                   {"TaillePixel", core::shortest(values.pixelWidth)}}}});
        const core::SensorValues square{values.pixelsX, values.pixelsY, values.pixelWidth, values.pixelWidth};
        const std::string maker = name->substr(0, name->find(' '));
        m_catalogue.addDslr({*name, m_catalogue.dslrSensor(maker, square, Origin::User), Origin::User});
    }
    refreshEquipmentLists();
    const auto& items = dialog.list.items();
    for (int row = 0; row < dialog.list.count(); ++row) {
        if (catalogues::nameOfEntry(items[static_cast<std::size_t>(row)]) == *name) dialog.list.select(row);
    }
    updateRemoveButtons();
}

void MainForm::removeUserModel(ModelListForm& dialog) {
    const std::string name(catalogues::nameOfEntry(dialog.list.text()));
    const Kind kind = kindOf(dialog);
    if (!m_catalogue.isUserRow(kind, name)) return;
    const bool cameras = kind == Kind::Camera;
    if (!confirmRemoval((cameras ? "la caméra " : "l'appareil photo ") + quoted(name))) return;
    std::vector<std::string> sections{std::string(cameras ? kCameraSection : kDslrSection) + name};
    // The sensor kept under a camera's name goes with it.
    const bool ownSensor = cameras && m_catalogue.isUserRow(Kind::Sensor, name);
    if (ownSensor) sections.push_back(std::string(kSensorSection) + name);
    removeUserSections(equipmentPath(), sections);
    m_catalogue.removeUserRow(kind, name);
    if (ownSensor) m_catalogue.removeUserRow(Kind::Sensor, name);
    refreshEquipmentLists();
}

// Every list shows the catalogue as it now is; a chosen entry that is still
// there stays chosen.
void MainForm::refreshEquipmentLists() {
    cbCapteurs.setItems(m_catalogue.mainSensorEntries());
    for (ListControl* list : {&cbCapteursPict, &cbCapteursPla, &cbCapteursPhoto}) {
        list->setItems(m_catalogue.tabSensorEntries());
    }
    m_dialogs.cameras.list.setItems(m_catalogue.cameraEntries());
    m_dialogs.dslrs.list.setItems(m_catalogue.dslrEntries());
    m_dialogs.telescopes.lbTelescopes.setItems(m_catalogue.telescopeEntries());
    updateRemoveButtons();
}

// Only the user's own rows can be removed.
void MainForm::updateRemoveButtons() {
    const auto& telescopes = m_dialogs.telescopes.lbTelescopes;
    m_dialogs.telescopes.bbSupprimerTel.setEnabled(
        telescopes.selected() >= 0 &&
        m_catalogue.isUserRow(Kind::Telescope, catalogues::nameOfEntry(telescopes.text())));
    for (ModelListForm* dialog : {&m_dialogs.cameras, &m_dialogs.dslrs}) {
        dialog->bbSupprimer.setEnabled(dialog->list.selected() >= 0 &&
                                       m_catalogue.isUserRow(kindOf(*dialog), catalogues::nameOfEntry(dialog->list.text())));
    }
}

}  // namespace quarvel::ui
