// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"
#include "ui/main_form.h"
#include "ui/session.h"
#include "ui/targets_form.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

// The equipment the lists offer, and what could not be read of it.
struct Equipment {
    catalogues::Catalogue catalogue;
    std::vector<SavedSetup> setups;  // handed to the editor, with the sites
    std::vector<night::Site> sites;
    std::vector<core::Message> problems;
};

// The windows, created once in this order and kept until the end, with what
// they share.
class Program {
public:
    Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment);
    // The dialogs, in the order they were created.
    std::vector<form::Form*> dialogs() {
        return {&nameForm, &confirmForm, &quitForm, &camerasForm, &dslrsForm, &dateForm, &telescopesForm, &targetsForm};
    }

    Guard guard;
    Equipment equipment;

private:
    Session m_session;  // the windows' own, read through mainForm.session()

public:
    NameForm nameForm;
    ConfirmForm confirmForm;
    EquipmentEditor equipmentEditor;
    QuitForm quitForm;
    ModelListForm camerasForm;
    ModelListForm dslrsForm;
    DateForm dateForm;
    TelescopesForm telescopesForm;
    TargetsForm targetsForm;
    MainForm mainForm;
};

}  // namespace quarvel::ui
