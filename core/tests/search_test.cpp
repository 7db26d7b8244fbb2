// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/search.h"

#include <gtest/gtest.h>

using namespace quarvel::core;

namespace {

TEST(Search, EveryWordIgnoringCaseAndAccents) {
    struct Case {
        const char* text;
        const char* query;
        bool found;
    };
    const Case cases[] = {
        {"ZWO ASI585MC Pro", "asi 585", true},
        {"ZWO ASI585MC Pro", "585 pro", true},
        {"ZWO ASI585MC Pro", "asi 462", false},
        {"Askar 120APO", "Askar 120", true},
        {"Ritchey-Chrétien 8\"", "chretien", true},
        {"Télescope", "TÉLESCOPE", true},
        {"Anything", "", true},
        {"Anything", "   ", true},
        {"Σ or ×", "×", true},  // letters with no plain form match themselves
    };
    for (const auto& c : cases) EXPECT_EQ(matchesEveryWord(c.text, c.query), c.found) << c.text << " / " << c.query;
}

}  // namespace
