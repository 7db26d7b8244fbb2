// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form/guard.h"

#include "core/errors.h"

namespace quarvel::ui::form {

void Guard::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const core::QuarvelError& error) {
        m_reporter->report(error.message());
    }
}

}  // namespace quarvel::ui::form
