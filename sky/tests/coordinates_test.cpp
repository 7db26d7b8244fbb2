// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "sky/coordinates.h"

namespace quarvel::sky {
namespace {

constexpr double kArcsec = 1.0 / 3600;

TEST(Coordinates, EveryFormImagersCopyIsRead) {
    // The Trapezium, 05h35m17s -05°23'28", in every form.
    const double ra = (5 + 35 / 60.0 + 17 / 3600.0) * 15, dec = -(5 + 23 / 60.0 + 28 / 3600.0);
    for (const char* text : {"05h35m17s -05°23'28\"", "5:35:17 -5:23:28", "5 35 17 -5 23 28", "05h 35m 17s, -05° 23′ 28″",
                             "5hr 35' 17\" −5º 23' 28\"", "  05H35M17S   -05D23'28\"  "}) {
        const auto read = parseEquatorial(text);
        ASSERT_TRUE(read) << text;
        EXPECT_NEAR(read->raDeg, ra, 1e-9) << text;
        EXPECT_NEAR(read->decDeg, dec, 1e-9) << text;
    }
    struct Case {
        const char* text;
        double ra, dec;
    };
    for (const Case& c : {Case{"83.8221 -5.3911", 83.8221, -5.3911}, {"83,8221 -5,3911", 83.8221, -5.3911},
                          {"83.8221, -5.3911", 83.8221, -5.3911}, {"83,8221;-5,3911", 83.8221, -5.3911},
                          {"5h35.5m +22°0.5'", 83.875, 22.00833333333}, {"0 0 0 -0 30 0", 0, -0.5},
                          {"12 30 00 90 00 00", 187.5, 90}, {"359.99 -90", 359.99, -90}, {"5.5h 10", 82.5, 10}}) {
        const auto read = parseEquatorial(c.text);
        ASSERT_TRUE(read) << c.text;
        EXPECT_NEAR(read->raDeg, c.ra, 1e-9) << c.text;
        EXPECT_NEAR(read->decDeg, c.dec, 1e-9) << c.text;
    }
}

TEST(Coordinates, ReadTheSameUnderAFrenchLocale) {
    const char* before = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = before ? before : "C";
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) GTEST_SKIP() << "no French locale";
    const auto read = parseEquatorial("0:41:00.5 +41,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(read);
    EXPECT_NEAR(read->raDeg, (41 + 0.5 / 60) / 4, 1e-9);
    EXPECT_NEAR(read->decDeg, 41.5, 1e-9);
}

TEST(Coordinates, OtherTextsAndRangesAreRefused) {
    for (const char* text : {"", "M 31", "83.8", "24:00:00 +10:00:00", "360 0", "10 91", "5:60:00 +1:00:00",
                             "5:35 -5:23:28:1", "-5:35:17 +5:23:28", "5.5:35:17 +5:23:28", "5 35 17 -5 23 28 1",
                             "5h35m17s - -5°", "1e3 5", "5:35:17 -5:23:28 M42"}) {
        EXPECT_FALSE(parseEquatorial(text)) << text;
    }
}

TEST(Coordinates, AnAngleIsReadDecimalOrSexagesimalWithItsHemisphere) {
    const std::pair<const char*, double> read[] = {
        {"48.85", 48.85},     {"48,85", 48.85},         {"-0.17", -0.17},  {"48°51'", 48.85},
        {"48 51 00", 48.85},  {"48:51:00", 48.85},      {"48°51'N", 48.85}, {"33°27' S", -33.45},
        {"33.45s", 0},        {"2°21'O", -2.35},        {"2.35 W", -2.35}, {"−70°40′", -70 - 40 / 60.0},
    };
    for (const auto& [text, degrees] : read) {
        const auto found = parseAngle(text, "N", "S");
        const auto east = parseAngle(text, "E", "OW");
        if (degrees == 0) {
            EXPECT_FALSE(found) << text;
            continue;
        }
        ASSERT_TRUE(found || east) << text;
        EXPECT_NEAR(found ? *found : *east, degrees, 1e-9) << text;
    }
    for (const char* text : {"", "N", "-48N", "48h51m", "48 61", "48 51 24 12", "48.5 30", "quarante", "48°51'E"}) {
        EXPECT_FALSE(parseAngle(text, "N", "S")) << text;
    }
}

TEST(Coordinates, WrittenAsCaptureProgramsReadThemAndReadBack) {
    EXPECT_EQ(formatEquatorial({83.8220833, -5.3911111}), "05h35m17.3s -05°23'28\"");
    EXPECT_EQ(formatEquatorial({359.99999, 89.99999}), "00h00m00.0s +90°00'00\"");
    EXPECT_EQ(formatEquatorial({10.6847083, 41.26875}), "00h42m44.3s +41°16'08\"");
    EXPECT_EQ(formatDeclination(-0.1 * kArcsec), "+00°00'00\"");
    for (const Equatorial p : {Equatorial{0.001, -89.5}, {201.365, -43.019}, {299.9, 0.25}}) {
        const auto back = parseEquatorial(formatEquatorial(p));
        ASSERT_TRUE(back);
        EXPECT_LT(separationDeg(*back, p), 1 * kArcsec);
    }
}

}  // namespace
}  // namespace quarvel::sky
