// SPDX-License-Identifier: GPL-3.0-or-later
// The image's reading and solving live in a module of their own, loaded the
// first time an image is measured: cfitsio and LibRaw, and the network
// libraries cfitsio brings, would otherwise be mapped at every start.
#pragma once

#include "image/image.h"
#include "image/solve.h"

namespace quarvel::image {

struct ModuleFunctions {
    Image (*readImage)(const std::string& path, const Decoder& others);
    Measure (*solveImage)(const Image& image, const std::string& path, const SolveHints& hints,
                          const Progress& progress);
    bool (*solverInstalled)();
};

// The module's file name, and the function it gives its functions by.
inline constexpr const char* kModuleFile = "quarvel_image_io.so";
inline constexpr const char* kModuleEntry = "quarvel_image_module";

}  // namespace quarvel::image
