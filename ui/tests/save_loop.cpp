// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the configuration again and again, as fast as it can, until killed:
// the subject of the save-kill test. With a diameter argument it saves that
// once and ends. With "--rounds N TAG" it saves and adds a telescope named
// TAG<round> N times, as one of two instances working at once, and ends with
// the count of messages it was shown.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ui/program.h"

namespace {

// Names each telescope added; every other dialog is closed.
class NamingHost : public quarvel::ui::form::ModalHost {
public:
    std::string name;
    quarvel::ui::form::ModalResult showModal(quarvel::ui::form::Form& dialog) override {
        using quarvel::ui::form::ModalResult;
        auto* form = dynamic_cast<quarvel::ui::NameForm*>(&dialog);
        if (!form) return ModalResult::Close;
        form->setModalResult(ModalResult::None);
        form->userTypes(form->eNomEquipement, name);
        form->userClicks(form->bbNomOK);
        return form->modalResult() == ModalResult::None ? ModalResult::Close : form->modalResult();
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    using namespace quarvel::ui;
    if (argc < 2) return 2;
    form::RecordingReporter reporter;
    NamingHost host;
    Program program(reporter, host,
                    Environment{argv[1],
                                [] {
                                    return form::CalendarDate{2026, 12, 7};
                                },
                                {},
                                {},
                                {},
                                {},
                                {},
                                {}});
    MainForm& f = program.mainForm;
    f.start();
    f.userClicks(f.about.bbRun);
    if (argc > 4 && std::string(argv[2]) == "--rounds") {
        const int rounds = std::atoi(argv[3]);
        for (int i = 0; i < rounds; ++i) {
            f.userTypes(f.parametrage.eDiam, i % 2 ? "300" : "200");
            f.userClicks(f.bbSauveConfig);
            host.name = argv[4] + std::to_string(i);
            program.guard.runUserAction([&] { program.equipmentEditor.addTelescope({200, 1000}); });
        }
        return static_cast<int>(reporter.messages.size());
    }
    if (argc > 2) {
        f.userTypes(f.parametrage.eDiam, argv[2]);
        f.userClicks(f.bbSauveConfig);
        return reporter.messages.empty() ? 0 : 1;
    }
    (void)!write(STDOUT_FILENO, "r", 1);
    for (unsigned i = 0;; ++i) {
        f.userTypes(f.parametrage.eDiam, i % 2 ? "300" : "200");
        f.userClicks(f.bbSauveConfig);
    }
}
