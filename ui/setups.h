// SPDX-License-Identifier: GPL-3.0-or-later
// Named setups: a telescope with its focal factor and filter, and a camera or
// sensor, kept under a name in the user's equipment file with the same keys
// as the configuration's, so that a setup survives the removal of its
// telescope or camera from the lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "setup/setup.h"

namespace quarvel::ui {

struct SavedSetup {
    std::string name;
    config::Settings settings;
};

// What a setup's settings compute with: the focal factor of its label, the
// effective focal length in whole millimetres as the parameter page shows it,
// and the sensor's numbers (0 where one does not read).
setup::Setup setupOf(const config::Settings& settings);

}  // namespace quarvel::ui
