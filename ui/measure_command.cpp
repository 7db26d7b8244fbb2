// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/measure_command.h"

#include "core/errors.h"
#include "core/number_format.h"
#include "image/process.h"
#include "sky/coordinates.h"

namespace quarvel::ui {

std::string measureLines(const image::Measure& measure, bool english) {
    std::string lines = "centre: " + sky::formatEquatorial(measure.centre) + "\n";
    lines += (english ? "sampling: " : "echantillonnage: ") + core::fixed(measure.arcsecPerPixel, 10, 2) + "\n";
    lines += "rotation: " + core::fixed(measure.rotationDeg, 10, 1) + "\n";
    lines += english ? (measure.mirrored ? "mirrored: yes\n" : "mirrored: no\n")
                     : (measure.mirrored ? "miroir: oui\n" : "miroir: non\n");
    if (measure.fwhmPixels) lines += "fwhm: " + core::fixed(*measure.fwhmPixels, 10, 1) + "\n";
    return lines;
}

CommandOutput measureCommand(const CommandLine& command, std::string_view locale) {
    image::removeLeftSolverFolders();
    try {
        image::SolveHints hints;
        hints.arcsecPerPixel = command.arcsecPerPixel;
        const image::Image picture = image::readImage(command.imagePath);
        return CommandOutput{measureLines(image::solveImage(picture, command.imagePath, hints), locale.starts_with("en")), 0};
    } catch (const core::QuarvelError& e) {
        return CommandOutput{core::errorBoxText(e.message()) + "\n", 1};
    } catch (const std::bad_alloc&) {
        return CommandOutput{core::errorMessageOf(core::ErrorCode::OutOfMemory).text() + "\n", 1};
    }
}

}  // namespace quarvel::ui
