// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarvel::ui::testing {

// Plays a byte string as a sequence of user events on a whole program:
// texts typed into any field, list picks, radio clicks, tab switches, menu
// choices, dialogs answered with OK, cancel or the close box, load, save and
// reset. After every event it checks that each message shown is one of the
// program's fixed messages. Returns the number of events played; a message
// that is not a fixed one is returned in `failure`.
std::size_t playEvents(const std::uint8_t* data, std::size_t size, const std::string& configPath,
                       std::string& failure);

}  // namespace quarvel::ui::testing
