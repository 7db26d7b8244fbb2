// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a Rice-compressed 16-bit FITS image with cfitsio, 512 x 512 pixels
// or the size given (stars on a noisy sky, the same bytes at every run),
// then changes the bytes at the offsets given, for the image reader's tests
// of damaged files and odd shapes.
//
// damaged_fits OUT [WIDTHxHEIGHT] [--wcs RA DEC ARCSEC_PER_PX] [OFFSET[=VALUE]]...
//   --wcs: the header holds that solution, north up and east left, about
//   the image's middle; each OFFSET's byte is inverted, or set to VALUE (0 to 255).
#include <fitsio.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: damaged_fits OUT [OFFSET[=VALUE]]...\n", stderr);
        return 2;
    }
    const std::string out = argv[1];
    long width = 512, height = 512;
    int first = 2;
    if (argc > 2 && std::string(argv[2]).find('x') != std::string::npos) {
        std::sscanf(argv[2], "%ldx%ld", &width, &height);
        first = 3;
    }
    bool solved = false;
    double ra = 0, dec = 0, scale = 0;
    if (argc > first + 3 && std::string(argv[first]) == "--wcs") {
        ra = std::atof(argv[first + 1]);
        dec = std::atof(argv[first + 2]);
        scale = std::atof(argv[first + 3]) / 3600;
        solved = true;
        first += 4;
    }
    std::vector<unsigned short> levels(static_cast<std::size_t>(width * height));
    std::mt19937 random(42);
    std::normal_distribution<double> noise(1000, 30);
    for (auto& level : levels) level = static_cast<unsigned short>(std::lround(noise(random)));
    std::uniform_real_distribution<double> across(10, static_cast<double>(width) - 10), down(10, static_cast<double>(height) - 10);
    for (int star = 0; star < 60; ++star) {
        const double cx = across(random), cy = down(random), peak = 500 + 200 * star;
        for (long y = std::max(0L, static_cast<long>(cy) - 10); y < std::min(height, static_cast<long>(cy) + 11); ++y) {
            for (long x = std::max(0L, static_cast<long>(cx) - 10); x < std::min(width, static_cast<long>(cx) + 11); ++x) {
                const double r2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
                if (r2 > 100) continue;
                const double v = levels[static_cast<std::size_t>(y * width + x)] + peak * std::exp(-r2 / 4.5);
                levels[static_cast<std::size_t>(y * width + x)] = static_cast<unsigned short>(std::min(v, 65535.0));
            }
        }
    }
    fitsfile* file = nullptr;
    int status = 0;
    const std::string name = "!" + out + "[compress R]";
    long sizes[2] = {width, height};
    long start[2] = {1, 1};
    fits_create_file(&file, name.c_str(), &status);
    fits_create_img(file, USHORT_IMG, 2, sizes, &status);
    fits_write_pix(file, TUSHORT, start, width * height, levels.data(), &status);
    if (solved) {
        char raType[] = "RA---TAN", decType[] = "DEC--TAN";
        fits_write_key(file, TSTRING, "CTYPE1", raType, nullptr, &status);
        fits_write_key(file, TSTRING, "CTYPE2", decType, nullptr, &status);
        double crpix1 = (width + 1) / 2.0, crpix2 = (height + 1) / 2.0, cd11 = -scale, cd22 = scale, zero = 0;
        fits_write_key(file, TDOUBLE, "CRVAL1", &ra, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CRVAL2", &dec, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CRPIX1", &crpix1, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CRPIX2", &crpix2, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CD1_1", &cd11, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CD1_2", &zero, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CD2_1", &zero, nullptr, &status);
        fits_write_key(file, TDOUBLE, "CD2_2", &cd22, nullptr, &status);
    }
    fits_close_file(file, &status);
    if (status != 0) {
        fits_report_error(stderr, status);
        return 1;
    }
    FILE* written = std::fopen(out.c_str(), "r+b");
    if (!written) return 1;
    for (int i = first; i < argc; ++i) {
        char* end = nullptr;
        const long offset = std::strtol(argv[i], &end, 10);
        std::fseek(written, offset, SEEK_SET);
        const int old = std::fgetc(written);
        if (old == EOF) return 1;
        const int value = *end == '=' ? std::atoi(end + 1) : (~old & 0xFF);
        std::fseek(written, offset, SEEK_SET);
        std::fputc(value, written);
    }
    return std::fclose(written) == 0 ? 0 : 1;
}
