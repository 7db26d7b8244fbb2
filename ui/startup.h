// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace quarvel::ui {

class Application;

// The program as start-up leaves it, just before the event loop: the
// windows made, the configuration loaded, the main window shown. The caller
// keeps it alive while the event loop runs.
struct StartedProgram {
    StartedProgram();
    ~StartedProgram();
    StartedProgram(StartedProgram&&) noexcept;
    StartedProgram& operator=(StartedProgram&&) noexcept;
    std::unique_ptr<Application> application;
};

// Runs the start-up steps and returns without entering the event loop. The
// configuration file is the one beside the executable unless a path is given;
// the data (photographs, shipped equipment) is looked for in the program's
// folders unless the folders are given, as tests give theirs.
StartedProgram startQuarvel();
StartedProgram startQuarvel(const std::string& configPath, std::vector<std::string> dataFolders = {});

}  // namespace quarvel::ui
