// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures rendered from the Tycho-2 stars at a known place, scale, rotation
// and mirror are solved back to them, and files that are no picture give
// their message in a bounded time.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <string>

#include "config/tests/ini_test_support.h"
#include "core/errors.h"
#include "core/tests/message_of.h"
#include "image/image.h"
#include "image/solve.h"
#include "sky/coordinates.h"

namespace quarvel::image {
namespace {

using core::testing::messageOf;

class SolveTest : public ::testing::Test {
protected:
    struct Render {
        double ra, dec, scale, rotation;
        bool mirror;
        int width, height;
        double fwhm;
        const char* profile;
    };
    std::string render(const Render& r, const std::string& name, const char* format = "fits") {
        const std::string path = m_folder + "/" + name;
        char command[1024];
        std::snprintf(command, sizeof command, "'%s' '%s' %s %.6f %.6f %.4f %.3f %d %d %d %.2f %s 7", QUARVEL_RENDER,
                      path.c_str(), format, r.ra, r.dec, r.scale, r.rotation, r.mirror ? 1 : 0, r.width, r.height, r.fwhm,
                      r.profile);
        EXPECT_EQ(std::system(command), 0) << command;
        return path;
    }
    config::testing::TemporaryDirectory m_dir;
    const std::string m_folder = m_dir.path();
};

double angleBetween(double a, double b) { return std::abs(sky::normalizedDeg(a - b + 180) - 180); }

TEST_F(SolveTest, RenderedFieldsAreSolvedToTheirPlaceScaleRotationMirrorAndStars) {
    if (!solverInstalled()) GTEST_SKIP() << "astrometry.net is not installed";
    const Render cases[] = {
        {10.6848, 41.2691, 1.0, 0.0, false, 3000, 2000, 3.0, "gaussian"},   // M 31, the finest scale
        {83.8221, -5.3911, 3.7, 125.0, true, 1600, 1100, 2.5, "moffat"},    // Orion, turned and mirrored
        {37.95, 89.2641, 6.0, 250.0, false, 1200, 900, 3.5, "gaussian"},    // by the pole
        {299.87, 40.73, 10.0, 301.5, true, 1000, 700, 4.0, "moffat"},       // the Cygnus Milky Way
    };
    for (const Render& r : cases) {
        SCOPED_TRACE(std::to_string(r.ra) + " " + std::to_string(r.dec));
        const std::string path = render(r, "field.fits");
        const Image image = readImage(path, {});
        ASSERT_EQ(image.width, r.width);
        // The hints a setup gives: its sampling, and the object's place off the middle.
        SolveHints hints;
        hints.arcsecPerPixel = r.scale * 1.1;
        hints.near = sky::Equatorial{r.ra, std::clamp(r.dec + 0.2, -90.0, 90.0)};
        hints.timeLimitSeconds = 60;
        const Measure m = solveImage(image, path, hints);
        EXPECT_LT(sky::separationDeg(m.centre, {r.ra, r.dec}) * 3600, 5.0);
        EXPECT_NEAR(m.arcsecPerPixel / r.scale, 1, 0.002);
        EXPECT_LT(angleBetween(m.rotationDeg, r.rotation), 0.1) << m.rotationDeg;
        EXPECT_EQ(m.mirrored, r.mirror);
        EXPECT_NEAR(m.widthArcmin, r.width * r.scale / 60, r.width * r.scale / 60 * 0.002);
        ASSERT_TRUE(m.fwhmPixels);
        EXPECT_NEAR(*m.fwhmPixels / r.fwhm, 1, 0.1);
    }
    // Cancelled, the search stops at once, and goes on to no other hint.
    const std::string path = m_folder + "/field.fits";
    const Image image = readImage(path, {});
    SolveHints wrong;
    wrong.arcsecPerPixel = 50;
    wrong.near = sky::Equatorial{200, -30};
    wrong.mayBeWrong = true;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(messageOf([&] { solveImage(image, path, wrong, [](double seconds) { return seconds < 0.5; }); }),
              "« " + path + " » n'a pas pu être résolue : résolution annulée");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(SolveTest, FilesThatAreNoPictureGiveTheirMessageInBoundedTime) {
    const Render field{10.6848, 41.2691, 2.0, 0.0, false, 800, 600, 3.0, "gaussian"};
    const std::string whole = render(field, "whole.fits");
    std::string bytes;
    {
        std::ifstream in(whole, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::string truncated = m_folder + "/truncated.fits";
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    const std::string sparse = m_folder + "/sparse.fits";
    {
        std::ofstream(sparse, std::ios::binary) << bytes.substr(0, 2880);
        ASSERT_EQ(::truncate(sparse.c_str(), 2LL << 30), 0);
    }
    const std::string fifo = m_folder + "/pipe.fits";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string garbage = m_folder + "/IMG_0001.CR2";
    {
        std::mt19937 random(3);
        std::string noise(200000, '\0');
        for (char& c : noise) c = static_cast<char>(random());
        std::ofstream(garbage, std::ios::binary) << "II*\0" << noise;
    }
    const std::pair<std::string, std::string> expected[] = {
        {truncated, "Image FITS incorrecte ou tronquée."},
        {sparse, "Fichier de plus de 1024 Mo"},
        {fifo, "n'est pas un fichier ordinaire"},
        {garbage, "Ce n'est pas une image FITS, brute d'appareil photo, TIFF, PNG ou JPEG lisible."},
        {m_folder + "/absent.fits", "No such file or directory"},
    };
    for (const auto& [path, reason] : expected) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(messageOf([&] { readImage(path, {}); }), "Impossible d'ouvrir le fichier \"" + path + "\". " + reason);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << path;
    }
    // A stacked image's blank pixels (NaN) read as black.
    Image blank{100, 80, std::vector<float>(8000, 5.0f), 1};
    blank.values[42] = std::numeric_limits<float>::quiet_NaN();
    writeFits(blank, m_folder + "/blank.fits");
    const Image read = readImage(m_folder + "/blank.fits", {});
    EXPECT_EQ(read.at(42, 0), 0.0f);
    EXPECT_EQ(read.at(43, 0), 5.0f);
    // Without astrometry.net, the message names the packages.
    const Image image = readImage(whole, {});
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", m_folder.c_str(), 1);
    const std::string missing = messageOf([&] { solveImage(image, whole, {}); });
    ::setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(missing,
              "La résolution astrométrique demande les paquets astrometry.net et astrometry-data-tycho2 : installez-les");
}

}  // namespace
}  // namespace quarvel::image
