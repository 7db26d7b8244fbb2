// SPDX-License-Identifier: GPL-3.0-or-later
// quarvel-image: the program's helper for the user's images, a process of
// its own, so that a fault, a hang or a hunger for memory stays here.
//
//   quarvel-image --decode PATH
//     decodes the image and writes the reply of image/reply.h to its
//     standard output; bounded in processor time and address space, ended
//     with the program that started it.
//   quarvel-image --keep FOLDER PROGRAM ARGUMENT...
//     runs the solver PROGRAM, its output in FOLDER/solve.log, in a process
//     group of its own, for as long as the program that started it holds
//     the other end of its standard input: when that closes (the program
//     cancels, or ends in any way), the solver's whole group is stopped and
//     FOLDER removed. Exits with the solver's exit code, or 128 and its signal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <new>
#include <string>

#include "config/file_io.h"
#include "core/errors.h"
#include "image/image.h"
#include "image/messages.h"
#include "image/reply.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUARVEL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARVEL_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

using namespace quarvel;

// Ends with the program that started it, even when that one is killed.
void endWithParent(pid_t parent) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(1);
}

void limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit bound{soft, hard};
    ::setrlimit(resource, &bound);
}

int decode(const std::string& path, pid_t parent) {
    endWithParent(parent);
    limit(RLIMIT_CPU, image::kDecodeSeconds, image::kDecodeSeconds + 5);
    limit(RLIMIT_CORE, 0, 0);
#ifndef QUARVEL_ADDRESS_SANITIZER
    // AddressSanitizer's shadow memory takes terabytes of address space.
    limit(RLIMIT_AS, image::kDecodeBytes, image::kDecodeBytes);
#endif
    ::signal(SIGPIPE, SIG_IGN);
    try {
        const config::MappedFile file(path, image::kMostImageBytes);
        const config::FileRead& status = file.status();
        if (status.status == config::ReadStatus::TooLarge) {
            core::throwCannotOpen(path, core::Message(core::kFileTooLarge,
                                                      {core::Message::data(std::to_string(image::kMostImageBytes >> 20))}));
        }
        if (status.status != config::ReadStatus::Read) core::throwCannotOpen(path, config::readFailure(status));
        const image::Image decoded = image::decodeImage(path, file.bytes());
        return image::reply::writeImage(STDOUT_FILENO, decoded) ? 0 : 1;
    } catch (const core::QuarvelError& e) {
        // The reason: the second value of "Impossible d'ouvrir le fichier".
        const auto& values = e.shown().values();
        image::reply::writeFailure(STDOUT_FILENO, values.size() == 2 ? values[1] : core::Message::data(e.message()));
    } catch (const std::bad_alloc&) {
        image::reply::writeFailure(
            STDOUT_FILENO, core::Message(image::kReaderOutOfMemory, {core::Message::data(std::to_string(image::kDecodeBytes >> 20))}));
    }
    return 1;
}

int keep(const std::string& folder, char** command) {
    // Held while the folder is in use: a later start removes it only once no
    // solve holds it.
    const int held = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (held >= 0) ::flock(held, LOCK_SH);
    const std::string log = folder + "/solve.log";
    const pid_t keeper = ::getpid();
    const pid_t solver = ::fork();
    if (solver == 0) {
        ::setpgid(0, 0);
        endWithParent(keeper);
        const int output = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (nothing >= 0) ::dup2(nothing, STDIN_FILENO);
        if (output >= 0) {
            ::dup2(output, STDOUT_FILENO);
            ::dup2(output, STDERR_FILENO);
        }
        ::execv(command[0], command);
        ::_exit(127);
    }
    if (solver < 0) return 126;
    ::setpgid(solver, solver);
    for (;;) {
        int status = 0;
        if (::waitpid(solver, &status, WNOHANG) == solver) {
            ::kill(-solver, SIGKILL);  // what it left running
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        pollfd word{STDIN_FILENO, POLLIN, 0};
        if (::poll(&word, 1, 100) > 0) {
            // The program is done with this solve, or gone.
            ::kill(-solver, SIGTERM);
            for (int i = 0; i < 10 && ::waitpid(solver, &status, WNOHANG) != solver; ++i) ::usleep(100'000);
            ::kill(-solver, SIGKILL);
            ::waitpid(solver, &status, 0);
            std::error_code error;
            std::filesystem::remove_all(folder, error);
            return 3;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const pid_t parent = ::getppid();
    if (argc == 3 && std::strcmp(argv[1], "--decode") == 0) return decode(argv[2], parent);
    if (argc >= 4 && std::strcmp(argv[1], "--keep") == 0) return keep(argv[2], argv + 3);
    return 2;
}
