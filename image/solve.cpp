// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/solve.h"

#include <fcntl.h>
#include <fitsio.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "core/constants.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "image/messages.h"
#include "image/stars.h"
#include "sky/projection.h"

namespace quarvel::image {

namespace {

namespace fs = std::filesystem;

// Where Debian's astrometry-data packages put the index files.
constexpr const char* kIndexFolder = "/usr/share/astrometry";

// The program on the PATH; empty when there is none.
std::string onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty()) {
            const std::string candidate = folder + "/" + program;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        start = end + 1;
    }
    return {};
}

bool hasIndexFiles() {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(kIndexFolder, error)) {
        if (entry.path().extension() == ".fits") return true;
    }
    return false;
}

// A folder of our own for the solver's files, removed with everything in it.
class WorkFolder {
public:
    WorkFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quarvel-solve-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) core::throwCannotWrite(pattern);
        m_path = pattern;
    }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// The solver's process group while one runs: stopped if the program ends first.
std::atomic<pid_t> g_running{0};

void stopRunning() {
    if (const pid_t group = g_running.load(); group > 0) ::kill(-group, SIGKILL);
}

// Runs the program with its arguments, its output in `log`, in a process
// group of its own so that the solver's own children stop with it. Says
// how it ended: by itself, at the time limit, or cancelled by the user.
enum class Ended { Finished, TimedOut, Cancelled };
Ended run(const std::string& program, const std::vector<std::string>& arguments, const std::string& log,
          double limitSeconds, const Progress& progress) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int output = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        if (nothing >= 0) ::dup2(nothing, STDIN_FILENO);
        if (output >= 0) {
            ::dup2(output, STDOUT_FILENO);
            ::dup2(output, STDERR_FILENO);
        }
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    if (output >= 0) ::close(output);
    if (nothing >= 0) ::close(nothing);
    if (child < 0) return Ended::Finished;  // nothing ran: no solution follows
    ::setpgid(child, child);
    static const bool stopsAtExit = std::atexit(stopRunning) == 0;
    (void)stopsAtExit;
    g_running = child;
    struct Forget {
        ~Forget() { g_running = 0; }
    } forget;
    const auto start = std::chrono::steady_clock::now();
    Ended ended = Ended::Finished;
    for (;;) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) return ended;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (ended == Ended::Finished) {
            if (seconds > limitSeconds) ended = Ended::TimedOut;
            if (progress && !progress(seconds)) ended = Ended::Cancelled;
            if (ended != Ended::Finished) ::kill(-child, SIGTERM);
        } else if (seconds > limitSeconds + 2) {
            ::kill(-child, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

Wcs readWcs(const std::string& path) {
    fitsfile* file = nullptr;
    int status = 0;
    Wcs wcs;
    if (fits_open_file(&file, path.c_str(), READONLY, &status) != 0) return wcs;
    const std::pair<const char*, double*> keys[] = {
        {"CRVAL1", &wcs.crval1}, {"CRVAL2", &wcs.crval2}, {"CRPIX1", &wcs.crpix1}, {"CRPIX2", &wcs.crpix2},
        {"CD1_1", &wcs.cd11},    {"CD1_2", &wcs.cd12},    {"CD2_1", &wcs.cd21},    {"CD2_2", &wcs.cd22},
    };
    for (const auto& [key, value] : keys) fits_read_key(file, TDOUBLE, key, value, nullptr, &status);
    int closing = 0;
    fits_close_file(file, &closing);
    return status == 0 ? wcs : Wcs{};
}

// The stars the solver found, brightest first, as spots from the image's top.
std::vector<StarSpot> readStars(const std::string& path, int height) {
    fitsfile* file = nullptr;
    int status = 0;
    std::vector<StarSpot> spots;
    if (fits_open_table(&file, path.c_str(), READONLY, &status) != 0) return spots;
    long rows = 0;
    int xColumn = 0, yColumn = 0;
    fits_get_num_rows(file, &rows, &status);
    fits_get_colnum(file, CASEINSEN, const_cast<char*>("X"), &xColumn, &status);
    fits_get_colnum(file, CASEINSEN, const_cast<char*>("Y"), &yColumn, &status);
    rows = std::min(rows, 500L);
    std::vector<double> xs(static_cast<std::size_t>(rows)), ys(static_cast<std::size_t>(rows));
    if (status == 0 && rows > 0) {
        fits_read_col(file, TDOUBLE, xColumn, 1, 1, rows, nullptr, xs.data(), nullptr, &status);
        fits_read_col(file, TDOUBLE, yColumn, 1, 1, rows, nullptr, ys.data(), nullptr, &status);
    }
    int closing = 0;
    fits_close_file(file, &closing);
    if (status != 0) return {};
    // FITS pixels count from 1, upwards.
    for (long i = 0; i < rows; ++i) {
        spots.push_back({xs[static_cast<std::size_t>(i)] - 1, height - ys[static_cast<std::size_t>(i)]});
    }
    return spots;
}

Measure solveOnce(const Image& image, const std::string& path, const SolveHints& hints, const Progress& progress) {
    const std::string solver = onPath("solve-field");
    if (solver.empty() || !hasIndexFiles()) core::throwSolverMissing();
    const WorkFolder folder;
    const std::string fits = folder.path() + "/image.fits";
    writeFits(image, fits);
    const int limit = std::max(5, hints.timeLimitSeconds);
    std::vector<std::string> arguments{fits,
                                       "--dir", folder.path(),
                                       "--temp-dir", folder.path(),
                                       "--no-plots", "--overwrite", "--no-remove-lines",
                                       "--crpix-center",
                                       "--cpulimit", std::to_string(limit),
                                       "--new-fits", "none", "--rdls", "none", "--corr", "none",
                                       "--match", "none", "--index-xyls", "none", "--solved", folder.path() + "/image.solved",
                                       "--wcs", folder.path() + "/image.wcs"};
    // Larger images are searched at half their pixels: as sure, and faster.
    if (static_cast<long long>(image.width) * image.height > 4'000'000) {
        arguments.insert(arguments.end(), {"--downsample", "2"});
    }
    if (hints.arcsecPerPixel && *hints.arcsecPerPixel > 0) {
        const double perImagePixel = *hints.arcsecPerPixel * image.binning;
        arguments.insert(arguments.end(), {"--scale-units", "arcsecperpix", "--scale-low",
                                           core::fixed(perImagePixel * 0.85, 10, 4), "--scale-high",
                                           core::fixed(perImagePixel * 1.15, 10, 4)});
    }
    if (hints.near) {
        // A few fields around the place: the object need not be in the middle.
        double radius = 5;
        if (hints.arcsecPerPixel) radius = std::max(2.0, 2 * std::hypot(image.width, image.height) * *hints.arcsecPerPixel * image.binning / 3600);
        arguments.insert(arguments.end(), {"--ra", core::fixed(hints.near->raDeg, 10, 6), "--dec",
                                           core::fixed(hints.near->decDeg, 10, 6), "--radius",
                                           core::fixed(std::min(radius, 180.0), 10, 3)});
    }
    const Ended ended = run(solver, arguments, folder.path() + "/solve.log", limit, progress);
    if (ended == Ended::Cancelled) core::throwNotSolved(path, core::Message(kCancelled));
    const Wcs wcs = readWcs(folder.path() + "/image.wcs");
    if (!fs::exists(folder.path() + "/image.solved") || (wcs.cd11 == 0 && wcs.cd12 == 0)) {
        core::throwNotSolved(path, core::Message(kNoSolution, {core::Message::data(std::to_string(limit))}));
    }
    Measure measure = measureOf(wcs, image.width, image.height, image.binning);
    if (const auto width = medianFwhm(image, readStars(folder.path() + "/image.axy", image.height))) {
        measure.fwhmPixels = *width * image.binning;
    }
    return measure;
}

}  // namespace

bool solverInstalled() { return !onPath("solve-field").empty() && hasIndexFiles(); }

Measure measureOf(const Wcs& wcs, int width, int height, int binning) {
    // The image's middle, in FITS pixels.
    const double dx = (width + 1) / 2.0 - wcs.crpix1, dy = (height + 1) / 2.0 - wcs.crpix2;
    const sky::PlanePoint offset{wcs.cd11 * dx + wcs.cd12 * dy, wcs.cd21 * dx + wcs.cd22 * dy};
    Measure measure;
    measure.centre = sky::deproject({wcs.crval1, wcs.crval2}, offset);
    const double determinant = wcs.cd11 * wcs.cd22 - wcs.cd12 * wcs.cd21;
    const double arcsecPerImagePixel = std::sqrt(std::abs(determinant)) * 3600;
    measure.arcsecPerPixel = arcsecPerImagePixel / binning;
    measure.widthArcmin = width * arcsecPerImagePixel / 60;
    measure.heightArcmin = height * arcsecPerImagePixel / 60;
    // The image's +y (its top) on the sky: east then north.
    measure.rotationDeg = sky::normalizedDeg(std::atan2(wcs.cd12, wcs.cd22) / core::kDegreesToRadians);
    // Seen as the sky is, east is left when north is up: the determinant is negative.
    measure.mirrored = determinant > 0;
    return measure;
}

Measure solveImage(const Image& image, const std::string& path, const SolveHints& hints, const Progress& progress) {
    const bool hinted = hints.arcsecPerPixel || hints.near;
    if (!hints.mayBeWrong || !hinted) return solveOnce(image, path, hints, progress);
    // Hints that may be wrong: all of them for a quarter of the time, then
    // the place alone (the scale is the setup's, the image may be
    // another's) for a quarter, then neither for the rest.
    std::vector<SolveHints> tries;
    SolveHints first = hints;
    first.timeLimitSeconds = std::max(5, hints.timeLimitSeconds / 4);
    tries.push_back(first);
    if (hints.near && hints.arcsecPerPixel) {
        SolveHints place;
        place.near = hints.near;
        place.timeLimitSeconds = first.timeLimitSeconds;
        tries.push_back(place);
    }
    SolveHints blind;
    int left = hints.timeLimitSeconds;
    for (const SolveHints& t : tries) left -= t.timeLimitSeconds;
    blind.timeLimitSeconds = std::max(5, left);
    tries.push_back(blind);
    double spent = 0;
    for (const SolveHints& t : tries) {
        double now = 0;
        bool cancelled = false;
        try {
            return solveOnce(image, path, t, [&progress, spent, &now, &cancelled](double seconds) {
                now = seconds;
                cancelled = progress && !progress(spent + seconds);
                return !cancelled;
            });
        } catch (const core::QuarvelError& e) {
            // Only a search that found nothing goes on to the next.
            if (e.code() != core::ErrorCode::NotSolved || cancelled) throw;
        }
        spent += now;
    }
    core::throwNotSolved(path, core::Message(kNoSolution, {core::Message::data(std::to_string(hints.timeLimitSeconds))}));
}

}  // namespace quarvel::image
