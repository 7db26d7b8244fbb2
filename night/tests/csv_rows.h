// SPDX-License-Identifier: GPL-3.0-or-later
// A reference table's rows, its header left out: each line's fields, an
// empty last field kept.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace quarvel::night::testing {

inline std::vector<std::vector<std::string>> csvRows(const char* path) {
    std::ifstream in(path);
    std::vector<std::vector<std::string>> out;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> row;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) row.push_back(field);
        if (!line.empty() && line.back() == ',') row.emplace_back();
        out.push_back(row);
    }
    return out;
}

}  // namespace quarvel::night::testing
