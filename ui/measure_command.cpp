// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/measure_command.h"

#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
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

std::optional<CommandOutput> measureCommand(int argc, const char* const* argv, std::string_view locale,
                                            const image::Decoder& decoder) {
    std::optional<std::string> path;
    std::optional<std::string> sampling;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--mesurer" || argument == "--measure") path = argv[++i];
        else if (argument == "--echantillonnage" || argument == "--sampling") sampling = argv[++i];
    }
    if (!path) return std::nullopt;
    try {
        image::SolveHints hints;
        if (sampling) {
            const double value = core::parseReal(*sampling);
            if (!(value > 0)) core::throwNotAReal(*sampling);
            hints.arcsecPerPixel = value;
        }
        const image::Image picture = image::readImage(*path, decoder);
        return CommandOutput{measureLines(image::solveImage(picture, *path, hints), locale.starts_with("en")), 0};
    } catch (const core::QuarvelError& e) {
        return CommandOutput{core::errorBoxText(e.message()) + "\n", 1};
    } catch (const std::bad_alloc&) {
        return CommandOutput{core::errorMessageOf(core::ErrorCode::OutOfMemory).text() + "\n", 1};
    }
}

}  // namespace quarvel::ui
