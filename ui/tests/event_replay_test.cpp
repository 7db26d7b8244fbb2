// SPDX-License-Identifier: GPL-3.0-or-later
// The user-event player on the inputs kept from fuzzing (long sequences from
// its corpus, and any input it ever finds a fault with), and on a fixed
// pseudo-random sequence: no crash, only fixed messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "config/tests/ini_test_support.h"
#include "ui/tests/event_player.h"

using quarvel::ui::testing::playEvents;

namespace {

TEST(UserEvents, KeptInputsShowOnlyFixedMessages) {
    quarvel::config::testing::TemporaryDirectory dir;
    const std::filesystem::path folder = QUARVEL_SOURCE_DIR "/fuzz/regressions/events";
    ASSERT_TRUE(std::filesystem::exists(folder));
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string bytes = quarvel::config::testing::readBytes(entry.path().string());
        std::string failure;
        playEvents(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), dir.file("Quarvel.ini"), failure);
        EXPECT_EQ(failure, "") << entry.path();
    }
}

TEST(UserEvents, AFixedRandomSequenceShowsOnlyFixedMessages) {
    quarvel::config::testing::TemporaryDirectory dir;
    std::mt19937 random(20261207);
    std::size_t events = 0;
    for (int run = 0; run < 40; ++run) {
        std::vector<std::uint8_t> bytes(2000);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        std::string failure;
        events += playEvents(bytes.data(), bytes.size(), dir.file("Quarvel.ini"), failure);
        ASSERT_EQ(failure, "") << "run " << run;
    }
    EXPECT_GT(events, 5000u);
}

}  // namespace
