// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/settings.h"

#include <gtest/gtest.h>

#include "config/tests/ini_test_support.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

using namespace quarvel::config;
using namespace quarvel::config::testing;

namespace {

TEST(Settings, AMissingFileGivesTheDefaults) {
    TemporaryDirectory dir;
    const Settings s = readSettings(IniDocument(dir.file("Quarvel.ini")));
    EXPECT_EQ(s.telescope, "Takahashi CN-212");
    EXPECT_EQ(s.barlow, "Aucune");
    EXPECT_EQ(s.diameterMm, 212);
    EXPECT_EQ(s.focalMm, 2628);
    EXPECT_EQ(s.filter, 0);
    EXPECT_EQ(s.camera, "HiSis-22");
    EXPECT_EQ(s.sensor, "KAF0400");
    EXPECT_EQ(s.sensorX, "768");
    EXPECT_EQ(s.sensorY, "512");
    EXPECT_EQ(s.pixelX, "9");
    EXPECT_EQ(s.pixelY, "9");
    EXPECT_EQ(s.squarePixels, 0);
}

// Every key written by writeSettings is read back by readSettings, in a new
// file in the keys' order and with its accents in Windows-1252.
TEST(Settings, EveryKeyRoundTripsWithAccentedText) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    Settings written;
    written.telescope = "Ritchey-Chrétien 8\"";
    written.barlow = "0.5 x";
    written.diameterMm = 203;
    written.focalMm = 1624;
    written.filter = 3;
    written.camera = "Caméra spéciale";
    written.sensor = "Inconnu";
    written.sensorX = "1000";
    written.sensorY = "800";
    written.pixelX = "5.5";
    written.pixelY = "6";
    written.squarePixels = 1;
    updateFile(ini.path(), [&](IniDocument& file) { writeSettings(file, written); });
    EXPECT_EQ(settingsKeys().size(), 12u);  // the night mode is written on its own
    const Settings s = readSettings(IniDocument(ini.path()));
    EXPECT_EQ(s.telescope, written.telescope);
    EXPECT_EQ(s.barlow, "0.5 x");
    EXPECT_EQ(s.diameterMm, 203);
    EXPECT_EQ(s.focalMm, 1624);
    EXPECT_EQ(s.filter, 3);
    EXPECT_EQ(s.camera, "Caméra spéciale");
    EXPECT_EQ(s.sensor, "Inconnu");
    EXPECT_EQ(s.sensorX, "1000");
    EXPECT_EQ(s.sensorY, "800");
    EXPECT_EQ(s.pixelX, "5.5");
    EXPECT_EQ(s.pixelY, "6");
    EXPECT_EQ(s.squarePixels, 1);
    EXPECT_EQ(s.nightMode, 0);  // not written unless switched
    EXPECT_EQ(readBytes(ini.path()),
              "[parametres]\r\nT\xE9lescope=Ritchey-Chr\xE9tien 8\"\r\nBarlow=0.5 x\r\nDiam\xE8tre=203\r\n"
              "Focale=1624\r\nFiltre=3\r\nCam\xE9ra=Cam\xE9ra sp\xE9" "ciale\r\nCapteur=Inconnu\r\n"
              "CapteurX=1000\r\nCapteurY=800\r\nCapteurPxX=5.5\r\nCapteurPxY=6\r\nPixelCarr\xE9=1\r\n");
}

// The preferences are read with the other keys and written one at a time,
// each as it was set: a seeing of 2.25" stays 2.25"; values out of their
// range read as missing.
TEST(Settings, PreferencesRoundTripOneAtATime) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    Settings set;
    set.nightMode = 1;
    set.seeingArcsec = 2.25;
    set.binning = 3;
    for (const auto key : {kKeySeeing, kKeyBinning, kKeyNightMode}) {
        updateFile(path, [&](IniDocument& file) { writePreference(file, key, set); });
    }
    EXPECT_EQ(readBytes(path), "[parametres]\r\nFWHM=2.25\r\nBinning=3\r\nModeNuit=1\r\n");
    const Settings s = readSettings(IniDocument(path));
    EXPECT_EQ(s.seeingArcsec, 2.25);
    EXPECT_EQ(s.binning, 3);
    EXPECT_EQ(s.nightMode, 1);
    writeBytes(path, "[parametres]\r\nFWHM=31\r\nBinning=5\r\n");
    EXPECT_EQ(readSettings(IniDocument(path)).seeingArcsec, 2.5);
    EXPECT_EQ(readSettings(IniDocument(path)).binning, 1);
}

TEST(Settings, WholeNumberKeysThatAreNotWholeTakeTheirDefaults) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    writeBytes(ini.path(), "[parametres]\r\nDiam\xE8tre=2O3\r\nFocale=1624.5\r\nFiltre=0x2\r\nPixelCarr\xC9=oui\r\n");
    const Settings s = readSettings(IniDocument(ini.path()));
    EXPECT_EQ(s.diameterMm, 212);
    EXPECT_EQ(s.focalMm, 2628);
    EXPECT_EQ(s.filter, 2);
    EXPECT_EQ(s.squarePixels, 0);
}

// A Celestron C8 is 203.2 mm; files written before keep their whole numbers.
TEST(Settings, TheDiameterIsARealAndWholeOnesReadAsBefore) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    for (const auto& [text, expected] : {std::pair{"203.2", 203.2}, {"0x10", 16.0}, {" 212 ", 212.0}}) {
        writeBytes(path, "[parametres]\r\nDiam\xE8tre=" + std::string(text) + "\r\n");
        EXPECT_EQ(readSettings(IniDocument(path)).diameterMm, expected) << text;
    }
}

TEST(Settings, TheFileLivesBesideTheExecutable) {
    EXPECT_EQ(configPathBeside("/opt/quarvel/quarvel"), "/opt/quarvel/Quarvel.ini");
    EXPECT_EQ(configPathBeside("/quarvel"), "/Quarvel.ini");
}

}  // namespace

namespace {

// Inputs the INI fuzzer once found a fault with: a key just written must be
// found again, whatever the file held.
TEST(Settings, FormerFuzzFindingsReadBackWhatTheyWrite) {
    TemporaryDirectory dir;
    const std::filesystem::path folder = QUARVEL_SOURCE_DIR "/fuzz/regressions/ini";
    ASSERT_TRUE(std::filesystem::exists(folder));
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        IniFile ini(dir.file("Quarvel.ini"));
        writeBytes(ini.path(), readBytes(entry.path().string()));
        const Settings s = readSettings(IniDocument(ini.path()));
        ini.writeString(kSection, kKeyCamera, s.telescope);
        EXPECT_TRUE(ini.readString(kSection, kKeyCamera).has_value()) << entry.path();
    }
}

}  // namespace

namespace {

TEST(ConfigLocation, BesideAPortableProgramElseInTheUsersConfigurationFolder) {
    TemporaryDirectory dir;
    std::filesystem::create_directories(dir.file("portable"));
    std::filesystem::create_directories(dir.file("usr/bin"));
    std::filesystem::create_directories(dir.file("old/bin"));
    writeBytes(dir.file("old/bin/Quarvel.ini"), "[parametres]\r\n");
    const std::string home = dir.file("home");
    const std::string xdg = dir.file("xdg");
    struct Case {
        const char* name;
        std::string program;
        const char* xdg;
        const char* home;
        std::string expected;
    };
    const Case cases[] = {
        {"portable folder", dir.file("portable/quarvel"), xdg.c_str(), home.c_str(), dir.file("portable/Quarvel.ini")},
        {"system bin folder", dir.file("usr/bin/quarvel"), xdg.c_str(), home.c_str(), xdg + "/quarvel/Quarvel.ini"},
        {"no XDG_CONFIG_HOME", dir.file("usr/bin/quarvel"), nullptr, home.c_str(), home + "/.config/quarvel/Quarvel.ini"},
        {"relative XDG_CONFIG_HOME", dir.file("usr/bin/quarvel"), "rel", home.c_str(), home + "/.config/quarvel/Quarvel.ini"},
        {"a file beside wins", dir.file("old/bin/quarvel"), xdg.c_str(), home.c_str(), dir.file("old/bin/Quarvel.ini")},
        // Root started with no environment: never a configuration in a bin folder.
        {"no HOME", dir.file("usr/bin/quarvel"), nullptr, nullptr,
         std::string(getpwuid(geteuid())->pw_dir) + "/.config/quarvel/Quarvel.ini"},
    };
    for (const auto& c : cases) EXPECT_EQ(configPathFor(c.program, c.xdg, c.home), c.expected) << c.name;
    // A folder nobody may write is a system install too.
    std::filesystem::permissions(dir.file("portable"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::string path = dir.file("portable/quarvel");
    EXPECT_EQ(runUnprivileged([&] { return configPathFor(path, xdg.c_str(), home.c_str()); }),
              xdg + "/quarvel/Quarvel.ini");
}

TEST(ConfigLocation, TheFirstSaveMakesThePrivateFolder) {
    TemporaryDirectory dir;
    const std::string path = dir.file("home/.config/quarvel/Quarvel.ini");
    IniFile(path).writeString(kSection, kKeyFocal, "1000");
    EXPECT_EQ(readBytes(path), "[parametres]\r\nFocale=1000\r\n");
    struct stat st {};
    ASSERT_EQ(stat(dir.file("home/.config/quarvel").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

}  // namespace
