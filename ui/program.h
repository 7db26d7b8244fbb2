// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"
#include "ui/main_form.h"

namespace quarvel::ui {

// The equipment the lists offer, and what could not be read of it.
struct Equipment {
    catalogues::Catalogue catalogue;
    std::vector<std::string> problems;
};

// The six windows, created once in this order and kept until the end.
class Program {
public:
    Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment);

    Guard guard;
    Equipment equipment;
    QuitForm quitForm;
    ModelListForm camerasForm;
    ModelListForm dslrsForm;
    DateForm dateForm;
    TelescopesForm telescopesForm;
    NameForm nameForm;
    ConfirmForm confirmForm;
    MainForm mainForm;
};

}  // namespace quarvel::ui
