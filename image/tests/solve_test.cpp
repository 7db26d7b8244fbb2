// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures rendered from the Tycho-2 stars at a known place, scale, rotation
// and mirror are solved back to them, and files that are no picture give
// their message in a bounded time.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <fitsio.h>
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
    EXPECT_EQ(messageOf([&] { solveImage(image, path, wrong, [](double seconds) { return seconds < 0.5; }); }),
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
    EXPECT_EQ(solved("hang", [](double seconds) { return seconds < 0.5; }), failed + "résolution annulée");
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
