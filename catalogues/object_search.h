// SPDX-License-Identifier: GPL-3.0-or-later
// Finding an object of the list by what the user types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogues/objects.h"

namespace quarvel::catalogues {

// The objects, searchable as the user types.
class ObjectCatalogue {
public:
    ObjectCatalogue() = default;
    explicit ObjectCatalogue(std::vector<DeepSkyObject> rows);

    const std::vector<DeepSkyObject>& rows() const { return m_rows; }

    // Rows matching a typed text, best first, at most `limit`. Case, accents
    // and the blanks and hyphens inside a designation do not count ("m31",
    // "NGC 7000", "ic434", "sh2 155"). Designations come first, the exact
    // number before longer ones ("M 3" before "M 31"; a number alone gives
    // the M, C, NGC and IC objects of that number); then common names,
    // English or French, whose words start with the typed words
    // ("andromede", "voile"); then the rows holding every typed word
    // anywhere in their names or numbers.
    std::vector<int> search(std::string_view typed, std::size_t limit) const;

    // The row a text names exactly: a designation in any of the forms above,
    // a whole common name or a completer's label. Nothing for a text naming
    // several rows alike (C 14 is NGC 869 and NGC 884), except that a name
    // borne by a Messier row and by others names the Messier row (the Lagoon
    // Nebula is M 8 and NGC 6523).
    std::optional<int> find(std::string_view typed) const;

private:
    // A folded text and its row.
    struct Key {
        std::string text;
        int row;
    };
    // A common name, folded, with where its words start.
    struct Name {
        std::string folded;
        std::vector<std::uint16_t> wordStarts;
        int row;
    };
    struct Found;
    void searchDesignations(const std::string& key, Found& found) const;
    void searchNames(const std::string& query, Found& found) const;
    void searchAnywhere(const std::string& query, Found& found) const;

    std::vector<DeepSkyObject> m_rows;
    // The numbers as typed texts are compared with them, without blanks
    // ("ngc7000"): shortest first, then in text order.
    std::vector<Key> m_designations;
    std::vector<Name> m_names;
    std::vector<Key> m_labels;  // in both languages
    // Every row's names and numbers, row after row, and where each row ends.
    std::string m_haystack;
    std::vector<std::size_t> m_haystackEnds;
};

}  // namespace quarvel::catalogues
