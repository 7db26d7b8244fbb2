// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the configuration again and again, as fast as it can, until killed:
// the subject of the save-kill test. With a diameter argument it saves that
// once and ends.
#include <unistd.h>

#include "ui/program.h"

namespace {

class NoDialogs : public quarvel::ui::form::ModalHost {
public:
    quarvel::ui::form::ModalResult showModal(quarvel::ui::form::Form&) override {
        return quarvel::ui::form::ModalResult::Close;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    using namespace quarvel::ui;
    if (argc < 2) return 2;
    form::RecordingReporter reporter;
    NoDialogs host;
    Program program(reporter, host,
                    Environment{argv[1],
                                [] {
                                    return form::CalendarDate{2026, 12, 7};
                                },
                                {},
                                {},
                                {},
                                {}});
    MainForm& f = program.mainForm;
    f.start();
    f.userClicks(f.about.bbRun);
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
