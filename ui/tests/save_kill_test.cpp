// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the program at random moments while it saves: the file is always the
// old complete file or the new one, and the next save leaves no temporary.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "config/tests/ini_test_support.h"

namespace {

using quarvel::config::testing::readBytes;
using quarvel::config::testing::TemporaryDirectory;

int runOnce(const std::string& path, const char* diameter) {
    const pid_t child = fork();
    if (child == 0) {
        execl(SAVE_LOOP, SAVE_LOOP, path.c_str(), diameter, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts the saving loop, waits until it is up, lets it save for a moment
// and kills it.
void killWhileSaving(const std::string& path, int microseconds) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(ends[1], STDOUT_FILENO);
        close(ends[0]);
        execl(SAVE_LOOP, SAVE_LOOP, path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    char ready = 0;
    ASSERT_EQ(read(ends[0], &ready, 1), 1);
    close(ends[0]);
    usleep(static_cast<useconds_t>(microseconds));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

// Two instances on one configuration folder, each saving and adding at once:
// no save fails for the other's, and no row either adds is lost.
TEST(SaveKill, TwoInstancesSaveAndAddTogether) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    constexpr int kRounds = 40;
    pid_t children[2];
    const char* tags[] = {"A", "B"};
    for (int i = 0; i < 2; ++i) {
        children[i] = fork();
        if (children[i] == 0) {
            execl(SAVE_LOOP, SAVE_LOOP, path.c_str(), "--rounds", std::to_string(kRounds).c_str(), tags[i],
                  static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "messages shown: " << WEXITSTATUS(status);
    }
    const std::string equipment = readBytes(dir.file("Quarvel-equipements.ini"));
    for (const char* tag : tags) {
        for (int i = 0; i < kRounds; ++i) {
            EXPECT_NE(equipment.find("[T\xE9lescope " + std::string(tag) + std::to_string(i) + "]"), std::string::npos)
                << tag << i;
        }
    }
    EXPECT_TRUE(readBytes(path).starts_with("[parametres]\r\n"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

std::size_t filesIn(const std::string& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(SaveKill, TheFileIsAlwaysOneWholeSave) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    ASSERT_EQ(runOnce(path, "200"), 0);
    const std::string with200 = readBytes(path);
    ASSERT_EQ(runOnce(path, "300"), 0);
    const std::string with300 = readBytes(path);
    ASSERT_NE(with200, with300);

    std::mt19937 random(20261207);
    int killedMidSave = 0;
    bool saved = true;
    for (int i = 0; i < 120; ++i) {
        if (i % 4 == 0) {
            std::filesystem::remove(path);  // the first save
            saved = false;
        }
        killWhileSaving(path, std::uniform_int_distribution<int>(0, 3000)(random));
        if (filesIn(dir.path()) > (std::filesystem::exists(path) ? 1u : 0u)) ++killedMidSave;
        if (!std::filesystem::exists(path)) {
            EXPECT_FALSE(saved) << "the file vanished at kill " << i;
            continue;
        }
        saved = true;
        const std::string bytes = readBytes(path);
        EXPECT_TRUE(bytes == with200 || bytes == with300) << "kill " << i << ":\n" << bytes;
    }
    std::cout << killedMidSave << " of 120 kills left a temporary file behind\n";
    ASSERT_EQ(runOnce(path, "200"), 0);
    EXPECT_EQ(readBytes(path), with200);
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

}  // namespace
