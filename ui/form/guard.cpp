// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form/guard.h"

#include <algorithm>
#include <new>

#include "core/errors.h"

namespace quarvel::ui::form {

void Guard::run(const std::function<void()>& handler) {
    if (m_actions.empty()) {
        runUserAction(handler);
    } else {
        execute(handler);
    }
}

void Guard::runUserAction(const std::function<void()>& handler) {
    m_actions.emplace_back();
    execute(handler);
    m_actions.pop_back();
}

void Guard::execute(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::QuarvelError& error) {
        report(error.shown());
    } catch (const std::bad_alloc&) {
        // Last resorts: the program goes on rather than ending with the
        // user's unsaved work.
        report(core::errorMessageOf(core::ErrorCode::OutOfMemory));
    } catch (const std::exception& error) {
        report(core::errorMessageOf(core::ErrorCode::Unexpected, core::Message::data(error.what())));
    } catch (...) {
        report(core::errorMessageOf(core::ErrorCode::Unexpected, core::Message::data("exception inconnue")));
    }
}

void Guard::report(const core::Message& message) {
    if (!m_actions.empty()) {
        auto& shown = m_actions.back();
        const std::string text = message.text();
        if (std::find(shown.begin(), shown.end(), text) != shown.end()) return;
        shown.push_back(text);
    }
    m_reporter->report(message);
}

}  // namespace quarvel::ui::form
