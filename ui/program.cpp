// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/program.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "config/file_io.h"
#include "core/errors.h"
#include "ui/messages.h"
#include "ui/user_equipment.h"

namespace quarvel::ui {

namespace {

// The shipped tables hold a few hundred rows: a file far larger is damaged.
constexpr std::size_t kMaxShippedFileBytes = 4 << 20;

// The built-in rows, then the shipped files' rows, then the user's; what
// could not be read is said once at start, and the program runs on the rest.
Equipment loadEquipment(const Environment& environment) {
    Equipment equipment;
    const std::string& folder = environment.equipmentFolder;
    struct stat st {};
    if (!folder.empty() && stat(folder.c_str(), &st) != 0) {
        equipment.problems.push_back(core::errorMessageOf(core::ErrorCode::CannotOpen, core::Message::data(folder),
                                                          core::Message::data(std::strerror(errno))));
    } else if (!folder.empty()) {
        const auto read = [&equipment](const std::string& path) -> std::optional<std::string> {
            config::FileRead file = config::readBounded(path, kMaxShippedFileBytes);
            if (file.status == config::ReadStatus::Read) return std::move(file.bytes);
            const core::Message reason = file.status == config::ReadStatus::TooLarge
                                             ? core::Message(messages::kFileTooLarge, {core::Message::data("4")})
                                             : config::readFailure(file);
            equipment.problems.push_back(
                core::errorMessageOf(core::ErrorCode::CannotOpen, core::Message::data(path), reason));
            return std::nullopt;
        };
        for (const auto& problem : equipment.catalogue.addShippedFiles(folder, read)) {
            equipment.problems.push_back(core::errorMessageOf(core::ErrorCode::BadEquipment, problem));
        }
    }
    const auto user =
        loadUserEquipment(config::equipmentPathFor(environment.configPath), equipment.catalogue, &equipment.setups,
                          &equipment.sites);
    equipment.problems.insert(equipment.problems.end(), user.begin(), user.end());
    return equipment;
}

}  // namespace

Program::Program(form::ErrorReporter& reporter, form::ModalHost& host, Environment environment)
    : guard(reporter),
      equipment(loadEquipment(environment)),
      nameForm(guard),
      confirmForm(guard),
      equipmentEditor(equipment.catalogue, config::equipmentPathFor(environment.configPath),
                      equipmentQuestions(nameForm, confirmForm, host), std::move(equipment.setups),
                      std::move(equipment.sites)),
      quitForm(guard),
      camerasForm(ModelListForm::Kind::Cameras, guard, equipmentEditor, m_session),
      dslrsForm(ModelListForm::Kind::Dslrs, guard, equipmentEditor, m_session),
      dateForm(guard, environment.today),
      telescopesForm(guard, equipmentEditor, m_session),
      targetsForm(guard),
      mainForm(guard, host, Dialogs{quitForm, camerasForm, dslrsForm, dateForm, telescopesForm, targetsForm},
               std::move(environment), m_session, equipmentEditor, equipment.problems) {}

}  // namespace quarvel::ui
