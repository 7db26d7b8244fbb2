// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures rendered from the Tycho-2 stars at a known place, scale, rotation
// and mirror are solved back to them, and files that are no picture give
// their message in a bounded time.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <fitsio.h>
#include <wcslib/wcs.h>
#include <wcslib/wcshdr.h>
#include <signal.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <thread>
#include <filesystem>
#include <algorithm>

#include "config/tests/ini_test_support.h"
#include "core/errors.h"
#include "core/tests/message_of.h"
#include "image/image.h"
#include "image/process.h"
#include "image/fits.h"
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
        const Image image = readImage(path);
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
    const Image image = readImage(path);
    SolveHints wrong;
    wrong.arcsecPerPixel = 50;
    wrong.near = sky::Equatorial{200, -30};
    wrong.mayBeWrong = true;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(messageOf([&] { solveImage(image, path, wrong, [](const SolveStatus& s) { return s.seconds < 0.5; }); }),
              "« " + path + " » n'a pas pu être résolue : résolution annulée");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// A stacked image's blank pixels (NaN) read as black.
TEST_F(SolveTest, BlankPixelsReadAsBlack) {
    const std::string path = m_folder + "/blank.fits";
    std::vector<float> levels(100 * 80);
    for (std::size_t i = 0; i < levels.size(); ++i) levels[i] = 100 + static_cast<float>(i % 100);
    levels[42] = std::numeric_limits<float>::quiet_NaN();
    fitsfile* file = nullptr;
    int status = 0;
    long sizes[2] = {100, 80}, first[2] = {1, 1};
    fits_create_file(&file, ("!" + path).c_str(), &status);
    fits_create_img(file, FLOAT_IMG, 2, sizes, &status);
    fits_write_pix(file, TFLOAT, first, 8000, levels.data(), &status);
    fits_close_file(file, &status);
    ASSERT_EQ(status, 0);
    const Image read = readImage(path);
    // FITS rows count from the bottom.
    EXPECT_EQ(read.at(42, 79), 0);
    EXPECT_EQ(read.at(43, 79), std::lround(65535.0 * 43 / 99));
    EXPECT_EQ(read.at(99, 0), 65535);
}

// What the solver leaves is checked, and its failures said as they are.
class FakeSolverTest : public SolveTest {
protected:
    void SetUp() override {
        if (!solverInstalled()) GTEST_SKIP() << "the index files of astrometry.net are not installed";
        const std::string bin = m_folder + "/bin";
        ::mkdir(bin.c_str(), 0700);
        ASSERT_EQ(::symlink(QUARVEL_SOURCE_DIR "/image/tests/fake_solve_field.sh", (bin + "/solve-field").c_str()), 0);
        m_path = std::getenv("PATH");
        ::setenv("PATH", (bin + ":" + m_path).c_str(), 1);
        ::setenv("TMPDIR", m_folder.c_str(), 1);
        ::setenv("FAKE_PIDS", (m_folder + "/pids").c_str(), 1);
        m_image.width = m_image.height = 100;
        m_image.values.assign(10000, 1000);
    }
    void TearDown() override {
        if (!m_path.empty()) ::setenv("PATH", m_path.c_str(), 1);
        ::unsetenv("TMPDIR");
        ::unsetenv("FAKE_SOLVE");
        ::unsetenv("FAKE_PIDS");
    }
    std::string solved(const char* fake, const Progress& progress = {}) {
        ::setenv("FAKE_SOLVE", fake, 1);
        SolveHints hints;
        hints.timeLimitSeconds = 30;
        return messageOf([&] { solveImage(m_image, "m42.fits", hints, progress); });
    }
    // No solver's folder and no solver's process left.
    void nothingLeft() {
        for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
            EXPECT_FALSE(entry.path().filename().string().starts_with("quarvel-solve-")) << entry.path();
        }
        std::ifstream pids(m_folder + "/pids");
        for (int pid; pids >> pid;) EXPECT_FALSE(running(pid)) << pid;
    }
    // A process that has ended but that nobody waited for yet is no longer running.
    static bool running(int pid) {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string name, state;
        return stat >> pid >> name >> state && state != "Z";
    }
    std::string m_path;
    Image m_image;
};

TEST_F(FakeSolverTest, EveryOutcomeIsSaidAsItIs) {
    ::setenv("FAKE_SOLVE", "solve", 1);
    const Measure m = solveImage(m_image, "m42.fits", {});
    EXPECT_LT(sky::separationDeg(m.centre, {83.8221, -5.3911}) * 3600, 0.1);
    EXPECT_NEAR(m.arcsecPerPixel, 2, 1e-9);
    const std::string failed = "« m42.fits » n'a pas pu être résolue : ";
    const auto start = std::chrono::steady_clock::now();
    const std::pair<const char*, std::string> cases[] = {
        {"huge", failed + "la solution rendue par solve-field est incorrecte (CD = INF\"/pixel)"},
        {"fifo", failed + "la solution rendue par solve-field est incorrecte (image.wcs)"},
        {"fail", failed + "solve-field a échoué : solve-field: cannot find a co…ion file: /etc/astrometry.cfg"},
        {"none", failed + "aucune solution trouvée en 1 s"},
    };
    for (const auto& [fake, message] : cases) EXPECT_EQ(solved(fake), message) << fake;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    // Cancelled while it runs: stopped with its children, its folder gone.
    EXPECT_EQ(solved("hang", [](const SolveStatus& s) { return s.seconds < 0.5; }), failed + "résolution annulée");
    std::this_thread::sleep_for(std::chrono::seconds(2));
    nothingLeft();
}

// However the program ends while it solves, the solver and its folder go
// with it; a folder left by a run killed before is removed at the next start.
TEST_F(FakeSolverTest, TheSolverEndsWithTheProgram) {
    for (const int signal : {SIGKILL, SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        ::setenv("FAKE_SOLVE", "hang", 1);
        const pid_t program = ::fork();
        if (program == 0) {
            ::signal(SIGINT, SIG_DFL);
            solveImage(m_image, "m42.fits", {});
            ::_exit(0);
        }
        // The solver and its child are running.
        for (int i = 0; i < 100; ++i) {
            std::ifstream pids(m_folder + "/pids");
            if (std::count(std::istreambuf_iterator<char>(pids), {}, '\n') >= 2) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(program, signal);
        ::waitpid(program, nullptr, 0);
        std::this_thread::sleep_for(std::chrono::seconds(2));
        nothingLeft();
        std::remove((m_folder + "/pids").c_str());
    }
    const std::string left = m_folder + "/quarvel-solve-AbC123";
    ::mkdir(left.c_str(), 0700);
    std::ofstream(left + "/image.fits") << "left";
    removeLeftSolverFolders();
    nothingLeft();
}

}  // namespace
}  // namespace quarvel::image

namespace quarvel::image {
namespace {

// The sky place of a point of the tangent plane (radians) about a centre,
// written out from the gnomonic projection's inverse (Calabretta & Greisen
// 2002, eq. 54 and 5.1.3), apart from the library's own.
sky::Equatorial offPlane(double ra0, double dec0, double x, double y) {
    const double d0 = dec0 * M_PI / 180;
    const double dec = std::asin((std::sin(d0) + y * std::cos(d0)) / std::sqrt(1 + x * x + y * y));
    const double ra = ra0 * M_PI / 180 + std::atan2(x, std::cos(d0) - y * std::sin(d0));
    return {std::fmod(ra * 180 / M_PI + 360, 360), dec * 180 / M_PI};
}

// A 40° field: its width is the separation of its sides' midpoints, not
// the central scale times its pixels, which would say 40°.
TEST(MeasureOf, AWideFieldIsMeasuredOnTheSky) {
    const double scale = 0.02;  // degrees a pixel: 2000 x 1400 pixels, 40° x 28° at the centre
    const Wcs wcs{150, 30, 1000.5, 700.5, -scale, 0, 0, scale};
    const Measure m = measureOf(wcs, 2000, 1400, 1);
    // East is left: the left side's midpoint at +1000 pixels of plane x east.
    const double half = 1000 * scale * M_PI / 180, halfDown = 700 * scale * M_PI / 180;
    const double width = sky::separationDeg(offPlane(150, 30, half, 0), offPlane(150, 30, -half, 0)) * 60;
    const double height = sky::separationDeg(offPlane(150, 30, 0, -halfDown), offPlane(150, 30, 0, halfDown)) * 60;
    EXPECT_NEAR(m.widthArcmin / width, 1, 0.005);
    EXPECT_NEAR(m.heightArcmin / height, 1, 0.005);
    EXPECT_LT(m.widthArcmin, 40 * 60 * 0.97);  // 38.5°, where the central scale says 40°
    EXPECT_NEAR(m.arcsecPerPixel, 72, 1e-9);
    EXPECT_LT(sky::separationDeg(m.centre, {150, 30}), 1e-9);
}

// A FITS file that holds its solution is measured on it, as wcslib reads
// it, whether the solution is a CD matrix or CDELT with CROTA2.
TEST_F(SolveTest, AFileSolutionIsReadAsWcslibReadsIt) {
    for (const bool rotated : {false, true}) {
        const std::string path = m_folder + "/solved.fits";
        std::vector<unsigned short> levels(200 * 150, 1000);
        fitsfile* file = nullptr;
        int status = 0;
        long sizes[2] = {200, 150}, first[2] = {1, 1};
        fits_create_file(&file, ("!" + path).c_str(), &status);
        fits_create_img(file, USHORT_IMG, 2, sizes, &status);
        fits_write_pix(file, TUSHORT, first, 200 * 150, levels.data(), &status);
        const std::pair<const char*, double> numbers[] = {{"CRVAL1", 83.8221}, {"CRVAL2", -5.3911}, {"CRPIX1", 60.5}, {"CRPIX2", 40.25}};
        char ra[] = "RA---TAN", dec[] = "DEC--TAN";
        fits_write_key(file, TSTRING, "CTYPE1", ra, nullptr, &status);
        fits_write_key(file, TSTRING, "CTYPE2", dec, nullptr, &status);
        for (auto [key, value] : numbers) fits_write_key(file, TDOUBLE, key, &value, nullptr, &status);
        if (rotated) {
            double delta1 = -0.0005, delta2 = 0.0005, turn = 33.3;
            fits_write_key(file, TDOUBLE, "CDELT1", &delta1, nullptr, &status);
            fits_write_key(file, TDOUBLE, "CDELT2", &delta2, nullptr, &status);
            fits_write_key(file, TDOUBLE, "CROTA2", &turn, nullptr, &status);
        } else {
            const std::pair<const char*, double> cd[] = {{"CD1_1", -4e-4}, {"CD1_2", 3e-4}, {"CD2_1", 3e-4}, {"CD2_2", 4e-4}};
            for (auto [key, value] : cd) fits_write_key(file, TDOUBLE, key, &value, nullptr, &status);
        }
        char* header = nullptr;
        int cards = 0;
        fits_hdr2str(file, 1, nullptr, 0, &header, &cards, &status);
        fits_close_file(file, &status);
        ASSERT_EQ(status, 0);
        // wcslib's own reading, at the image's middle (FITS pixels).
        int rejected = 0, count = 0;
        wcsprm* wcs = nullptr;
        ASSERT_EQ(wcspih(header, cards, WCSHDR_all, 0, &rejected, &count, &wcs), 0);
        fits_free_memory(header, &status);
        ASSERT_EQ(wcsset(wcs), 0);
        double pixel[2] = {100.5, 75.5}, image[2], phi, theta, world[2];
        int stat = 0;
        ASSERT_EQ(wcsp2s(wcs, 1, 2, pixel, image, &phi, &theta, world, &stat), 0);
        wcsvfree(&count, &wcs);

        const Image read = readImage(path);
        ASSERT_TRUE(read.wcs) << rotated;
        const auto measure = measureOfSolved(read);
        ASSERT_TRUE(measure);
        EXPECT_LT(sky::separationDeg(measure->centre, {world[0], world[1]}) * 3600, 0.01) << rotated;
        EXPECT_NEAR(measure->arcsecPerPixel, 1.8, 1e-9);
    }
}

}  // namespace
}  // namespace quarvel::image
