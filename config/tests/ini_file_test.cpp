// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>

#include "config/tests/ini_test_support.h"
#include "core/errors.h"
#include "core/tests/message_of.h"

using namespace quarvel::config;
using namespace quarvel::config::testing;

namespace {

TEST(IniFile, MissingFileSectionOrKeyReadsAsMissing) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    EXPECT_FALSE(ini.readString("parametres", "Focale").has_value());
    writeBytes(ini.path(), "[autre]\r\nFocale=1000\r\n");
    EXPECT_FALSE(ini.readString("parametres", "Focale").has_value());
    writeBytes(ini.path(), "[parametres]\r\nFocal=1000\r\n");
    EXPECT_FALSE(ini.readString("parametres", "Focale").has_value());
}

TEST(IniFile, ReadsValuesTrimmedAndUnquotedWithoutRegardToCase) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    writeBytes(ini.path(),
               "; note\r\n[Autre]\r\nCapteur=pas celui-ci\r\n"
               "[PARAMETRES]\r\n  t\xC9LESCOPE  =  Newton 200/1000  \r\n"
               "Cam\xE9ra=\"HiSis-22\"\r\nCapteur='ICX285'\r\nCapteurX=\"768'\r\n"
               "CapteurY=a=b\r\nCapteurPxX=\r\nCapteur=doublon\r\n");
    EXPECT_EQ(ini.readString("parametres", "Télescope"), "Newton 200/1000");
    EXPECT_EQ(ini.readString("parametres", "Caméra"), "HiSis-22");
    EXPECT_EQ(ini.readString("parametres", "Capteur"), "ICX285");  // the first of duplicates
    EXPECT_EQ(ini.readString("parametres", "CapteurX"), "\"768'");  // quotes that do not pair stay
    EXPECT_EQ(ini.readString("parametres", "CapteurY"), "a=b");
    EXPECT_EQ(ini.readString("parametres", "CapteurPxX"), "");
}

TEST(IniFile, ReadsOtherLineEndingsAndUtf8FilesWithAByteOrderMark) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    for (const char* bytes : {"[parametres]\nFocale=1000\nFiltre=2", "[parametres]\rFocale=1000\rFiltre=2\r",
                              "[parametres]\r\nFocale=1000\nFiltre=2\r"}) {
        writeBytes(ini.path(), bytes);
        EXPECT_EQ(ini.readInteger("parametres", "Focale"), 1000);
        EXPECT_EQ(ini.readInteger("parametres", "Filtre"), 2);
    }
    writeBytes(ini.path(), "\xEF\xBB\xBF[parametres]\nT\xC3\xA9lescope=Ritchey-Chr\xC3\xA9tien 8\"\n");
    EXPECT_EQ(ini.readString("parametres", "Télescope"), "Ritchey-Chrétien 8\"");
    // Such a file stays UTF-8 when a key is written into it.
    ini.writeString("parametres", "Caméra", "Atik 16 é");
    EXPECT_EQ(ini.readString("parametres", "Caméra"), "Atik 16 é");
    EXPECT_EQ(readBytes(ini.path()),
              "\xEF\xBB\xBF[parametres]\nT\xC3\xA9lescope=Ritchey-Chr\xC3\xA9tien 8\"\nCam\xC3\xA9ra=Atik 16 \xC3\xA9\r\n");
    writeBytes(ini.path(), "[parametres]\rFiltre=2\r[autre]\rx=1");
    ini.writeString("parametres", "Focale", "1000");
    EXPECT_EQ(readBytes(ini.path()), "[parametres]\rFiltre=2\rFocale=1000\r\n[autre]\rx=1");
}

TEST(IniFile, IntegersAreDecimalOrHexadecimal) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"212", 212},      {" 212 ", 212},    {"-3", -3},           {"0x1F", 31},   {"0XfF", 255},
        {"203.5", {}},     {"1624.5", {}},    {"", {}},             {"abc", {}},    {"0x", {}},
        {"0x7FFFFFFF", 2147483647},           {"0x80000000", {}},   {"99999999999", {}}, {"1e3", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseIniInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(IniFile, ANewFileGetsTheSectionAndCrLfLines) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    ini.writeString("parametres", "Télescope", "Takahashi CN-212");
    ini.writeString("parametres", "Diamètre", "212");
    EXPECT_EQ(readBytes(ini.path()), "[parametres]\r\nT\xE9lescope=Takahashi CN-212\r\nDiam\xE8tre=212\r\n");
}

TEST(IniFile, SavingReplacesInPlaceAndAppendsLeavingTheRestByteForByte) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    const std::string before =
        "; mes r\xE9glages\r\n[Autre]\r\nFocale = 99 \r\n\r\n"
        "[parametres]\r\nInconnue = garde\r\n  FOCALE =  \"1000\"  \r\nFiltre=3\r\n\r\n"
        "[Fin]\nx=y";
    writeBytes(ini.path(), before);
    ini.writeString("parametres", "Focale", "2628");
    ini.writeString("parametres", "Caméra", "Atik 16");
    EXPECT_EQ(readBytes(ini.path()),
              "; mes r\xE9glages\r\n[Autre]\r\nFocale = 99 \r\n\r\n"
              "[parametres]\r\nInconnue = garde\r\nFOCALE=2628\r\nFiltre=3\r\nCam\xE9ra=Atik 16\r\n\r\n"
              "[Fin]\nx=y");
}

TEST(IniFile, AppendsToALastLineWithoutEnding) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    writeBytes(ini.path(), "[parametres]\r\nFiltre=3");
    ini.writeString("parametres", "Focale", "1000");
    EXPECT_EQ(readBytes(ini.path()), "[parametres]\r\nFiltre=3\r\nFocale=1000\r\n");
    writeBytes(ini.path(), "[autre]\r\nx=1");
    ini.writeString("parametres", "Focale", "1000");
    EXPECT_EQ(readBytes(ini.path()), "[autre]\r\nx=1\r\n[parametres]\r\nFocale=1000\r\n");
}

TEST(IniFile, TextRoundTripsThroughWindows1252) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    const std::string text = "Lunette Œil-de-bœuf 80€ ‰ «é»";
    ini.writeString("parametres", "Caméra", text);
    EXPECT_EQ(ini.readString("parametres", "Caméra"), text);
    ini.writeString("parametres", "Caméra", "日本 camera");
    EXPECT_EQ(ini.readString("parametres", "Caméra"), "?? camera");
}

TEST(IniFile, ValuesStayOnOneLineAndWithinTheLimit) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    ini.writeString("parametres", "Caméra", "a\r\n[parametres]\r\nFocale=1");
    EXPECT_FALSE(ini.readString("parametres", "Focale").has_value());
    ini.writeString("parametres", "Capteur", std::string(5000, 'x'));
    EXPECT_EQ(ini.readString("parametres", "Capteur")->size(), IniFile::kMaxValueLength);
    writeBytes(ini.path(), "[parametres]\r\nCapteur=" + std::string(100000, 'y') + "\r\n");
    EXPECT_EQ(ini.readString("parametres", "Capteur")->size(), IniFile::kMaxValueLength);
}

// The message a write into `path` fails with, or "" when it succeeds.
std::string failedWriteMessage(const std::string& path) {
    return runUnprivileged([&path]() -> std::string {
        try {
            IniFile(path).writeString("parametres", "Focale", "2628");
        } catch (const quarvel::core::QuarvelError& e) {
            return e.message();
        }
        return "";
    });
}

TEST(IniFile, AReadOnlyDirectoryReportsThePathAndLeavesTheOldFile) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    const std::string before = "[parametres]\r\nFocale=1000\r\n";
    writeBytes(path, before);
    chmod(path.c_str(), 0644);
    chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(failedWriteMessage(path), "Impossible d'écrire dans " + path);
    EXPECT_EQ(readBytes(path), before);
}

TEST(IniFile, AFullDiskReportsThePathAndLeavesTheOldFile) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    const std::string before = "[parametres]\r\nFocale=1000\r\nCapteur=" + std::string(200, 'x') + "\r\n";
    writeBytes(ini.path(), before);
    std::string message;
    withFileSizeLimit(64, [&] {
        try {
            ini.writeString("parametres", "Focale", "2628");
        } catch (const quarvel::core::QuarvelError& e) {
            message = e.message();
        }
    });
    EXPECT_EQ(message, "Impossible d'écrire dans " + ini.path());
    EXPECT_EQ(readBytes(ini.path()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST(IniFile, AFileThatCannotBeReadIsNotReplaced) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    std::filesystem::create_directory(ini.path());  // reading a directory fails for root too
    EXPECT_THROW(ini.writeString("parametres", "Focale", "2628"), quarvel::core::QuarvelError);
    EXPECT_TRUE(std::filesystem::is_directory(ini.path()));
}

TEST(IniFile, KeepsTheFilePermissions) {
    TemporaryDirectory dir;
    IniFile ini(dir.file("Quarvel.ini"));
    writeBytes(ini.path(), "[parametres]\r\n");
    chmod(ini.path().c_str(), 0640);
    ini.writeString("parametres", "Focale", "1");
    struct stat st {};
    ASSERT_EQ(stat(ini.path().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

}  // namespace

namespace quarvel_file_tests {

std::string saveMessage(const std::string& path) {
    try {
        IniFile(path).writeString("parametres", "Focale", "2628");
    } catch (const quarvel::core::QuarvelError& e) {
        return e.message();
    }
    return "";
}

TEST(ReplaceFile, AReadOnlyFileIsNotReplacedEvenByRoot) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    writeBytes(path, "[parametres]\r\nFocale=1000\r\n");
    chmod(path.c_str(), 0444);
    EXPECT_EQ(saveMessage(path), "Impossible d'écrire dans " + path);
    EXPECT_EQ(readBytes(path), "[parametres]\r\nFocale=1000\r\n");
}

TEST(ReplaceFile, ALinkStaysALinkAndItsTargetIsWritten) {
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir.file("real"));
    writeBytes(dir.file("real/Quarvel.ini"), "[parametres]\r\nFocale=1000\r\n");
    std::filesystem::create_symlink("real/Quarvel.ini", dir.file("Quarvel.ini"));
    EXPECT_EQ(saveMessage(dir.file("Quarvel.ini")), "");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("Quarvel.ini")));
    EXPECT_EQ(readBytes(dir.file("real/Quarvel.ini")), "[parametres]\r\nFocale=2628\r\n");
}

TEST(ReplaceFile, RemovesTemporariesThatACrashLeftAndKeepsOthers) {
    TemporaryDirectory dir;
    writeBytes(dir.file("Quarvel.ini.tmp-a1B2c3"), "half");
    writeBytes(dir.file("Quarvel.ini.bak"), "mine");
    EXPECT_EQ(saveMessage(dir.file("Quarvel.ini")), "");
    EXPECT_FALSE(std::filesystem::exists(dir.file("Quarvel.ini.tmp-a1B2c3")));
    EXPECT_EQ(readBytes(dir.file("Quarvel.ini.bak")), "mine");
}

TEST(ReplaceFile, RootSavingAnotherUsersFileLeavesItTheirs) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root";
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    writeBytes(path, "[parametres]\r\n");
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    chmod(path.c_str(), 0600);
    EXPECT_EQ(saveMessage(path), "");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// A file not read whole is never written over: its bytes stay, and the save
// says so.
TEST(IniDocument, AFileOverOneMegabyteIsNotReadNorWrittenOver) {
    TemporaryDirectory dir;
    const std::string path = dir.file("Quarvel.ini");
    const std::string bytes = "[parametres]\r\nFocale=1000\r\n" + std::string(2 << 20, '\n');
    writeBytes(path, bytes);
    IniDocument document(path);
    EXPECT_EQ(document.status(), ReadStatus::TooLarge);
    EXPECT_FALSE(document.readString("parametres", "Focale"));
    document.setString("parametres", "Focale", "2628");
    EXPECT_EQ(quarvel::core::testing::messageOf([&] { document.save(); }),
              path + " n'a pas pu être lu en entier et reste tel quel : déplacez-le pour en enregistrer un nouveau");
    EXPECT_EQ(readBytes(path), bytes);
}

}  // namespace quarvel_file_tests
