// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include "core/errors.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

// The built-in rows, then the shipped files' rows, then the user's; what
// could not be read is said once at start.
Equipment loadEquipment(const Environment& environment) {
    Equipment equipment;
    if (!environment.equipmentFolder.empty()) {
        for (const auto& problem : equipment.catalogue.addShippedFiles(environment.equipmentFolder)) {
            equipment.problems.push_back(core::errorMessage(core::ErrorCode::BadEquipment, problem));
        }
    }
    const auto user = loadUserEquipment(equipmentPathFor(environment.configPath), equipment.catalogue);
    equipment.problems.insert(equipment.problems.end(), user.begin(), user.end());
    return equipment;
}

}  // namespace

Program::Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment)
    : guard(reporter),
      equipment(loadEquipment(environment)),
      nameForm(guard),
      confirmForm(guard),
      equipmentEditor(equipment.catalogue, equipmentPathFor(environment.configPath), nameForm, confirmForm, host),
      quitForm(guard),
      camerasForm(ModelListForm::Kind::Cameras, guard, equipmentEditor, m_session),
      dslrsForm(ModelListForm::Kind::Dslrs, guard, equipmentEditor, m_session),
      dateForm(guard, environment.today),
      telescopesForm(guard, equipmentEditor, m_session),
      mainForm(guard, host, Dialogs{quitForm, camerasForm, dslrsForm, dateForm, telescopesForm},
               std::move(environment), m_session, equipmentEditor, equipment.problems) {}

}  // namespace quarvel::ui
