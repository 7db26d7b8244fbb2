// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/errors.h"

namespace quarvel::config {

namespace {

// Temporaries are named "<file>.tmp-XXXXXX", so a later save knows its own.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporarySuffixLength = 6;
// As the kernel's own bound on a chain of links.
constexpr int kMaxLinks = 40;

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void removeStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    const std::string prefix = name + std::string(kTemporaryMark);
    while (const dirent* entry = readdir(dir)) {
        const std::string_view found = entry->d_name;
        if (!found.starts_with(prefix) || found.size() != prefix.size() + kTemporarySuffixLength) continue;
        const std::string path = folder + "/" + std::string(found);
        struct stat st {};
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    closedir(dir);
}

// Whether the file may be replaced: it is a regular file we may write, and
// root too respects a file that nobody may write.
bool replaceable(const struct stat& st, const std::string& path) {
    return S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0 && access(path.c_str(), W_OK) == 0;
}

// Makes the folder and its missing parents, private to the user as a
// configuration folder should be.
bool makeFolders(const std::string& folder) {
    struct stat st {};
    if (stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const std::string parent = folderOf(folder);
    if (parent != folder && !makeFolders(parent)) return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string folderOf(std::string_view path) {
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos) return ".";
    return slash == 0 ? "/" : std::string(path.substr(0, slash));
}

std::string besidePath(std::string_view path, std::string_view name) {
    const auto slash = path.rfind('/');
    const std::string_view folder = slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
    return std::string(folder) + std::string(name);
}

namespace {

// The file opened for a bounded read: a regular file of at most `maxBytes`,
// opened without waiting (a pipe never blocks it); its size in `size`.
// Otherwise -1, with the status and errno in `result`.
int openBounded(const std::string& path, std::size_t maxBytes, FileRead& result, std::size_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.error = errno;
        result.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
        return -1;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        result.error = errno;
        result.status = ReadStatus::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        result.status = ReadStatus::NotRegular;
    } else if (static_cast<std::uint64_t>(st.st_size) > maxBytes) {
        result.status = ReadStatus::TooLarge;
    } else {
        size = static_cast<std::size_t>(st.st_size);
        return fd;
    }
    ::close(fd);
    return -1;
}

}  // namespace

FileRead readBounded(const std::string& path, std::size_t maxBytes) {
    FileRead result;
    std::size_t size = 0;
    const Descriptor fd(openBounded(path, maxBytes, result, size));
    if (fd.get() < 0) return result;
    result.bytes.reserve(size);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = errno;
            result.status = ReadStatus::Failed;
            result.bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        // A file that grows while it is read is bounded all the same.
        if (result.bytes.size() > maxBytes) {
            result.bytes.clear();
            result.status = ReadStatus::TooLarge;
            return result;
        }
    }
    result.status = ReadStatus::Read;
    return result;
}

MappedFile::MappedFile(const std::string& path, std::size_t maxBytes) {
    std::size_t size = 0;
    const Descriptor fd(openBounded(path, maxBytes, m_read, size));
    if (fd.get() < 0) return;
    if (size > 0) {
        // Private and writable: a decoder that writes into its input changes
        // only its own copy of the page.
        void* at = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd.get(), 0);
        if (at == MAP_FAILED) {
            m_read.error = errno;
            m_read.status = ReadStatus::Failed;
            return;
        }
        m_data = static_cast<char*>(at);
        m_size = size;
    }
    m_read.status = ReadStatus::Read;
}

MappedFile::~MappedFile() {
    if (m_data) ::munmap(m_data, m_size);
}

core::Message readFailure(const FileRead& file) {
    if (file.status == ReadStatus::NotRegular) return core::Message(core::kNotARegularFile);
    return core::Message::data(std::strerror(file.error));
}

FolderLock::FolderLock(const std::string& path) {
    // The folder the program names the file in: every instance locks the same.
    const std::string folder = folderOf(path);
    makeFolders(folder);
    m_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Without the lock (a folder we may not open) the save goes on: it fails
    // with its own message where it cannot write.
    if (m_fd >= 0) {
        while (flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
}

FolderLock::~FolderLock() {
    if (m_fd >= 0) ::close(m_fd);  // the lock goes with the descriptor
}

std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = readlink(current.c_str(), target.data(), target.size());
        if (n < 0) return current;
        target.resize(static_cast<std::size_t>(n));
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    return current;
}

void replaceFile(const std::string& path, std::string_view bytes) {
    const std::string target = followLinks(path);
    const std::string folder = folderOf(target);
    if (!makeFolders(folder)) core::throwCannotWrite(path);
    removeStaleTemporaries(folder, nameOf(target));

    struct stat old {};
    const bool exists = lstat(target.c_str(), &old) == 0;
    if (exists && !replaceable(old, target)) core::throwCannotWrite(path);

    std::string temporary = target + std::string(kTemporaryMark) + std::string(kTemporarySuffixLength, 'X');
    Descriptor fd(mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) core::throwCannotWrite(path);
    bool ok = fchmod(fd.get(), exists ? (old.st_mode & 07777) : newFileMode()) == 0;
    // Root saving someone else's file leaves it theirs.
    if (ok && exists && (old.st_uid != geteuid() || old.st_gid != getegid())) {
        ok = fchown(fd.get(), old.st_uid, old.st_gid) == 0 || geteuid() != 0;
        if (ok) ok = fchmod(fd.get(), old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd.get(), bytes) && fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        core::throwCannotWrite(path);
    }
    // The rename itself reaches the disk with the folder.
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) fsync(dir.get());
}

}  // namespace quarvel::config
