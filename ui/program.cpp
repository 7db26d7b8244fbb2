// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

namespace quarvel::ui {

Program::Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment)
    : guard(reporter),
      quitForm(guard),
      camerasForm(ModelListForm::Kind::Cameras, guard),
      dslrsForm(ModelListForm::Kind::Dslrs, guard),
      dateForm(guard),
      telescopesForm(guard),
      mainForm(guard, host, Dialogs{quitForm, camerasForm, dslrsForm, dateForm, telescopesForm},
               std::move(environment)) {}

}  // namespace quarvel::ui
