// SPDX-License-Identifier: GPL-3.0-or-later
// "quarvel --mesurer IMAGE" ("--measure" in English): an image solved and
// measured with no window, one value a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "image/solve.h"
#include "ui/command_line.h"

namespace quarvel::ui {

struct CommandOutput {
    std::string text;  // for the standard output, or the error output when it failed
    int exitCode = 0;
};

// The measure the command line asks: solved (or read from a FITS file that
// holds its solution, unless "--resoudre" asks), the centre, the sampling
// (arc-seconds per pixel), the field on the sky (degrees across x down), the
// rotation (the top side's position angle, north through east), the mirror,
// the stars' FWHM (pixels) and where the solution comes from, labelled in the
// locale's language, exit code 0; a file that cannot be read or solved gives
// its French message and exit code 1.
CommandOutput measureCommand(const CommandLine& command, std::string_view locale);

// The measure's lines, as the command prints them.
std::string measureLines(const image::Measure& measure, bool english, bool fromFile);

}  // namespace quarvel::ui
