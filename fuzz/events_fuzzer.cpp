// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of user events on the whole program. A crash, a hang, or
// a message that is not one of the program's fixed messages is a finding.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/tests/event_player.h"

namespace {

std::size_t g_events = 0;

const std::string& configPath() {
    static const std::string path = [] {
        std::string pattern = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/quarvel-events-XXXXXX";
        const char* dir = mkdtemp(pattern.data());
        std::atexit([] { std::fprintf(stderr, "user events played: %zu\n", g_events); });
        return std::string(dir ? dir : "/tmp") + "/Quarvel.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string failure;
    g_events += quarvel::ui::testing::playEvents(data, size, configPath(), failure);
    if (!failure.empty()) {
        std::fprintf(stderr, "not a fixed message: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
