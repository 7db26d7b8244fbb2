// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a picture of the sky as a camera would take it, for the image
// measure's tests: the Tycho-2 stars of astrometry.net's index files (read
// with its query-starkd) at a known centre, scale, rotation and mirror, each
// a Gaussian or Moffat star of known FWHM, over a sky background with noise
// and hot pixels, written as FITS (first row at the bottom), 16-bit TIFF or
// 8-bit JPEG (first row at the top, levels kept linear).
//
// render_star_field OUT FORMAT RA DEC ARCSEC_PER_PX ROTATION MIRROR WIDTH HEIGHT FWHM PROFILE SEED
//   FORMAT fits | tiff | jpeg; ROTATION: the top side's position angle, degrees
//   from north through east; MIRROR 0 | 1; PROFILE gaussian | moffat.
#include <fitsio.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kDegree = M_PI / 180;

struct Star {
    double ra, dec, mag;
};

// The stars within `radius` degrees of the centre, from each index file,
// those in several files once.
std::vector<Star> starsAround(double ra, double dec, double radius, const std::string& folder) {
    std::vector<Star> stars;
    for (const char* scale : {"07", "08", "09", "10", "11"}) {
        const std::string index = folder + "/index-tycho2-" + scale + ".littleendian.fits";
        if (FILE* f = std::fopen(index.c_str(), "rb")) {
            std::fclose(f);
        } else {
            continue;
        }
        char table[] = "/tmp/render-stars-XXXXXX";
        const int fd = mkstemp(table);
        if (fd < 0) continue;
        close(fd);
        const std::string command = "query-starkd -T -o '" + std::string(table) + "' -r " + std::to_string(ra) + " -d " +
                                    std::to_string(dec) + " -R " + std::to_string(radius) + " '" + index + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            std::remove(table);
            continue;
        }
        fitsfile* file = nullptr;
        int status = 0;
        long rows = 0;
        int cr = 0, cd = 0, cm = 0;
        fits_open_table(&file, table, READONLY, &status);
        fits_get_num_rows(file, &rows, &status);
        fits_get_colnum(file, CASEINSEN, const_cast<char*>("RA"), &cr, &status);
        fits_get_colnum(file, CASEINSEN, const_cast<char*>("DEC"), &cd, &status);
        fits_get_colnum(file, CASEINSEN, const_cast<char*>("MAG_VT"), &cm, &status);
        std::vector<double> r(rows), d(rows), m(rows);
        if (status == 0 && rows > 0) {
            fits_read_col(file, TDOUBLE, cr, 1, 1, rows, nullptr, r.data(), nullptr, &status);
            fits_read_col(file, TDOUBLE, cd, 1, 1, rows, nullptr, d.data(), nullptr, &status);
            fits_read_col(file, TDOUBLE, cm, 1, 1, rows, nullptr, m.data(), nullptr, &status);
        }
        int closing = 0;
        if (file) fits_close_file(file, &closing);
        std::remove(table);
        if (status != 0) continue;
        for (long i = 0; i < rows; ++i) {
            const bool known = std::any_of(stars.begin(), stars.end(), [&](const Star& s) {
                return std::abs(s.dec - d[i]) < 1.0 / 3600 &&
                       std::abs(s.ra - r[i]) * std::cos(d[i] * kDegree) < 1.0 / 3600;
            });
            if (!known) stars.push_back({r[i], d[i], m[i]});
        }
    }
    return stars;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 13) {
        std::fprintf(stderr, "usage: %s OUT FORMAT RA DEC ARCSEC_PER_PX ROTATION MIRROR WIDTH HEIGHT FWHM PROFILE SEED\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1], format = argv[2];
    const double ra0 = std::atof(argv[3]), dec0 = std::atof(argv[4]), scale = std::atof(argv[5]) / 3600;
    const double rotation = std::atof(argv[6]) * kDegree;
    const bool mirror = std::atoi(argv[7]) != 0;
    const int width = std::atoi(argv[8]), height = std::atoi(argv[9]);
    const double fwhm = std::atof(argv[10]);
    const bool moffat = std::string(argv[11]) == "moffat";
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[12])));
    const char* folder = std::getenv("ASTROMETRY_INDEX_FOLDER");

    const double radius = std::hypot(width, height) / 2 * scale * 1.05;
    const auto stars = starsAround(ra0, dec0, radius, folder ? folder : "/usr/share/astrometry");

    // The sensor's axes on the sky (east, north): its top side at the
    // rotation's position angle, its right side west of it when north is up,
    // east when mirrored.
    const double upE = std::sin(rotation), upN = std::cos(rotation);
    const double rightE = (mirror ? 1 : -1) * std::cos(rotation), rightN = (mirror ? -1 : 1) * std::sin(rotation);
    std::vector<double> sky(static_cast<std::size_t>(width) * height, 0.0);
    // A Gaussian's sigma, or the Moffat's alpha for beta 3.
    const double beta = 3;
    const double sigma = fwhm / (2 * std::sqrt(2 * std::log(2.0)));
    const double alpha = fwhm / (2 * std::sqrt(std::pow(2.0, 1 / beta) - 1));
    const int reach = static_cast<int>(std::ceil(moffat ? 4 * fwhm : 3 * fwhm));
    for (const Star& star : stars) {
        // The tangent-plane position about the centre, in degrees east and north.
        const double a = (star.ra - ra0) * kDegree, d = star.dec * kDegree, d0 = dec0 * kDegree;
        const double cosc = std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(a);
        if (cosc <= 0) continue;
        const double east = std::cos(d) * std::sin(a) / cosc / kDegree;
        const double north = (std::cos(d0) * std::sin(d) - std::sin(d0) * std::cos(d) * std::cos(a)) / cosc / kDegree;
        // Pixels from the picture's middle: right, and up.
        const double right = (east * rightE + north * rightN) / (rightE * rightE + rightN * rightN) / scale;
        const double up = (east * upE + north * upN) / scale;
        const double x = (width - 1) / 2.0 + right, y = (height - 1) / 2.0 - up;  // y from the top
        if (x < -reach || y < -reach || x > width + reach || y > height + reach) continue;
        const double flux = 3e6 * std::pow(10.0, -0.4 * (star.mag - 8));
        const double norm = moffat ? (beta - 1) / (M_PI * alpha * alpha) : 1 / (2 * M_PI * sigma * sigma);
        for (int py = std::max(0, static_cast<int>(y) - reach); py <= std::min(height - 1, static_cast<int>(y) + reach); ++py) {
            for (int px = std::max(0, static_cast<int>(x) - reach); px <= std::min(width - 1, static_cast<int>(x) + reach); ++px) {
                // Each pixel's light, sampled at 5 x 5 points across it.
                double sum = 0;
                for (int sy = 0; sy < 5; ++sy) {
                    for (int sx = 0; sx < 5; ++sx) {
                        const double dx = px - 0.4 + 0.2 * sx - x, dy = py - 0.4 + 0.2 * sy - y;
                        const double r2 = dx * dx + dy * dy;
                        sum += moffat ? std::pow(1 + r2 / (alpha * alpha), -beta) : std::exp(-r2 / (2 * sigma * sigma));
                    }
                }
                sky[static_cast<std::size_t>(py) * width + px] += flux * norm * sum / 25;
            }
        }
    }
    // The sky's glow, the noise, and hot pixels.
    std::normal_distribution<double> noise(0, 12);
    std::uniform_int_distribution<std::size_t> anywhere(0, sky.size() - 1);
    for (double& v : sky) v += 1000 + noise(random) + std::sqrt(v) * noise(random) / 12;
    for (std::size_t i = 0; i < sky.size() / 100000; ++i) sky[anywhere(random)] = 65535;
    for (double& v : sky) v = std::clamp(v, 0.0, 65535.0);

    if (format == "fits") {
        fitsfile* file = nullptr;
        int status = 0;
        const std::string name = "!" + out;
        long sizes[2] = {width, height};
        fits_create_file(&file, name.c_str(), &status);
        fits_create_img(file, USHORT_IMG, 2, sizes, &status);
        std::vector<unsigned short> rows(sky.size());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                rows[static_cast<std::size_t>(height - 1 - y) * width + x] =
                    static_cast<unsigned short>(std::lround(sky[static_cast<std::size_t>(y) * width + x]));
            }
        }
        long first[2] = {1, 1};
        fits_write_pix(file, TUSHORT, first, static_cast<LONGLONG>(rows.size()), rows.data(), &status);
        fits_close_file(file, &status);
        return status == 0 ? 0 : 1;
    }
    const bool sixteen = format == "tiff";
    QImage picture(width, height, sixteen ? QImage::Format_Grayscale16 : QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double v = sky[static_cast<std::size_t>(y) * width + x];
            if (sixteen) {
                reinterpret_cast<quint16*>(picture.scanLine(y))[x] = static_cast<quint16>(std::lround(v));
            } else {
                // The levels from just under the sky's to a bright star's, in 8 bits.
                picture.scanLine(y)[x] = static_cast<uchar>(std::lround(255 * std::clamp((v - 900) / 60000, 0.0, 1.0)));
            }
        }
    }
    return picture.save(QString::fromStdString(out), sixteen ? "TIFF" : "JPEG", 95) ? 0 : 1;
}
