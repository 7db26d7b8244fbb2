// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/measure_command.h"

#include "core/errors.h"
#include "core/number_format.h"
#include "image/process.h"
#include "sky/coordinates.h"

namespace quarvel::ui {

std::string measureLines(const image::Measure& measure, bool english, bool fromFile) {
    std::string lines = "centre: " + sky::formatEquatorial(measure.centre) + "\n";
    lines += (english ? "sampling: " : "echantillonnage: ") + core::fixed(measure.arcsecPerPixel, 10, 2) + "\n";
    lines += (english ? "field: " : "champ: ") + core::fixed(measure.widthArcmin / 60, 10, 2) + "° x " +
             core::fixed(measure.heightArcmin / 60, 10, 2) + "°\n";
    lines += "rotation: " + core::fixed(measure.rotationDeg, 10, 1) + "\n";
    lines += english ? (measure.mirrored ? "mirrored: yes\n" : "mirrored: no\n")
                     : (measure.mirrored ? "miroir: oui\n" : "miroir: non\n");
    if (measure.fwhmPixels) lines += "fwhm: " + core::fixed(*measure.fwhmPixels, 10, 1) + "\n";
    lines += english ? (fromFile ? "solution: file\n" : "solution: solve-field\n")
                     : (fromFile ? "solution: fichier\n" : "solution: solve-field\n");
    return lines;
}

CommandOutput measureCommand(const CommandLine& command, std::string_view locale) {
    image::removeLeftSolverFolders();
    try {
        image::SolveHints hints;
        hints.arcsecPerPixel = command.arcsecPerPixel;
        const image::Image picture = image::readImage(command.imagePath);
        const bool english = locale.starts_with("en");
        // A file that holds its solution is not solved again unless asked.
        if (!command.solve) {
            if (const auto measure = image::measureOfSolved(picture)) return CommandOutput{measureLines(*measure, english, true), 0};
        }
        return CommandOutput{measureLines(image::solveImage(picture, command.imagePath, hints), english, false), 0};
    } catch (const core::QuarvelError& e) {
        return CommandOutput{core::errorBoxText(e.message()) + "\n", 1};
    } catch (const std::bad_alloc&) {
        return CommandOutput{core::errorMessageOf(core::ErrorCode::OutOfMemory).text() + "\n", 1};
    }
}

}  // namespace quarvel::ui
