// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the user's image, read as the program reads it: by the image
// reader, a process of its own. The program gets an image of sane size or
// "Impossible d'ouvrir le fichier" with a reason, whatever the decoders do.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/errors.h"
#include "image/image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        char name[] = "/tmp/quarvel-image-fuzz-XXXXXX";
        const int fd = ::mkstemp(name);
        if (fd >= 0) ::close(fd);
        return std::string(name);
    }();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    try {
        const quarvel::image::Image image = quarvel::image::readImage(path);
        if (image.width < quarvel::image::kFewestPixelsAcross || image.height < quarvel::image::kFewestPixelsAcross ||
            image.values.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
            std::abort();
        }
    } catch (const quarvel::core::QuarvelError& e) {
        if (!e.message().starts_with("Impossible d'ouvrir le fichier \"" + path + "\". ")) std::abort();
    }
    return 0;
}
