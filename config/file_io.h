// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quarvel::config {

enum class ReadStatus { Read, Missing, TooLarge, Failed };

struct FileRead {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;  // only when Read
    int error = 0;      // errno of a failed read
};

// The folder a path names a file in: "." for a bare name, "/" at the root.
std::string folderOf(std::string_view path);
// The file `name` in the same folder as `path` ("name" alone for a bare path).
std::string besidePath(std::string_view path, std::string_view name);

// Reads a whole regular file of at most `maxBytes`. A larger one is not read
// at all; a folder, a device or any read error is a failure with its errno.
FileRead readBounded(const std::string& path, std::size_t maxBytes);

// The file a path names once its symbolic links are followed; the path itself
// when it names no link.
std::string followLinks(const std::string& path);

// Puts `bytes` in place of the file in one rename: a temporary file beside it
// is written, flushed to disk and renamed over the old one, then the folder
// is flushed, so a crash or a full disk leaves the old file or the new one,
// never a mix. A symbolic link stays a link (its target is replaced), the file
// keeps its owner and permissions, and a read-only file is not replaced.
// Temporaries that an earlier crash left behind are removed first, and a
// missing folder is made. Fails with
// "Impossible d'écrire dans <path>".
void replaceFile(const std::string& path, std::string_view bytes);

}  // namespace quarvel::config
