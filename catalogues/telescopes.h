// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::catalogues {

struct TelescopeOptics {
    double diameterMm;
    double focalMm;  // the telescope alone
};

struct TelescopeRow {
    std::string_view name;
    std::optional<TelescopeOptics> optics;  // none: choosing the row keeps the current values
};

inline constexpr std::string_view kPersonalConfiguration = "(Configuration personnelle)";

// The telescope list: aperture and focal length in millimetres. Row 0 is the
// user's own instrument; the inch sign in names is a straight double quote.
inline constexpr std::array<TelescopeRow, 83> kTelescopes{{
    {"(Configuration personnelle)", std::nullopt},
    {"Astrophysics EDF 105", TelescopeOptics{105, 610}},
    {"Astrophysics EDF 130", TelescopeOptics{130, 819}},
    {"Astrophysics EDFS 130", TelescopeOptics{130, 780}},
    {"Astrophysics EDT 130", TelescopeOptics{130, 1040}},
    {"Astrophysics EDF 140", TelescopeOptics{140, 1050}},
    {"Astrophysics EDF 155", TelescopeOptics{155, 1085}},
    {"Astrophysics EDT 155", TelescopeOptics{155, 1395}},
    {"Astrophysics EDF 160", TelescopeOptics{160, 1200}},
    {"Astrophysics EDF 180", TelescopeOptics{180, 1260}},
    {"Astrophysics EDT 180", TelescopeOptics{180, 1620}},
    {"Lunette 66/400", TelescopeOptics{66, 400}},
    {"Lunette 72/432", TelescopeOptics{72, 432}},
    {"Lunette 80/400", TelescopeOptics{80, 400}},
    {"Lunette 80/480", TelescopeOptics{80, 480}},
    {"Lunette 90/600", TelescopeOptics{90, 600}},
    {"Lunette 127/950", TelescopeOptics{127, 950}},
    {"Lunette 152/760", TelescopeOptics{152, 760}},
    {"Lunette 152/1200", TelescopeOptics{152, 1200}},
    {"Maksutov-Cassegrain 127 f/10", TelescopeOptics{127, 1270}},
    {"Maksutov-Cassegrain 152 f/10", TelescopeOptics{152, 1500}},
    {"Maksutov-Cassegrain 152 f/15", TelescopeOptics{152, 2250}},
    {"Maksutov-Cassegrain 180 f/10", TelescopeOptics{180, 1800}},
    {"Maksutov-Cassegrain 180 f/15", TelescopeOptics{180, 2700}},
    {"Maksutov-Cassegrain 203 f/6", TelescopeOptics{203, 1200}},
    {"Maksutov-Cassegrain 203 f/10", TelescopeOptics{203, 2000}},
    {"Maksutov-Cassegrain 203 f/15", TelescopeOptics{203, 3000}},
    {"Newton 115/900", TelescopeOptics{115, 900}},
    {"Newton 130/720", TelescopeOptics{130, 720}},
    {"Newton 130/900", TelescopeOptics{130, 900}},
    {"Newton 150/750", TelescopeOptics{150, 750}},
    {"Newton 200/800", TelescopeOptics{200, 800}},
    {"Newton 200/1000", TelescopeOptics{200, 1000}},
    {"Newton 200/1200", TelescopeOptics{200, 1200}},
    {"Newton 250/1000", TelescopeOptics{250, 1000}},
    {"Newton 254/1200", TelescopeOptics{254, 1200}},
    {"Newton 300/1500", TelescopeOptics{300, 1500}},
    {"Ritchey-Chrétien 6\"", TelescopeOptics{152, 137}},
    {"Ritchey-Chrétien 8\"", TelescopeOptics{203, 1624}},
    {"Ritchey-Chrétien 10\"", TelescopeOptics{254, 2000}},
    {"Ritchey-Chrétien 12\"", TelescopeOptics{304, 2432}},
    {"Schmidt-Cassegrain 5\"", TelescopeOptics{125, 1250}},
    {"Schmidt-Cassegrain 6\"", TelescopeOptics{150, 1500}},
    {"Schmidt-Cassegrain 8\"", TelescopeOptics{203, 2030}},
    {"Schmidt-Cassegrain 9.25\"", TelescopeOptics{235, 2350}},
    {"Schmidt-Cassegrain 10\"", TelescopeOptics{254, 2540}},
    {"Schmidt-Cassegrain 11\"", TelescopeOptics{280, 2800}},
    {"Schmidt-Cassegrain 12\"", std::nullopt},
    {"Schmidt-Cassegrain 14\"", TelescopeOptics{355, 3550}},
    {"Takahashi FS-60", TelescopeOptics{60, 355}},
    {"Takahashi FS-78", TelescopeOptics{78, 630}},
    {"Takahashi FSQ-85", TelescopeOptics{85, 450}},
    {"Takahashi Sky-90", TelescopeOptics{90, 500}},
    {"Takahashi TSA-102", TelescopeOptics{102, 816}},
    {"Takahashi FSQ-106", TelescopeOptics{106, 530}},
    {"Takahashi TSA-120", TelescopeOptics{120, 900}},
    {"Takahashi Epsilon-130", TelescopeOptics{130, 430}},
    {"Takahashi TOA-130", TelescopeOptics{130, 1000}},
    {"Takahashi TOA-150", TelescopeOptics{150, 1100}},
    {"Takahashi FS-152", TelescopeOptics{152, 1216}},
    {"Takahashi Epsilon-160", TelescopeOptics{160, 530}},
    {"Takahashi Epsilon-180", TelescopeOptics{180, 500}},
    {"Takahashi Mewlon-180", TelescopeOptics{180, 355}},
    {"Takahashi Epsilon-200", TelescopeOptics{200, 800}},
    {"Takahashi Epsilon-210", TelescopeOptics{210, 628}},
    {"Takahashi Mewlon-210", TelescopeOptics{210, 2415}},
    {"Takahashi CN-212", TelescopeOptics{212, 2638}},
    {"Takahashi TSC-225", TelescopeOptics{225, 2700}},
    {"Takahashi BRC-250", TelescopeOptics{250, 1268}},
    {"Takahashi CCA-250", TelescopeOptics{250, 1247}},
    {"Takahashi Epsilon-250", TelescopeOptics{250, 854}},
    {"Takahashi Mewlon-250", TelescopeOptics{250, 3000}},
    {"Takahashi Epsilon-300", TelescopeOptics{300, 1130}},
    {"Takahashi Mewlon-300", TelescopeOptics{300, 3572}},
    {"Vixen VMC 200", TelescopeOptics{200, 1800}},
    {"Vixen VMC 260", TelescopeOptics{260, 2990}},
    {"Vixen VMC 330", TelescopeOptics{330, 4320}},
    {"William Optics FLT 98", TelescopeOptics{98, 618}},
    {"William Optics FLT 110", TelescopeOptics{110, 770}},
    {"William Optics FLT 132", TelescopeOptics{132, 924}},
    {"William Optics GT 81", TelescopeOptics{81, 478}},
    {"William Optics Zenithstar 66", TelescopeOptics{66, 400}},
    {"William Optics Zenithstar 80", TelescopeOptics{80, 545}},
}};

// A row of the reducer and Barlow list.
struct FocalFactorRow {
    std::string_view comboText;
    double factor;
    std::string_view label;   // the text saved as "Barlow"
    std::string_view suffix;  // added to the telescope's name; empty for the general form
};

// Rows 0 to 12 of the reducer and Barlow list; row 13 is "Autre", a typed
// factor. A saved configuration names its factor by the label, so a row added
// here keeps every file readable. The 0.63 x reducer-corrector of
// Schmidt-Cassegrains: "Celestron makes a focal reducer that has a
// magnification factor of 0.63" (Celestron's support knowledgebase, article
// 2243, http://www.celestron.com/c3/support3/index.php?_m=knowledgebase&_a=viewarticle&nav=0&kbarticleid=2243).
inline constexpr std::array<FocalFactorRow, 13> kFocalFactors{{
    {"Aucun", 1.0, "Aucune", ""},
    {"0.33 x", 0.33, "0.33 x", " + Réducteur 0.33 x"},
    {"0.5 x", 0.5, "0.5 x", " + Réducteur 0.5 x"},
    {"0.63 x", 0.63, "0.63 x", " + Réducteur 0.63 x"},
    {"0.73 x", 0.73, "0.73 x", " + Réducteur 0.73 x"},
    {"0.8 x", 0.8, "0.8 x", " + Réducteur 0.8 x"},
    {"1.6 x", 1.6, "1.6 x", " + Barlow 1.6 x"},
    {"2 x", 2.0, "2 x", ""},
    {"2.5 x", 2.5, "2.5 x", " + Barlow 2.5 x"},
    {"2.7 x", 2.7, "2.7 x", " + Barlow 2.7 x"},
    {"3 x", 3.0, "3 x", ""},
    {"4 x", 4.0, "4 x", ""},
    {"5 x", 5.0, "5 x", ""},
}};
inline constexpr int kNoFactorRow = 0;
inline constexpr int kOtherFactorRow = 13;
inline constexpr std::string_view kOtherFactorText = "Autre";

// The fourteen texts of the reducer and Barlow list.
std::vector<std::string> focalFactorComboItems();

// The suffix of the telescope label for a list row and its factor: none for
// row 0, the row's own text, or " + Barlow N x" with N the factor to the
// nearest whole number, halves away from zero.
std::string telescopeSuffix(int row, double factor);

// The row (0 to 12) whose saved label equals the text exactly.
std::optional<int> focalFactorRowForLabel(std::string_view label);
// The factor a saved label stands for: a row's, or a typed number's ("Autre").
std::optional<double> focalFactorOfLabel(std::string_view label);

}  // namespace quarvel::catalogues
