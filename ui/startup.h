// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace quarvel::ui {

class Application;

// Runs the start-up steps that come before the event loop: creates the
// windows and shows the main one. The caller keeps the result alive while
// the event loop runs.
struct StartedProgram {
    StartedProgram();
    ~StartedProgram();
    StartedProgram(StartedProgram&&) noexcept;
    std::unique_ptr<Application> application;
};

StartedProgram startQuarvel();

}  // namespace quarvel::ui
