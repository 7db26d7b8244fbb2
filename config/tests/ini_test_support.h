// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "config/ini_file.h"

namespace quarvel::config {

// One key at a time, each call reading the file and each write replacing it.
class IniFile {
public:
    static constexpr std::size_t kMaxValueLength = IniDocument::kMaxValueLength;

    explicit IniFile(std::string path) : m_path(std::move(path)) {}
    const std::string& path() const { return m_path; }

    std::optional<std::string> readString(std::string_view section, std::string_view key) const {
        return IniDocument(m_path).readString(section, key);
    }
    std::optional<std::int32_t> readInteger(std::string_view section, std::string_view key) const {
        return IniDocument(m_path).readInteger(section, key);
    }
    void writeString(std::string_view section, std::string_view key, std::string_view value) const {
        updateFile(m_path, [&](IniDocument& document) { document.setString(section, key, value); });
    }

private:
    std::string m_path;
};

}  // namespace quarvel::config

namespace quarvel::config::testing {

// A fresh directory for one test, removed afterwards.
class TemporaryDirectory {
public:
    TemporaryDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarvel-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
    }
    ~TemporaryDirectory() {
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(m_path);
    }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Runs an action that returns a text as a user without root's rights, for
// tests of read-only folders: root writes through read-only modes. Not root,
// the action runs here.
inline std::string runUnprivileged(const std::function<std::string()>& action) {
    if (geteuid() != 0) return action();
    int ends[2];
    if (pipe(ends) != 0) return "(no pipe)";
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        const std::string text = (setgid(65534) == 0 && setuid(65534) == 0) ? action() : "(setuid)";
        (void)!write(ends[1], text.data(), text.size());
        _exit(0);
    }
    close(ends[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return text;
}

// Runs an action with files limited to `bytes`: writes beyond fail as on a
// full disk, for root too.
inline void withFileSizeLimit(rlim_t bytes, const std::function<void()>& action) {
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto handler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &tight);
    action();
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, handler);
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace quarvel::config::testing
