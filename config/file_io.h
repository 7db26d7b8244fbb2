// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/errors.h"

namespace quarvel::config {

// A file is read whole or not at all: too large, no regular file (a folder,
// a pipe, a device), or failed with its errno.
enum class ReadStatus { Read, Missing, TooLarge, NotRegular, Failed };

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // only when Read
    int error = 0;      // errno of a failed read
};

// Why a file was not read, for a message: the system's reason (data, in the
// system's language), or that it is no regular file (the program's text).
core::Message readFailure(const FileRead& file);

// Holds the folder of a file locked against the saves of other instances of
// the program, from before the file is read until it is replaced.
class FolderLock {
public:
    explicit FolderLock(const std::string& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd = -1;
};

// The folder a path names a file in: "." for a bare name, "/" at the root.
std::string folderOf(std::string_view path);
// The file `name` in the same folder as `path` ("name" alone for a bare path).
std::string besidePath(std::string_view path, std::string_view name);

// Reads a whole regular file of at most `maxBytes`, opened without waiting
// (a pipe never blocks it). A larger one is not read at all; a folder, a pipe
// or a device is no regular file; any read error is a failure with its errno.
FileRead readBounded(const std::string& path, std::size_t maxBytes);

// A whole regular file of at most `maxBytes` mapped into memory, under the
// same rules as readBounded, for files too large to be copied: `status()`
// says whether it was mapped, and why not. A file cut short while it is
// mapped ends its reader with SIGBUS: only a process that may end so maps one.
class MappedFile {
public:
    MappedFile(const std::string& path, std::size_t maxBytes);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    const FileRead& status() const { return m_read; }
    std::string_view bytes() const { return {m_data, m_size}; }

private:
    FileRead m_read;
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

// The file a path names its symbolic links are followed; the path itself
// when it names no link.
std::string followLinks(const std::string& path);

// Puts `bytes` in place of the file in one rename: a temporary file beside it
// is written, flushed to disk and renamed over the old one, then the folder
// is flushed, so a crash or a full disk leaves the old file or the new one,
// never a mix. A symbolic link stays a link (its target is replaced), the file
// keeps its owner and permissions, and a read-only file is not replaced.
// Temporaries that an earlier crash left behind are removed first (the
// caller holds the folder's lock, so no other save owns one), and a missing
// folder is made. Fails with
// "Impossible d'écrire dans <path>".
void replaceFile(const std::string& path, std::string_view bytes);

}  // namespace quarvel::config
