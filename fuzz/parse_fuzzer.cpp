// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a real, as a whole number and as a position on the sky: a value
// or the conversion message quoting the text, never a crash; a position
// written is read back to the same place.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "sky/coordinates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = quarvel::core::parseReal(text);
        // What we write can be read again.
        (void)quarvel::core::parseReal(quarvel::core::shortest(value));
        (void)quarvel::core::fixed(value, 5, 2);
    } catch (const quarvel::core::QuarvelError& e) {
        // A long text is quoted shortened.
        const std::string quoted = quarvel::core::quotedText(text);
        if (e.message() != "'" + quoted + "' n'est pas une valeur en virgule flottante correcte") std::abort();
    }
    try {
        const std::int32_t value = quarvel::core::parseInteger(text);
        if (quarvel::core::parseInteger(std::to_string(value)) != value) std::abort();
    } catch (const quarvel::core::QuarvelError& e) {
        if (e.message() != "'" + quarvel::core::quotedText(text) + "' n'est pas une valeur entière correcte") {
            std::abort();
        }
    }
    if (const auto place = quarvel::sky::parseEquatorial(text)) {
        if (!(place->raDeg >= 0 && place->raDeg < 360 && place->decDeg >= -90 && place->decDeg <= 90)) std::abort();
        const auto back = quarvel::sky::parseEquatorial(quarvel::sky::formatEquatorial(*place));
        if (!back || quarvel::sky::separationDeg(*back, *place) > 1.0 / 3600) std::abort();
    }
    return 0;
}
