// SPDX-License-Identifier: GPL-3.0-or-later
// The image read by the image reader, a process of its own bounded in time
// and memory: whatever its decoders do with a damaged file, the program
// gets an image or a message.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <thread>

#include "core/errors.h"
#include "image/messages.h"
#include "image/process.h"
#include "image/reply.h"

extern char** environ;

namespace quarvel::image {

namespace {

std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.find_last_of('/'));
}

// Reads up to `size` bytes into `into`, waiting for the reader until the
// time is up: how many came before it closed its output; nothing at the time limit.
std::optional<std::size_t> readSome(int fd, char* into, std::size_t size, std::chrono::steady_clock::time_point until) {
    std::size_t got = 0;
    while (got < size) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd wanted{fd, POLLIN, 0};
        const int ready = ::poll(&wanted, 1, static_cast<int>(std::min<long long>(left.count(), 1000)));
        if (ready <= 0) continue;
        const ssize_t n = ::read(fd, into + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    void reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

// The reader's reply: the image, read straight into its levels once its
// size is known and within the bounds the reader works to; else the bytes
// of a failure. Nothing at the time limit.
struct Reply {
    std::optional<Image> image;
    std::string failure;
};
std::optional<Reply> readReply(int fd, std::chrono::steady_clock::time_point until) {
    Reply reply;
    char header[reply::kImageHeaderBytes];
    const auto got = readSome(fd, header, sizeof header, until);
    if (!got) return std::nullopt;
    reply.failure.assign(header, *got);
    if (*got == sizeof header && reply.failure.starts_with(reply::kImage)) {
        std::uint32_t numbers[4];
        std::memcpy(numbers, header + reply::kImage.size(), sizeof numbers);
        const auto [width, height, binning, hasWcs] = numbers;
        if (width >= kFewestPixelsAcross && height >= kFewestPixelsAcross && binning >= 1 && binning <= 2 &&
            hasWcs <= 1 && static_cast<std::uint64_t>(width) * height <= kMostPixels) {
            Image image;
            image.width = static_cast<int>(width);
            image.height = static_cast<int>(height);
            image.binning = static_cast<int>(binning);
            if (hasWcs == 1) {
                Wcs wcs;
                const char* at = header + reply::kImage.size() + sizeof numbers;
                for (double* number : reply::wcsNumbers(wcs)) {
                    std::memcpy(number, at, sizeof(double));
                    at += sizeof(double);
                }
                image.wcs = wcs;
            }
            image.values.resize(static_cast<std::size_t>(width) * height);
            const std::size_t size = image.values.size() * sizeof(std::uint16_t);
            const auto levels = readSome(fd, reinterpret_cast<char*>(image.values.data()), size, until);
            if (!levels) return std::nullopt;
            char more;
            if (*levels == size && readSome(fd, &more, 1, until) == std::optional<std::size_t>(0)) reply.image = std::move(image);
            return reply;
        }
    }
    // A failure's reply is short: what passes the bound is not one.
    std::string rest(64 * 1024, '\0');
    const auto tail = readSome(fd, rest.data(), rest.size(), until);
    if (!tail) return std::nullopt;
    reply.failure.append(rest, 0, *tail);
    return reply;
}

}  // namespace

std::string readerProgram() {
    static const std::string found = [] {
        const std::string folder = programFolder();
        for (const std::string& candidate : {folder + "/" + kReaderFile, folder + "/../" + kReaderFile,
                                             folder + "/" + QUARVEL_READER_FROM_PROGRAM + "/" + kReaderFile}) {
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        return std::string();
    }();
    if (found.empty()) {
        core::throwCannotOpen(kReaderFile, core::Message(kReaderMissing, {core::Message::data(kReaderFile)}));
    }
    return found;
}

pid_t startProgram(const std::string& program, const std::vector<std::string>& arguments, int input, int output,
                   bool ownGroup) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const auto& [fd, target] : {std::pair{input, STDIN_FILENO}, {output, STDOUT_FILENO}}) {
        if (fd >= 0) {
            posix_spawn_file_actions_adddup2(&actions, fd, target);
        } else {
            posix_spawn_file_actions_addopen(&actions, target, "/dev/null", O_RDWR, 0);
        }
    }
    // The libraries' own warnings are not the program's to show.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGCHLD}) sigaddset(&defaults, signal);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (ownGroup) {
        flags |= POSIX_SPAWN_SETPGROUP;
        posix_spawnattr_setpgroup(&attributes, 0);
    }
    posix_spawnattr_setflags(&attributes, flags);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return pid;
}

bool waitFor(pid_t pid, double seconds, int& status) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid || (done < 0 && errno != EINTR)) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

Image readImage(const std::string& path) {
    const std::string reader = readerProgram();
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) core::throwCannotOpen(path, core::Message::data(std::strerror(errno)));
    Descriptor output(ends[0]), input(ends[1]);
    const pid_t pid = startProgram(reader, {"--decode", path}, -1, input.get(), false);
    if (pid < 0) core::throwCannotOpen(path, core::Message(kReaderMissing, {core::Message::data(reader)}));
    input.reset();
    auto reply = readReply(output.get(), std::chrono::steady_clock::now() + std::chrono::seconds(kDecodeSeconds));
    int status = 0;
    if (!reply || !waitFor(pid, 1, status)) {
        ::kill(pid, SIGKILL);
        waitFor(pid, 5, status);
        core::throwCannotOpen(path, core::Message(kReaderTimedOut, {core::Message::data(std::to_string(kDecodeSeconds))}));
    }
    const bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (finished && reply->image) return std::move(*reply->image);
    if (auto reason = reply::failureOf(reply->failure)) core::throwCannotOpen(path, std::move(*reason));
    // Killed at its processor time, or ended by its fault.
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) {
        core::throwCannotOpen(path, core::Message(kReaderTimedOut, {core::Message::data(std::to_string(kDecodeSeconds))}));
    }
    const std::string how = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                                : "code " + std::to_string(WEXITSTATUS(status));
    core::throwCannotOpen(path, core::Message(kReaderCrashed, {core::Message::data(how)}));
}

}  // namespace quarvel::image
