// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/object_search.h"

#include <algorithm>
#include <array>

#include "core/search.h"

namespace quarvel::catalogues {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
// Letters and digits, and every byte of a character beyond ASCII ("χ Persei").
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// A text as searches compare it: core's folding of case and accents, with
// the few characters of the names it leaves alone made plain ("œ" as "oe",
// the typographic apostrophe, the no-break space), blanks trimmed and single.
std::string folded(std::string_view text) {
    constexpr std::pair<std::string_view, std::string_view> kPlain[] = {
        {"\xC5\x93", "oe"}, {"\xC5\x92", "oe"}, {"\xE2\x80\x99", "'"}, {"\xC2\xA0", " "}};
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ascii = static_cast<unsigned char>(text[i]) < 0x80;
        const auto found = ascii ? std::end(kPlain) : std::find_if(std::begin(kPlain), std::end(kPlain), [&](const auto& p) {
            return text.substr(i).starts_with(p.first);
        });
        if (found == std::end(kPlain)) {
            plain += isBlank(text[i]) ? ' ' : text[i];
        } else {
            plain += found->second;
            i += found->first.size() - 1;
        }
    }
    std::string out;
    for (char c : core::foldedForSearch(plain)) {
        if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// A designation without its blanks and hyphens ("sh2 155" is "Sh2-155"),
// the catalogues' full names shortened.
std::string compactOf(std::string_view foldedText) {
    std::string out;
    for (char c : foldedText) {
        if (c != ' ' && c != '-') out += c;
    }
    for (const auto& [full, shortName] : {std::pair{"messier", "m"}, std::pair{"caldwell", "c"}}) {
        if (out.starts_with(full)) out = shortName + out.substr(std::string_view(full).size());
    }
    return out;
}

std::vector<std::uint16_t> wordStartsOf(std::string_view text) {
    std::vector<std::uint16_t> starts;
    for (std::size_t i = 0; i < text.size() && i <= UINT16_MAX; ++i) {
        if (isWordByte(text[i]) && (i == 0 || !isWordByte(text[i - 1]))) starts.push_back(static_cast<std::uint16_t>(i));
    }
    return starts;
}

std::vector<std::string_view> wordsOf(std::string_view text, bool (*inWord)(char)) {
    std::vector<std::string_view> words;
    for (std::size_t i = 0; i < text.size();) {
        if (!inWord(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && inWord(text[end])) ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

bool notBlank(char c) { return c != ' '; }

// Whether each word starts one of the name's words.
bool startsWords(const std::string& name, const std::vector<std::uint16_t>& starts,
                 const std::vector<std::string_view>& words) {
    return std::all_of(words.begin(), words.end(), [&](std::string_view word) {
        return std::any_of(starts.begin(), starts.end(), [&](std::uint16_t at) {
            return name[at] == word.front() && name.compare(at, word.size(), word) == 0;
        });
    });
}

// The one row of several matches, or nothing.
std::optional<int> single(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows.size() == 1 ? std::optional<int>(rows.front()) : std::nullopt;
}

}  // namespace

ObjectCatalogue::ObjectCatalogue(std::vector<DeepSkyObject> rows) : m_rows(std::move(rows)) {
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row) {
        const DeepSkyObject& o = m_rows[row];
        std::string haystack;
        std::vector<const std::string*> numbers{&o.m, &o.c, &o.ngc, &o.ic};
        for (const auto& other : o.other) numbers.push_back(&other);
        for (const std::string* number : numbers) {
            if (number->empty()) continue;
            const std::string text = folded(*number);
            m_designations.push_back({compactOf(text), row});
            haystack += text + '\n';
        }
        for (const auto* names : {&o.namesEn, &o.namesFr}) {
            for (const auto& name : *names) {
                std::string text = folded(name);
                haystack += text + '\n';
                auto starts = wordStartsOf(text);
                m_names.push_back({std::move(text), std::move(starts), row});
            }
        }
        for (bool french : {false, true}) m_labels.push_back({folded(objectLabel(o, french)), row});
        m_haystack += haystack;
        m_haystackEnds.push_back(m_haystack.size());
    }
    std::stable_sort(m_designations.begin(), m_designations.end(), [](const Key& a, const Key& b) {
        return a.text.size() != b.text.size() ? a.text.size() < b.text.size() : a.text < b.text;
    });
}

// The rows a search has found so far, best first, each once.
struct ObjectCatalogue::Found {
    std::vector<int> rows;
    std::vector<bool> taken;
    std::size_t limit;
    std::size_t wanted() const { return limit - rows.size(); }
    void take(int row) {
        if (rows.size() < limit && !taken[row]) {
            taken[row] = true;
            rows.push_back(row);
        }
    }
};

std::vector<int> ObjectCatalogue::search(std::string_view typed, std::size_t limit) const {
    const std::string query = folded(typed);
    if (query.empty() || limit == 0) return {};
    Found found{{}, std::vector<bool>(m_rows.size()), limit};
    searchDesignations(compactOf(query), found);
    searchNames(query, found);
    searchAnywhere(query, found);
    return std::move(found.rows);
}

// A designation is typed with its number: "m" alone is the start of names.
// A number alone is the M, C, NGC and IC objects of that number.
void ObjectCatalogue::searchDesignations(const std::string& key, Found& found) const {
    if (key.empty()) return;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto exactly = [&](std::string_view wanted) {
        for (const Key& d : m_designations) {
            if (d.text == wanted) found.take(d.row);
        }
    };
    if (std::all_of(key.begin(), key.end(), digit)) {
        for (std::string_view catalogue : {"m", "c", "ngc", "ic"}) exactly(std::string(catalogue) + key);
    } else if (std::any_of(key.begin(), key.end(), digit)) {
        exactly(key);
        for (const Key& d : m_designations) {
            if (d.text.size() > key.size() && d.text.starts_with(key)) found.take(d.row);
        }
    }
}

// The whole name typed, then its beginning, then the beginnings of its
// words; within each, the shorter name first, as what was typed is more of
// it ("Heart" is the Heart Nebula before the Heart-Shaped Cluster).
void ObjectCatalogue::searchNames(const std::string& query, Found& found) const {
    const auto words = wordsOf(query, isWordByte);
    // The length of the matching name and its row.
    std::array<std::vector<std::pair<std::size_t, int>>, 3> byRank;
    // A row's names are next to each other: it is added once to each rank,
    // by its shortest name there.
    const auto add = [&](int rank, const Name& name) {
        auto& rows = byRank[rank];
        if (!rows.empty() && rows.back().second == name.row) {
            rows.back().first = std::min(rows.back().first, name.folded.size());
        } else {
            rows.emplace_back(name.folded.size(), name.row);
        }
    };
    for (const Name& name : m_names) {
        if (found.taken[name.row]) continue;
        if (name.folded == query) {
            add(0, name);
        } else if (name.folded.starts_with(query)) {
            add(1, name);
        } else if (!words.empty() && startsWords(name.folded, name.wordStarts, words)) {
            add(2, name);
        }
    }
    for (auto& rows : byRank) {
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [length, row] : rows) found.take(row);
    }
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Where a word stands in a text from `from` on: anywhere for letters, but a
// number only as a whole number ("2237" is no part of "PGC 72237").
std::size_t findWord(std::string_view text, std::string_view word, std::size_t from) {
    const bool number = std::any_of(word.begin(), word.end(), isDigit);
    for (std::size_t at = text.find(word, from); at != std::string_view::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        const bool whole = (at == 0 || !isDigit(text[at - 1]) || !isDigit(word.front())) &&
                           (end == text.size() || !isDigit(text[end]) || !isDigit(word.back()));
        if (!number || whole) return at;
    }
    return std::string_view::npos;
}

}  // namespace

// The rows holding the first word, in order, that hold the others too.
void ObjectCatalogue::searchAnywhere(const std::string& query, Found& found) const {
    const auto words = wordsOf(query, notBlank);
    for (std::size_t from = 0; found.wanted() > 0;) {
        const std::size_t at = findWord(m_haystack, words.front(), from);
        if (at == std::string::npos) return;
        const auto row = std::upper_bound(m_haystackEnds.begin(), m_haystackEnds.end(), at) - m_haystackEnds.begin();
        const std::size_t begin = row == 0 ? 0 : m_haystackEnds[row - 1];
        const std::string_view text = std::string_view(m_haystack).substr(begin, m_haystackEnds[row] - begin);
        if (std::all_of(words.begin() + 1, words.end(),
                        [&](std::string_view word) { return findWord(text, word, 0) != std::string_view::npos; })) {
            found.take(static_cast<int>(row));
        }
        from = m_haystackEnds[row];
    }
}

std::optional<int> ObjectCatalogue::find(std::string_view typed) const {
    const std::string query = folded(typed);
    if (query.empty()) return std::nullopt;
    const std::string key = compactOf(query);
    std::vector<int> rows;
    for (const Key& d : m_designations) {
        if (d.text == key) rows.push_back(d.row);
    }
    if (!rows.empty()) return single(rows);
    for (const Name& name : m_names) {
        if (name.folded == query) rows.push_back(name.row);
    }
    if (!rows.empty()) {
        const auto found = single(rows);
        if (found) return found;
        std::vector<int> messier;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(messier),
                     [this](int row) { return !m_rows[row].m.empty(); });
        return single(messier);
    }
    for (const Key& label : m_labels) {
        if (label.text == query) rows.push_back(label.row);
    }
    return single(rows);
}

}  // namespace quarvel::catalogues
