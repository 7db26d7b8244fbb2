// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>

#include "config/tests/ini_test_support.h"
#include "ui/names.h"
#include "ui/program.h"

namespace quarvel::ui::testing {

using form::ModalResult;

// Plays the user's actions on each dialog the program opens, in order.
class ScriptedHost : public form::ModalHost {
public:
    ModalResult showModal(form::Form& dialog) override {
        opened.push_back(dialog.name());
        dialog.setModalResult(ModalResult::None);
        if (scripts.empty()) {
            ADD_FAILURE() << "unexpected dialog " << dialog.name();
            return ModalResult::Close;
        }
        auto script = std::move(scripts.front());
        scripts.pop_front();
        script(dialog);
        return dialog.modalResult() == ModalResult::None ? ModalResult::Close : dialog.modalResult();
    }

    std::deque<std::function<void(form::Form&)>> scripts;
    std::vector<std::string> opened;
};

// The whole program with its configuration in a fresh directory.
class ProgramTest : public ::testing::Test {
protected:
    config::testing::TemporaryDirectory dir;
    std::string iniPath = dir.file("Quarvel.ini");
    form::RecordingReporter reporter;
    ScriptedHost host;
    std::vector<std::string> openedUrls;
    bool closed = false;
    std::vector<std::string> dataFolders;
    std::string equipmentFolder;
    // The desktop's time zone: Paris in winter, unless a zone is given.
    int utcOffsetMinutes = 60;
    std::function<int(double jdUtc)> zone;
    // The moment it is, a UTC Julian date: none (0) unless a test sets it.
    double nowJd = 0;
    std::unique_ptr<Program> program;

    MainForm& start() {
        program = std::make_unique<Program>(
            reporter, host,
            Environment{iniPath, [] { return form::CalendarDate{2026, 12, 6}; },
                        [this](const std::string& url) { openedUrls.push_back(url); }, [this] { closed = true; },
                        dataFolders, equipmentFolder, [this](double jd) { return zone ? zone(jd) : utcOffsetMinutes; },
                        [this] { return nowJd; }});
        for (const auto& message : program->mainForm.start()) reporter.report(message);
        program->mainForm.userClicks(program->mainForm.about.bbRun);
        return program->mainForm;
    }

    // The next dialog: the script runs on it as the user would.
    template <typename DialogForm>
    void whenOpened(std::function<void(DialogForm&)> script) {
        host.scripts.push_back([script](form::Form& dialog) { script(dynamic_cast<DialogForm&>(dialog)); });
    }

    // The date chosen in the calendar the button opens (the Imagerie page's).
    void chooseDate(form::CalendarDate date, form::Button& opens) {
        whenOpened<DateForm>([date](DateForm& d) {
            d.MonthCalendar1.setDate(date);
            d.userClicks(d.bbDateOK);
        });
        program->mainForm.userClicks(opens);
    }

    void writeIni(const std::string& bytes) { config::testing::writeBytes(iniPath, bytes); }
    std::string iniBytes() const { return config::testing::readBytes(iniPath); }

    static int rowOf(const form::ListControl& list, const std::string& text) {
        const auto& items = list.items();
        const auto found = std::find(items.begin(), items.end(), text);
        EXPECT_NE(found, items.end()) << text;
        return static_cast<int>(found - items.begin());
    }

    std::vector<std::string> texts(std::initializer_list<const form::EditField*> fields) {
        std::vector<std::string> out;
        for (const auto* f : fields) out.push_back(f->text());
        return out;
    }
};

}  // namespace quarvel::ui::testing
