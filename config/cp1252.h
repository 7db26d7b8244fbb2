// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quarvel::config {

// The configuration file is Windows-1252; the program's texts are UTF-8.
// Every byte decodes (the five unassigned ones to the C1 controls of the same
// value, as Windows does), so any file's bytes survive a read and a write.
std::string cp1252ToUtf8(std::string_view bytes);
// A character Windows-1252 cannot hold, or a broken UTF-8 sequence, becomes "?".
std::string utf8ToCp1252(std::string_view text);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once,
// in the order they come; empty when it holds them all.
std::string unsavableCharacters(std::string_view text);

// Case folding of one Windows-1252 byte, for the case-insensitive section and
// key names.
unsigned char foldCp1252(unsigned char byte);

}  // namespace quarvel::config
