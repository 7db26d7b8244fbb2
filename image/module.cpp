// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/module.h"

extern "C" __attribute__((visibility("default"))) const quarvel::image::ModuleFunctions* quarvel_image_module() {
    static const quarvel::image::ModuleFunctions functions{&quarvel::image::readImage, &quarvel::image::solveImage,
                                                           &quarvel::image::solverInstalled};
    return &functions;
}
