// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the image module: found beside the program, or in
// its install's library folder, and loaded once, when first needed.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <mutex>
#include <string>
#include <vector>

#include "core/errors.h"
#include "image/module.h"

namespace quarvel::image {

namespace {

std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.find_last_of('/'));
}

const ModuleFunctions& module() {
    static const ModuleFunctions* functions = nullptr;
    static std::string failure;
    static std::once_flag once;
    std::call_once(once, [] {
        const std::string folder = programFolder();
        // Beside the program (a portable install, the build), above it (the
        // build's tests) or in the install's library folder.
        const std::vector<std::string> candidates{folder + "/" + kModuleFile, folder + "/../" + kModuleFile,
                                                  folder + "/" + QUARVEL_MODULE_FROM_PROGRAM + "/" + kModuleFile};
        for (const std::string& candidate : candidates) {
            if (::access(candidate.c_str(), R_OK) != 0) continue;
            void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                const char* why = ::dlerror();
                failure = why ? why : candidate;
                continue;
            }
            using Entry = const ModuleFunctions* (*)();
            if (auto entry = reinterpret_cast<Entry>(::dlsym(handle, kModuleEntry))) {
                functions = entry();
                return;
            }
        }
        if (failure.empty()) failure = "introuvable";
    });
    if (!functions) core::throwCannotOpen(kModuleFile, core::Message::data(failure));
    return *functions;
}

}  // namespace

Image readImage(const std::string& path, const Decoder& others) { return module().readImage(path, others); }

Measure solveImage(const Image& image, const std::string& path, const SolveHints& hints, const Progress& progress) {
    return module().solveImage(image, path, hints, progress);
}

bool solverInstalled() {
    try {
        return module().solverInstalled();
    } catch (const core::QuarvelError&) {
        return false;
    }
}

}  // namespace quarvel::image
