// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form/guard.h"

#include <new>

#include "core/errors.h"

namespace quarvel::ui::form {

void Guard::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::QuarvelError& error) {
        m_reporter->report(error.message());
    } catch (const std::bad_alloc&) {
        // Last resorts: the program goes on rather than ending with the
        // user's unsaved work.
        m_reporter->report(core::errorMessage(core::ErrorCode::OutOfMemory));
    } catch (const std::exception& error) {
        m_reporter->report(core::errorMessage(core::ErrorCode::Unexpected, error.what()));
    } catch (...) {
        m_reporter->report(core::errorMessage(core::ErrorCode::Unexpected, "exception inconnue"));
    }
}

}  // namespace quarvel::ui::form
