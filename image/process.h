// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the image reader, a program of its own
// (quarvel-image): found, started and waited for.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quarvel::image {

// The reader's file name, and where it is found: beside this program (a
// portable install, the build), above it (the build's tests), or in the
// install's folder for helper programs. Fails with "Impossible d'ouvrir le
// fichier" when it is nowhere.
inline constexpr const char* kReaderFile = "quarvel-image";
std::string readerProgram();

// Starts `program` with `arguments`, its standard input and output the
// descriptors given (-1: /dev/null), its error output /dev/null, no signal
// blocked, in a process group of its own when `ownGroup`. -1 when it could
// not start.
pid_t startProgram(const std::string& program, const std::vector<std::string>& arguments, int input, int output,
                   bool ownGroup);

// Waits for the process until `seconds` have passed; its wait status, or
// nothing when it still runs.
bool waitFor(pid_t pid, double seconds, int& status);

// Folders of the solver's that an earlier run of the program left, because
// it was killed while it solved, are removed; the folders of a solve under
// way in another instance are left.
void removeLeftSolverFolders();

// The solver's folders are made in the temporary folder ($TMPDIR, else
// /tmp) under this prefix.
inline constexpr const char* kSolverFolderPrefix = "quarvel-solve-";
std::string temporaryFolder();

}  // namespace quarvel::image
