// SPDX-License-Identifier: GPL-3.0-or-later
#include "image/solve.h"

#include <fcntl.h>
#include <dirent.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "config/file_io.h"
#include "core/constants.h"
#include "core/errors.h"
#include "core/number_format.h"
#include "image/fits.h"
#include "image/messages.h"
#include "image/process.h"
#include "image/stars.h"
#include "sky/projection.h"

namespace quarvel::image {

namespace {

namespace fs = std::filesystem;

// Where Debian's astrometry-data packages put the index files.
constexpr const char* kIndexFolder = "/usr/share/astrometry";
// The solver's files are small: a larger one is not its.
constexpr std::size_t kMostSolutionBytes = 1 << 20;
constexpr std::size_t kMostStarListBytes = 64 << 20;
constexpr std::size_t kMostLogBytes = 16 << 20;

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

// A folder of our own for the solver's files, held (a shared lock on it)
// while it is in use and removed with everything in it.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern = temporaryFolder() + "/" + kSolverFolderPrefix + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) core::throwCannotWrite(pattern);
        m_path = pattern;
        m_held = ::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_held >= 0) ::flock(m_held, LOCK_SH);
    }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(m_path, error);
        if (m_held >= 0) ::close(m_held);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    int m_held = -1;
};

// How a solver's run ended: by itself (with its wait status), at the time
// limit, or cancelled by the user.
struct Run {
    enum class Ended { Finished, TimedOut, Cancelled } ended = Ended::Finished;
    int exitCode = 0;  // the solver's, or 128 and the signal that ended it
    double seconds = 0;
};

// Runs the solver through the image reader's keeper (quarvel-image --keep),
// which ends it, its children and its folder when this program closes its
// end of the keeper's input: at the time limit, at a cancel, or when the
// program ends in any way, even killed.
Run run(const std::string& solver, const std::vector<std::string>& arguments, const std::string& folder,
        double limitSeconds, const std::function<bool(double seconds)>& progress) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) core::throwCannotWrite(folder);
    std::vector<std::string> keep{"--keep", folder, solver};
    keep.insert(keep.end(), arguments.begin(), arguments.end());
    const pid_t keeper = startProgram(readerProgram(), keep, ends[0], -1, true);
    ::close(ends[0]);
    int word = ends[1];
    if (keeper < 0) {
        ::close(word);
        core::throwCannotOpen(kReaderFile, core::Message(kReaderMissing, {core::Message::data(kReaderFile)}));
    }
    const auto start = std::chrono::steady_clock::now();
    Run outcome;
    for (;;) {
        int status = 0;
        if (::waitpid(keeper, &status, WNOHANG) == keeper) {
            if (word >= 0) ::close(word);
            outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return outcome;
        }
        outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (word >= 0) {
            if (outcome.seconds > limitSeconds) outcome.ended = Run::Ended::TimedOut;
            if (progress && !progress(outcome.seconds)) outcome.ended = Run::Ended::Cancelled;
            if (outcome.ended != Run::Ended::Finished) {
                ::close(word);
                word = -1;
            }
        } else if (outcome.seconds > limitSeconds + 5) {
            // A keeper that does not stop is stopped, with the solver's group.
            ::kill(-keeper, SIGKILL);
            ::kill(keeper, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// The solver's last words, for a failure's message: the log's last line,
// shortened as typed texts are.
std::optional<std::string> lastLine(const std::string& log) {
    const config::FileRead file = config::readBounded(log, kMostLogBytes);
    if (file.status != config::ReadStatus::Read) return std::nullopt;
    std::string_view text = file.bytes;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    const auto newline = text.find_last_of("\r\n");
    return core::quotedText(newline == std::string_view::npos ? text : text.substr(newline + 1));
}


// What is wrong with a solution's values, if anything: a centre on the
// sphere, a scale between a hundredth of an arc-second and ten degrees a
// pixel, finite results.
std::optional<std::string> wrongIn(const Wcs& wcs, const Measure& measure) {
    if (std::abs(wcs.crval2) > 90) return "CRVAL2 = " + core::shortest(wcs.crval2);
    for (const double pixel : {wcs.crpix1, wcs.crpix2}) {
        if (std::abs(pixel) > 1e7) return "CRPIX = " + core::shortest(pixel);
    }
    const double scale = std::sqrt(std::abs(wcs.cd11 * wcs.cd22 - wcs.cd12 * wcs.cd21)) * 3600;
    if (!(scale >= 0.01 && scale <= 36000)) return "CD = " + core::shortest(scale) + "\"/pixel";
    for (const double value : {measure.centre.raDeg, measure.centre.decDeg, measure.arcsecPerPixel, measure.widthArcmin,
                               measure.heightArcmin, measure.rotationDeg}) {
        if (!std::isfinite(value)) return core::shortest(value);
    }
    return std::nullopt;
}

Measure checkedMeasure(const std::string& path, const Wcs& wcs, int width, int height, int binning) {
    const Measure measure = measureOf(wcs, width, height, binning);
    if (const auto wrong = wrongIn(wcs, measure)) {
        core::throwNotSolved(path, core::Message(kBadSolution, {core::Message::data(*wrong)}));
    }
    return measure;
}

// The stars the solver found, brightest first, as spots from the image's top.
std::vector<StarSpot> readStars(const std::string& path, int height) {
    const config::FileRead file = config::readBounded(path, kMostStarListBytes);
    std::vector<StarSpot> spots;
    if (file.status != config::ReadStatus::Read) return spots;
    // FITS pixels count from 1, upwards.
    if (const auto points = readXyTable(file.bytes, 500)) {
        for (const TablePoint& point : *points) spots.push_back({point.x - 1, height - point.y});
    }
    return spots;
}

// The measure, or nothing when the solver found no solution (in its time,
// or before); `seconds` the time it took. Other failures and a cancel are
// said as they are.
std::optional<Measure> solveOnce(const Image& image, const std::string& path, const SolveHints& hints,
                                 const std::function<bool(double seconds)>& progress, double& seconds) {
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
    const Run ran = run(solver, arguments, folder.path(), limit, progress);
    if (ran.ended == Run::Ended::Cancelled) core::throwNotSolved(path, core::Message(kCancelled));
    seconds = ran.ended == Run::Ended::TimedOut ? limit : ran.seconds;
    if (ran.ended == Run::Ended::TimedOut) return std::nullopt;
    // A solver that fails says why in its last words.
    if (ran.exitCode > 128) {
        core::throwNotSolved(path, core::Message(kSolverStopped, {core::Message::data(std::to_string(ran.exitCode - 128))}));
    }
    if (ran.exitCode != 0) {
        if (const auto words = lastLine(folder.path() + "/solve.log")) {
            core::throwNotSolved(path, core::Message(kSolverFailed, {core::Message::data(*words)}));
        }
        core::throwNotSolved(path, core::Message(kSolverFailedSilently, {core::Message::data(std::to_string(ran.exitCode))}));
    }
    if (config::readBounded(folder.path() + "/image.solved", kMostSolutionBytes).status != config::ReadStatus::Read) {
        return std::nullopt;
    }
    const config::FileRead solution = config::readBounded(folder.path() + "/image.wcs", kMostSolutionBytes);
    const auto header = solution.status == config::ReadStatus::Read ? readFitsHeader(solution.bytes) : std::nullopt;
    const auto wcs = header ? wcsOf(*header) : std::nullopt;
    if (!wcs) core::throwNotSolved(path, core::Message(kBadSolution, {core::Message::data("image.wcs")}));
    Measure measure = checkedMeasure(path, *wcs, image.width, image.height, image.binning);
    if (const auto width = medianFwhm(image, readStars(folder.path() + "/image.axy", image.height))) {
        measure.fwhmPixels = *width * image.binning;
    }
    return measure;
}

}  // namespace

bool solverInstalled() { return !onPath("solve-field").empty() && hasIndexFiles(); }

std::string temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

void removeLeftSolverFolders() {
    const std::string folder = temporaryFolder();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> left;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::string_view(entry->d_name).starts_with(kSolverFolderPrefix)) left.push_back(folder + "/" + entry->d_name);
    }
    ::closedir(dir);
    for (const std::string& path : left) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) continue;
        const int held = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
        if (held < 0) continue;
        // Held by a solve under way in another instance: left to it.
        if (::flock(held, LOCK_EX | LOCK_NB) == 0) {
            std::error_code error;
            fs::remove_all(path, error);
        }
        ::close(held);
    }
}

std::optional<Measure> measureOfSolved(const Image& image) {
    if (!image.wcs) return std::nullopt;
    const Measure measure = measureOf(*image.wcs, image.width, image.height, image.binning);
    if (wrongIn(*image.wcs, measure)) return std::nullopt;
    return measure;
}

Measure measureOf(const Wcs& wcs, int width, int height, int binning) {
    // A point of the image, in FITS pixels, on the sky.
    const auto onSky = [&wcs](double x, double y) {
        const double dx = x - wcs.crpix1, dy = y - wcs.crpix2;
        return sky::deproject({wcs.crval1, wcs.crval2}, {wcs.cd11 * dx + wcs.cd12 * dy, wcs.cd21 * dx + wcs.cd22 * dy});
    };
    // The image's middle and the middles of its sides; FITS pixels' edges lie at 0.5 and n + 0.5.
    const double midX = (width + 1) / 2.0, midY = (height + 1) / 2.0;
    Measure measure;
    measure.centre = onSky(midX, midY);
    const double determinant = wcs.cd11 * wcs.cd22 - wcs.cd12 * wcs.cd21;
    const double arcsecPerImagePixel = std::sqrt(std::abs(determinant)) * 3600;
    measure.arcsecPerPixel = arcsecPerImagePixel / binning;
    measure.widthArcmin = sky::separationDeg(onSky(0.5, midY), onSky(width + 0.5, midY)) * 60;
    measure.heightArcmin = sky::separationDeg(onSky(midX, 0.5), onSky(midX, height + 0.5)) * 60;
    // The image's +y (its top) on the sky: east then north.
    measure.rotationDeg = sky::normalizedDeg(std::atan2(wcs.cd12, wcs.cd22) / core::kDegreesToRadians);
    // Seen as the sky is, east is left when north is up: the determinant is negative.
    measure.mirrored = determinant > 0;
    return measure;
}

Measure solveImage(const Image& image, const std::string& path, const SolveHints& hints, const Progress& progress) {
    // Hints that may be wrong: all of them for a quarter of the time, then
    // the place alone (the scale is the setup's, the image may be
    // another's) for a quarter, then neither for the rest.
    struct Try {
        SolveHints hints;
        SolveStage stage;
    };
    const auto stageOf = [](const SolveHints& h) {
        return h.arcsecPerPixel ? SolveStage::Hinted : h.near ? SolveStage::PlaceOnly : SolveStage::Blind;
    };
    std::vector<Try> tries;
    const bool hinted = hints.arcsecPerPixel || hints.near;
    if (!hints.mayBeWrong || !hinted) {
        tries.push_back({hints, stageOf(hints)});
    } else {
        SolveHints first = hints;
        first.timeLimitSeconds = std::max(5, hints.timeLimitSeconds / 4);
        tries.push_back({first, stageOf(first)});
        if (hints.near && hints.arcsecPerPixel) {
            SolveHints place;
            place.near = hints.near;
            place.timeLimitSeconds = first.timeLimitSeconds;
            tries.push_back({place, SolveStage::PlaceOnly});
        }
        SolveHints blind;
        int left = hints.timeLimitSeconds;
        for (const Try& t : tries) left -= t.hints.timeLimitSeconds;
        blind.timeLimitSeconds = std::max(5, left);
        tries.push_back({blind, SolveStage::Blind});
    }
    double limit = 0;
    for (const Try& t : tries) limit += std::max(5, t.hints.timeLimitSeconds);
    double spent = 0;
    for (const Try& t : tries) {
        double seconds = 0;
        const auto measure = solveOnce(image, path, t.hints, [&progress, &t, spent, limit](double now) {
            return !progress || progress(SolveStatus{t.stage, spent + now, limit});
        }, seconds);
        if (measure) return *measure;
        spent += seconds;
    }
    core::throwNotSolved(path, core::Message(kNoSolution, {core::Message::data(std::to_string(
                                                               static_cast<int>(std::ceil(spent))))}));
}

}  // namespace quarvel::image
