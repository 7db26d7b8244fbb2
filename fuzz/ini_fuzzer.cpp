// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as Quarvel.ini: reading every key and writing one must neither
// crash nor hang, and a key just written must be found again.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "config/settings.h"
#include "core/errors.h"

namespace {

std::string scratchFile() {
    static const std::string path = [] {
        std::string pattern = "/tmp/quarvel-fuzz-XXXXXX";
        const char* dir = mkdtemp(pattern.data());
        return std::string(dir ? dir : "/tmp") + "/Quarvel.ini";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = scratchFile();
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    const auto settings = quarvel::config::readSettings(quarvel::config::IniDocument(path));
    try {
        quarvel::config::updateFile(path, [&](quarvel::config::IniDocument& document) {
            document.setString(quarvel::config::kSection, quarvel::config::kKeyCamera, settings.telescope);
        });
    } catch (const quarvel::core::QuarvelError&) {
        return 0;
    }
    // The key just written must be found again, whatever surrounded it.
    if (!quarvel::config::IniDocument(path).readString(quarvel::config::kSection, quarvel::config::kKeyCamera)) std::abort();
    return 0;
}
