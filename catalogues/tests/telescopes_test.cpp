// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/telescopes.h"

#include <gtest/gtest.h>

#include "catalogues/catalogue.h"

#include <set>

using namespace quarvel::catalogues;

namespace {

TEST(TelescopeCatalogue, HasUniqueNamesAndPositiveValues) {
    EXPECT_EQ(kTelescopes.size(), 83u);
    std::set<std::string_view> names;
    int withoutValues = 0;
    for (const auto& row : kTelescopes) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (!row.optics) {
            ++withoutValues;
            continue;
        }
        EXPECT_GT(row.optics->diameterMm, 0) << row.name;
        EXPECT_GT(row.optics->focalMm, 0) << row.name;
    }
    EXPECT_EQ(withoutValues, 2);  // the personal configuration and the 12" Schmidt-Cassegrain
    EXPECT_EQ(kTelescopes[0].name, kPersonalConfiguration);
}

TEST(TelescopeCatalogue, KeepsTheRowsAsListed) {
    const Catalogue builtIn;
    struct Case {
        const char* name;
        int row;
        double diameter, focal;
    };
    const Case cases[] = {
        {"Takahashi CN-212", 66, 212, 2638}, {"Takahashi Mewlon-180", 62, 180, 355},
        {"Ritchey-Chrétien 6\"", 37, 152, 137}, {"Newton 200/1000", 32, 200, 1000},
        {"Lunette 66/400", 11, 66, 400},     {"William Optics Zenithstar 80", 82, 80, 545},
    };
    for (const auto& c : cases) {
        const auto row = builtIn.findTelescopeRow(c.name);
        ASSERT_EQ(row, c.row) << c.name;
        const auto& optics = kTelescopes[static_cast<std::size_t>(*row)].optics;
        ASSERT_TRUE(optics.has_value());
        EXPECT_EQ(optics->diameterMm, c.diameter) << c.name;
        EXPECT_EQ(optics->focalMm, c.focal) << c.name;
    }
    EXPECT_EQ(builtIn.findTelescopeRow("Schmidt-Cassegrain 12\""), 47);
    EXPECT_FALSE(kTelescopes[47].optics.has_value());
    EXPECT_FALSE(builtIn.findTelescopeRow("takahashi cn-212").has_value());
}

TEST(FocalFactors, ComboHasFourteenRows) {
    const auto items = focalFactorComboItems();
    ASSERT_EQ(items.size(), 14u);
    EXPECT_EQ(items[0], "Aucun");
    EXPECT_EQ(items[3], "0.63 x");
    EXPECT_EQ(items[4], "0.73 x");
    EXPECT_EQ(items[13], "Autre");
}

TEST(FocalFactors, SuffixesFollowTheRowOrTheGeneralForm) {
    struct Case {
        int row;
        double factor;
        const char* suffix;
    };
    const Case cases[] = {
        {0, 1.0, ""},
        {1, 0.33, " + Réducteur 0.33 x"},
        {2, 0.5, " + Réducteur 0.5 x"},
        {3, 0.63, " + Réducteur 0.63 x"},
        {5, 0.8, " + Réducteur 0.8 x"},
        {6, 1.6, " + Barlow 1.6 x"},
        {7, 2.0, " + Barlow 2 x"},
        {9, 2.7, " + Barlow 2.7 x"},
        {10, 3.0, " + Barlow 3 x"},
        {12, 5.0, " + Barlow 5 x"},
        {13, 1.25, " + Barlow 1 x"},
        {13, 0.63, " + Barlow 1 x"},
        {13, 2.5, " + Barlow 3 x"},
    };
    for (const auto& c : cases) EXPECT_EQ(telescopeSuffix(c.row, c.factor), c.suffix) << c.row << ' ' << c.factor;
}

TEST(FocalFactors, SavedLabelsFindTheirRow) {
    EXPECT_EQ(focalFactorRowForLabel("Aucune"), 0);
    EXPECT_EQ(focalFactorRowForLabel("0.5 x"), 2);
    EXPECT_EQ(focalFactorRowForLabel("5 x"), 12);
    // A factor typed before the row existed stays a typed one.
    EXPECT_EQ(focalFactorRowForLabel("0.63 x"), 3);
    EXPECT_FALSE(focalFactorRowForLabel("0.63").has_value());
    EXPECT_DOUBLE_EQ(*focalFactorOfLabel("0.63"), 0.63);
    EXPECT_FALSE(focalFactorRowForLabel("Aucun").has_value());  // the combo's text, not the label
    EXPECT_FALSE(focalFactorRowForLabel("1.25").has_value());
    EXPECT_FALSE(focalFactorRowForLabel("0.5x").has_value());
    EXPECT_DOUBLE_EQ(kFocalFactors[4].factor, 0.73);
}

// A user row removed from the middle: the rows after it are still found at
// their new places, the removed one nowhere, and its name is free again.
TEST(TelescopeCatalogue, LookupsFollowARemoval) {
    Catalogue catalogue;
    for (const char* name : {"A", "B", "C"}) catalogue.addTelescope({name, TelescopeOptics{100, 500}, Origin::User});
    const int rowOfC = *catalogue.findTelescopeRow("C");
    EXPECT_TRUE(catalogue.removeUserRow(Kind::Telescope, "B"));
    EXPECT_FALSE(catalogue.findTelescopeRow("B").has_value());
    EXPECT_EQ(catalogue.findTelescopeRow("C"), rowOfC - 1);
    EXPECT_EQ(catalogue.telescopes()[static_cast<std::size_t>(rowOfC - 1)].name, "C");
    EXPECT_TRUE(catalogue.addTelescope({"B", TelescopeOptics{100, 500}, Origin::User}));
    EXPECT_FALSE(catalogue.removeUserRow(Kind::Telescope, "Takahashi CN-212"));  // a built-in row stays
}

}  // namespace
