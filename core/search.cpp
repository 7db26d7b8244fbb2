// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search.h"

#include <sstream>

namespace quarvel::core {

namespace {

// The plain letters of U+00C0 to U+00FF, as UTF-8 writes them after 0xC3
// (their second byte less 0x80); 0 where there is none (×, ÷).
constexpr char kLatin1Letters[] =
    "aaaaaaaceeeeiiii"  // À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "dnooooo\0ouuuuyts"  // Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "aaaaaaaceeeeiiii"  // à á â ã ä å æ ç è é ê ë ì í î ï
    "dnooooo\0ouuuuyty";  // ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ

}  // namespace

std::string foldedForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const char plain = next >= 0x80 && next <= 0xBF ? kLatin1Letters[next - 0x80] : '\0';
            if (plain) {
                out += plain;
                ++i;
            } else {
                out += text[i];
            }
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool matchesEveryWord(std::string_view text, std::string_view query) {
    // No word typed: every text matches, unfolded.
    if (query.find_first_not_of(" \t\n\r\f\v") == std::string_view::npos) return true;
    const std::string folded = foldedForSearch(text);
    std::istringstream words{foldedForSearch(query)};
    for (std::string word; words >> word;) {
        if (folded.find(word) == std::string::npos) return false;
    }
    return true;
}

}  // namespace quarvel::core
