// SPDX-License-Identifier: GPL-3.0-or-later
// The image reader's decoders of FITS files (cfitsio) and camera raw files
// (LibRaw), and the choice of a decoder by the file's first bytes.
#include <fitsio.h>
#include <libraw/libraw.h>

#include <cmath>
#include <numbers>
#include <memory>
#include <string_view>

#include "image/levels.h"
#include "image/messages.h"

namespace quarvel::image {

namespace decoding {

void checkSize(const std::string& path, long long width, long long height) {
    if (width < kFewestPixelsAcross || height < kFewestPixelsAcross) {
        refuse(path, kTooSmall, {core::Message::data(std::to_string(kFewestPixelsAcross))});
    }
    if (static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height) > kMostPixels) {
        refuse(path, kTooManyPixels, {core::Message::data(std::to_string(kMostPixels / 1'000'000))});
    }
}

Image blankImage(int width, int height) {
    Image image;
    image.width = width;
    image.height = height;
    image.values.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    return image;
}

}  // namespace decoding

namespace {

using decoding::refuse;

bool isFits(std::string_view bytes) { return bytes.substr(0, 9) == "SIMPLE  ="; }

struct FitsCloser {
    void operator()(fitsfile* file) const {
        int status = 0;
        fits_close_file(file, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

// The image's celestial solution, when its header holds a whole one on
// RA---TAN and DEC--TAN axes: a CD matrix, or CDELT with PC or CROTA2.
// Reference: Greisen & Calabretta (2002), A&A 395, 1061, sect. 2.1.2 and
// 6.1 (CROTA2: CD1_1 = CDELT1 cos, CD1_2 = -CDELT2 sin, CD2_1 = CDELT1 sin,
// CD2_2 = CDELT2 cos).
std::optional<Wcs> celestialWcs(fitsfile* file) {
    char type1[FLEN_VALUE] = "", type2[FLEN_VALUE] = "";
    int status = 0;
    fits_read_key(file, TSTRING, "CTYPE1", type1, nullptr, &status);
    fits_read_key(file, TSTRING, "CTYPE2", type2, nullptr, &status);
    if (status != 0 || !std::string_view(type1).starts_with("RA---TAN") || !std::string_view(type2).starts_with("DEC--TAN")) {
        return std::nullopt;
    }
    const auto key = [file](const char* name) -> std::optional<double> {
        double value = 0;
        int missing = 0;
        if (fits_read_key(file, TDOUBLE, name, &value, nullptr, &missing) != 0 || !std::isfinite(value)) return std::nullopt;
        return value;
    };
    Wcs wcs;
    const std::pair<const char*, double*> reference[] = {
        {"CRVAL1", &wcs.crval1}, {"CRVAL2", &wcs.crval2}, {"CRPIX1", &wcs.crpix1}, {"CRPIX2", &wcs.crpix2}};
    for (const auto& [name, value] : reference) {
        const auto read = key(name);
        if (!read) return std::nullopt;
        *value = *read;
    }
    const auto cd11 = key("CD1_1"), cd12 = key("CD1_2"), cd21 = key("CD2_1"), cd22 = key("CD2_2");
    if (cd11 || cd12 || cd21 || cd22) {
        wcs.cd11 = cd11.value_or(0), wcs.cd12 = cd12.value_or(0), wcs.cd21 = cd21.value_or(0), wcs.cd22 = cd22.value_or(0);
    } else {
        const auto delta1 = key("CDELT1"), delta2 = key("CDELT2");
        if (!delta1 || !delta2) return std::nullopt;
        const auto pc11 = key("PC1_1"), pc12 = key("PC1_2"), pc21 = key("PC2_1"), pc22 = key("PC2_2");
        if (pc11 || pc12 || pc21 || pc22) {
            wcs.cd11 = *delta1 * pc11.value_or(1), wcs.cd12 = *delta1 * pc12.value_or(0);
            wcs.cd21 = *delta2 * pc21.value_or(0), wcs.cd22 = *delta2 * pc22.value_or(1);
        } else {
            const double turn = key("CROTA2").value_or(0) * std::numbers::pi / 180;
            wcs.cd11 = *delta1 * std::cos(turn), wcs.cd12 = -*delta2 * std::sin(turn);
            wcs.cd21 = *delta1 * std::sin(turn), wcs.cd22 = *delta2 * std::cos(turn);
        }
    }
    if (wcs.cd11 * wcs.cd22 - wcs.cd12 * wcs.cd21 == 0) return std::nullopt;
    return wcs;
}

// Rows are read a band at a time, a few megabytes of levels each, so that
// a compressed file's tiles are decompressed about once.
constexpr long kBandLevels = 4'000'000;

// The first image of the file: a grey plane, or the mean of a colour image's
// planes; the FITS rows from the bottom become rows from the top. 8- and
// 16-bit levels are kept as they are; others are spread from the lowest to
// the highest over the 16 bits.
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
    decoding::checkSize(path, sizes[0], sizes[1]);
    // A file too short for its pixels, or for a compressed image's table, is
    // truncated: refused before anything is allocated or read past its end.
    LONGLONG headerStart = 0, dataStart = 0, dataEnd = 0;
    if (fits_get_hduaddrll(file.get(), &headerStart, &dataStart, &dataEnd, &status) != 0 ||
        static_cast<unsigned long long>(dataEnd) > bytes.size()) {
        refuse(path, kBadFits);
    }
    const int compressed = fits_is_compressed_image(file.get(), &status);
    const unsigned long long dataBytes = static_cast<unsigned long long>(sizes[0]) * static_cast<unsigned long long>(sizes[1]) *
                                         static_cast<unsigned long long>(planes) * static_cast<unsigned long long>(std::abs(bitpix) / 8);
    if (!compressed && dataBytes > bytes.size()) refuse(path, kBadFits);
    int type = bitpix;
    if (fits_get_img_equivtype(file.get(), &type, &status) != 0) refuse(path, kBadFits);

    Image image = decoding::blankImage(static_cast<int>(sizes[0]), static_cast<int>(sizes[1]));
    image.wcs = celestialWcs(file.get());
    const long width = sizes[0], height = sizes[1];
    const long band = std::clamp(kBandLevels / width, 1L, height);
    std::vector<double> levels(static_cast<std::size_t>(band * width));
    std::vector<double> grey(levels.size());
    // Each band's grey levels, FITS row `first` (from 1, upwards) and the `rows` after it.
    const auto forEachBand = [&](const auto& use) {
        for (long first = 1; first <= height; first += band) {
            const long rows = std::min(band, height - first + 1);
            const auto count = static_cast<std::size_t>(rows * width);
            std::fill_n(grey.begin(), count, 0.0);
            for (long p = 0; p < planes; ++p) {
                long from[3] = {1, first, p + 1};
                if (fits_read_pix(file.get(), TDOUBLE, from, static_cast<LONGLONG>(count), nullptr, levels.data(),
                                  nullptr, &status) != 0) {
                    refuse(path, kBadFits);
                }
                for (std::size_t i = 0; i < count; ++i) grey[i] += levels[i] / static_cast<double>(planes);
            }
            use(first, rows);
        }
    };
    std::optional<decoding::LevelMap> map;
    if (type == BYTE_IMG || type == USHORT_IMG) {
        map.emplace(0, 65535);
    } else if (type == SBYTE_IMG || type == SHORT_IMG) {
        map.emplace(type == SHORT_IMG ? -32768 : -128, type == SHORT_IMG ? 32767 : 127);
    } else {
        decoding::LevelRange range;
        forEachBand([&](long, long rows) {
            for (std::size_t i = 0; i < static_cast<std::size_t>(rows * width); ++i) range.see(grey[i]);
        });
        map.emplace(range.map());
    }
    forEachBand([&](long first, long rows) {
        for (long r = 0; r < rows; ++r) {
            const double* from = grey.data() + r * width;
            std::uint16_t* to = image.values.data() + (height - first - r) * width;
            for (long x = 0; x < width; ++x) to[x] = (*map)(from[x]);
        }
    });
    return image;
}

// A camera's raw file: its sensor's levels, each 2 x 2 colour cell one grey
// pixel (their sum, or their mean where the sum would pass 16 bits);
// nothing when LibRaw does not know the bytes.
std::optional<Image> readRaw(const std::string& path, std::string_view bytes) {
    auto raw = std::make_unique<LibRaw>();
    raw->imgdata.params.max_raw_memory_mb = static_cast<unsigned>(kMostImageBytes >> 20);
    if (raw->open_buffer(const_cast<char*>(bytes.data()), bytes.size()) != LIBRAW_SUCCESS) return std::nullopt;
    const auto& sizes = raw->imgdata.sizes;
    decoding::checkSize(path, sizes.width / 2, sizes.height / 2);
    if (raw->unpack() != LIBRAW_SUCCESS || !raw->imgdata.rawdata.raw_image) refuse(path, kBadRaw);
    if (sizes.raw_pitch / 2 < static_cast<unsigned>(sizes.left_margin + sizes.width) ||
        sizes.raw_height < sizes.top_margin + sizes.height) {
        refuse(path, kBadRaw);
    }
    Image image = decoding::blankImage(sizes.width / 2, sizes.height / 2);
    image.binning = 2;
    const unsigned short* levels = raw->imgdata.rawdata.raw_image;
    const std::size_t pitch = sizes.raw_pitch / 2;
    const bool mean = 4.0 * raw->imgdata.color.maximum > 65535 || raw->imgdata.color.maximum == 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t row = static_cast<std::size_t>(sizes.top_margin + 2 * y) * pitch;
            const std::size_t column = static_cast<std::size_t>(sizes.left_margin + 2 * x);
            const unsigned sum = unsigned{levels[row + column]} + levels[row + column + 1] + levels[row + pitch + column] +
                                 levels[row + pitch + column + 1];
            image.values[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x)] =
                static_cast<std::uint16_t>(mean ? (sum + 2) / 4 : std::min(sum, 65535u));
        }
    }
    return image;
}

}  // namespace

Image decodeImage(const std::string& path, std::string_view bytes) {
    if (isFits(bytes)) return readFits(path, bytes);
    // Raw files are TIFF files too: LibRaw first, so that a raw file is not
    // read as its small preview.
    if (auto raw = readRaw(path, bytes)) return std::move(*raw);
    for (const auto decoder : {decoding::decodePng, decoding::decodeJpeg, decoding::decodeTiff}) {
        if (auto image = decoder(path, bytes)) return std::move(*image);
    }
    refuse(path, kUnknownFormat);
}

}  // namespace quarvel::image
