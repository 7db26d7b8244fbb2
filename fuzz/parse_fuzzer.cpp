// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a real and as a whole number: a value or the conversion message
// quoting the text, never a crash.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "core/number_format.h"
#include "core/parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = quarvel::core::parseReal(text);
        // What we write can be read again.
        (void)quarvel::core::parseReal(quarvel::core::shortest(value));
        (void)quarvel::core::fixed(value, 5, 2);
    } catch (const quarvel::core::QuarvelError& e) {
        if (e.message() != "'" + text + "' n'est pas une valeur en virgule flottante correcte") std::abort();
    }
    try {
        const std::int32_t value = quarvel::core::parseInteger(text);
        if (quarvel::core::parseInteger(std::to_string(value)) != value) std::abort();
    } catch (const quarvel::core::QuarvelError& e) {
        if (e.message() != "'" + text + "' n'est pas une valeur entière correcte") std::abort();
    }
    return 0;
}
