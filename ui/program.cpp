// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include "core/errors.h"

namespace quarvel::ui {

namespace {

// The built-in rows, then the shipped files' rows; a file's skipped rows are
// said once at start.
Equipment loadEquipment(const std::string& folder) {
    Equipment equipment;
    if (folder.empty()) return equipment;
    for (const auto& problem : equipment.catalogue.addShippedFiles(folder)) {
        equipment.problems.push_back(core::errorMessage(core::ErrorCode::BadEquipment, problem));
    }
    return equipment;
}

}  // namespace

Program::Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment)
    : guard(reporter),
      equipment(loadEquipment(environment.equipmentFolder)),
      quitForm(guard),
      camerasForm(ModelListForm::Kind::Cameras, guard, equipment.catalogue),
      dslrsForm(ModelListForm::Kind::Dslrs, guard, equipment.catalogue),
      dateForm(guard),
      telescopesForm(guard, equipment.catalogue),
      mainForm(guard, host, Dialogs{quitForm, camerasForm, dslrsForm, dateForm, telescopesForm},
               std::move(environment), equipment.catalogue, equipment.problems) {}

}  // namespace quarvel::ui
