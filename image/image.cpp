// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/image.h"

#include <fitsio.h>
#include <libraw/libraw.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "config/file_io.h"
#include "core/errors.h"
#include "image/messages.h"

namespace quarvel::image {

namespace {

[[noreturn]] void refuse(const std::string& path, std::string_view reason, std::vector<core::Message> values = {}) {
    core::throwCannotOpen(path, core::Message(reason, std::move(values)));
}

void checkSize(const std::string& path, long long width, long long height) {
    if (width < kFewestPixelsAcross || height < kFewestPixelsAcross) {
        refuse(path, kTooSmall, {core::Message::data(std::to_string(kFewestPixelsAcross))});
    }
    if (static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) > kMostPixels) {
        refuse(path, kTooManyPixels, {core::Message::data(std::to_string(kMostPixels / 1'000'000))});
    }
}

bool isFits(std::string_view bytes) { return bytes.substr(0, 9) == "SIMPLE  ="; }

struct FitsCloser {
    void operator()(fitsfile* file) const {
        int status = 0;
        fits_close_file(file, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

// The first image of the file: a grey plane, or the mean of a colour image's
// planes; the FITS rows from the bottom become rows from the top.
Image readFits(const std::string& path, std::string_view bytes) {
    void* memory = const_cast<char*>(bytes.data());  // opened read-only
    std::size_t size = bytes.size();
    fitsfile* opened = nullptr;
    int status = 0;
    if (fits_open_memfile(&opened, "image.fits", READONLY, &memory, &size, 0, nullptr, &status) != 0) {
        refuse(path, kBadFits);
    }
    const FitsFile file(opened);
    int bitpix = 0, axes = 0;
    long sizes[3] = {0, 0, 0};
    for (;;) {
        if (fits_get_img_param(file.get(), 3, &bitpix, &axes, sizes, &status) != 0) refuse(path, kBadFits);
        if (axes >= 2) break;
        if (fits_movrel_hdu(file.get(), 1, nullptr, &status) != 0) refuse(path, kBadFits);
    }
    const long planes = axes >= 3 ? std::max(1L, sizes[2]) : 1;
    if (planes > 4) refuse(path, kBadFits);
    checkSize(path, sizes[0], sizes[1]);
    // A file too short for its pixels is truncated: refused before anything is allocated.
    const int compressed = fits_is_compressed_image(file.get(), &status);
    const unsigned long long dataBytes = static_cast<unsigned long long>(sizes[0]) * static_cast<unsigned long long>(sizes[1]) *
                                         static_cast<unsigned long long>(planes) * static_cast<unsigned long long>(std::abs(bitpix) / 8);
    if (!compressed && dataBytes > bytes.size()) refuse(path, kBadFits);
    Image image;
    image.width = static_cast<int>(sizes[0]);
    image.height = static_cast<int>(sizes[1]);
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    image.values.assign(count, 0.0f);
    std::vector<float> plane(count);
    for (long p = 0; p < planes; ++p) {
        long first[3] = {1, 1, p + 1};
        float nothing = 0;
        int anyNull = 0;
        if (fits_read_pix(file.get(), TFLOAT, first, static_cast<LONGLONG>(count), &nothing, plane.data(), &anyNull,
                          &status) != 0) {
            refuse(path, kBadFits);
        }
        for (int y = 0; y < image.height; ++y) {
            const float* from = plane.data() + static_cast<std::size_t>(image.height - 1 - y) * static_cast<std::size_t>(image.width);
            float* to = image.values.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
            // A blank pixel (NaN in a float image) counts as black.
            for (int x = 0; x < image.width; ++x) {
                if (std::isfinite(from[x])) to[x] += from[x] / static_cast<float>(planes);
            }
        }
    }
    return image;
}

// A camera's raw file: its sensor's levels, each 2 x 2 colour cell one grey
// pixel; nothing when LibRaw does not know the bytes.
std::optional<Image> readRaw(const std::string& path, std::string_view bytes) {
    auto raw = std::make_unique<LibRaw>();
    raw->imgdata.params.max_raw_memory_mb = static_cast<unsigned>(kMostImageBytes >> 20);
    if (raw->open_buffer(const_cast<char*>(bytes.data()), bytes.size()) != LIBRAW_SUCCESS) return std::nullopt;
    const auto& sizes = raw->imgdata.sizes;
    checkSize(path, sizes.width / 2, sizes.height / 2);
    if (raw->unpack() != LIBRAW_SUCCESS || !raw->imgdata.rawdata.raw_image) refuse(path, kBadRaw);
    Image image;
    image.width = sizes.width / 2;
    image.height = sizes.height / 2;
    image.binning = 2;
    image.values.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
    const unsigned short* levels = raw->imgdata.rawdata.raw_image;
    const std::size_t pitch = sizes.raw_pitch / 2;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t row = static_cast<std::size_t>(sizes.top_margin + 2 * y) * pitch;
            const std::size_t column = static_cast<std::size_t>(sizes.left_margin + 2 * x);
            const float sum = static_cast<float>(levels[row + column]) + levels[row + column + 1] +
                              levels[row + pitch + column] + levels[row + pitch + column + 1];
            image.values[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)] = sum;
        }
    }
    return image;
}

}  // namespace

Image readImage(const std::string& path, const Decoder& others) {
    const config::FileRead file = config::readBounded(path, kMostImageBytes);
    if (file.status == config::ReadStatus::TooLarge) {
        refuse(path, core::kFileTooLarge, {core::Message::data(std::to_string(kMostImageBytes >> 20))});
    }
    if (file.status != config::ReadStatus::Read) core::throwCannotOpen(path, config::readFailure(file));
    return decodeImage(path, file.bytes, others);
}

Image decodeImage(const std::string& path, std::string_view bytes, const Decoder& others) {
    if (isFits(bytes)) return readFits(path, bytes);
    // Raw files are TIFF files too: LibRaw first, so that a raw file is not
    // read as its small preview.
    if (auto raw = readRaw(path, bytes)) return std::move(*raw);
    if (others) {
        if (auto image = others(bytes)) {
            checkSize(path, image->width, image->height);
            return std::move(*image);
        }
    }
    refuse(path, kUnknownFormat);
}

void writeFits(const Image& image, const std::string& path) {
    fitsfile* created = nullptr;
    int status = 0;
    const std::string name = "!" + path;  // "!": replaces a file left there
    if (fits_create_file(&created, name.c_str(), &status) != 0) core::throwCannotWrite(path);
    const FitsFile file(created);
    long sizes[2] = {image.width, image.height};
    std::vector<float> rows(image.values.size());
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(image.values.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width,
                    rows.begin() + static_cast<std::ptrdiff_t>(image.height - 1 - y) * image.width);
    }
    long first[2] = {1, 1};
    if (fits_create_img(file.get(), FLOAT_IMG, 2, sizes, &status) != 0 ||
        fits_write_pix(file.get(), TFLOAT, first, static_cast<LONGLONG>(rows.size()), rows.data(), &status) != 0) {
        core::throwCannotWrite(path);
    }
}

}  // namespace quarvel::image
