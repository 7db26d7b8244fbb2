// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the world outside: a configuration that cannot be written, and
// configuration files that were damaged or written by other programs.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <csignal>
#include <random>

#include "core/errors.h"
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

// A view that goes stops watching; a control that goes first leaves its
// watches nothing to end.
TEST(Watches, EndWithTheirHandleWhicheverGoesFirst) {
    int shown = 0;
    form::Watch kept;
    {
        form::EditField field("eTest");
        {
            const form::Watch gone = field.watch([&shown] { ++shown; });
            kept = field.watch([&shown] { shown += 10; });
            field.setText("1");
        }
        field.setText("2");
    }
    kept.release();
    EXPECT_EQ(shown, 21);
}

TEST_F(ProgramTest, AFullDiskReportsTheFileAndKeepsTheOldOne) {
    writeIni("[parametres]\r\nFocale=1000\r\nCapteur=" + std::string(300, 'x') + "\r\n");
    const std::string before = iniBytes();
    MainForm& f = start();
    quarvel::config::testing::withFileSizeLimit(100, [&] { f.userClicks(f.bbSauveConfig); });
    EXPECT_EQ(reporter.messages, Strings{"Impossible d'écrire dans " + iniPath});
    EXPECT_EQ(iniBytes(), before);
}

TEST_F(ProgramTest, AReadOnlyFolderReportsTheFileAndKeepsTheOldOne) {
    writeIni("[parametres]\r\nFocale=1000\r\n");
    const std::string before = iniBytes();
    chmod(iniPath.c_str(), 0644);
    chmod(dir.path().c_str(), 0555);
    const std::string message = quarvel::config::testing::runUnprivileged([this] {
        MainForm& f = start();
        f.userClicks(f.bbSauveConfig);
        return reporter.messages.empty() ? std::string() : reporter.messages.front();
    });
    EXPECT_EQ(message, "Impossible d'écrire dans " + iniPath);
    EXPECT_EQ(iniBytes(), before);
}

struct DamagedFile {
    const char* name;
    std::string bytes;
    const char* diameter;
    const char* focal;
    const char* camera;
};

TEST_F(ProgramTest, DamagedFilesLoadWhatTheyCanAndDefaultTheRest) {
    const DamagedFile cases[] = {
        {"line feeds alone", "[parametres]\nDiam\xE8tre=200\nFocale=1000\nCam\xE9ra=Atik 16\n", "200", "1000",
         "Atik 16"},
        {"carriage returns alone", "[parametres]\rDiam\xE8tre=200\rFocale=1000\r", "200", "1000", "HiSis-22"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF[parametres]\r\nDiam\xC3\xA8tre=150\r\nCam\xC3\xA9ra=Caméra\r\n",
         "150", "2628", "Caméra"},
        {"duplicate keys", "[parametres]\r\nDiam\xE8tre=100\r\nDiam\xE8tre=300\r\n[parametres]\r\nFocale=500\r\n",
         "100", "2628", "HiSis-22"},
        {"a 100 KB value", "[parametres]\r\nCam\xE9ra=" + std::string(100000, 'A') + "\r\nDiam\xE8tre=90\r\n", "90",
         "2628", nullptr},
        {"binary garbage", std::string("\0\xFF\x01[param\0etres]\r\n=\x80\x81\x9D\xFE", 17), "212", "2628", "HiSis-22"},
    };
    for (const auto& c : cases) {
        writeIni(c.bytes);
        reporter.messages.clear();
        MainForm& f = start();
        EXPECT_EQ(f.parametrage.eDiam.text(), c.diameter) << c.name;
        EXPECT_EQ(f.parametrage.eFocale.text(), c.focal) << c.name;
        if (c.camera) {
            EXPECT_EQ(f.parametrage.eNomCamera.text(), c.camera) << c.name;
        } else {
            EXPECT_EQ(f.parametrage.eNomCamera.text(), std::string(2047, 'A')) << c.name;
        }
        for (const auto& m : reporter.messages) EXPECT_TRUE(quarvel::core::isFixedMessage(m)) << c.name << ": " << m;
    }
}

// Whether the program starts within 2 s and 100 MB more memory: in a child
// process, so that what the test process (or a sanitizer) held before does
// not count.
bool startsQuickly(const std::function<void()>& start) {
    const pid_t child = fork();
    if (child == 0) {
        struct rusage before {}, after {};
        getrusage(RUSAGE_SELF, &before);
        const auto begin = std::chrono::steady_clock::now();
        start();
        const auto elapsed = std::chrono::steady_clock::now() - begin;
        getrusage(RUSAGE_SELF, &after);
        std::cout << "start-up: " << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()
                  << " ms, peak memory +" << (after.ru_maxrss - before.ru_maxrss) / 1024 << " MB" << std::endl;
        _exit(elapsed < std::chrono::seconds(2) && after.ru_maxrss - before.ru_maxrss < 100 * 1024 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct HostileFile {
    const char* name;
    std::function<void(const std::string& path)> make;
    std::string startMessage;  // after the path
    std::string shippedMessage;
};

// Files that are too large, endless or no files at all where the program
// keeps its configuration, the user's equipment and its shipped tables: said
// at start, quickly and in little memory, and never written over by a save
// or an add.
TEST_F(ProgramTest, HostileFilesAreSaidAndNeverWrittenOver) {
    using quarvel::config::testing::writeBytes;
    const std::string equipmentPath = dir.file("Quarvel-equipements.ini");
    const HostileFile cases[] = {
        {"50 MB of blank lines", [](const std::string& p) { writeBytes(p, std::string(50 << 20, '\n')); },
         "Fichier de plus de 1 Mo : valeurs par défaut utilisées", "Fichier de plus de 4 Mo"},
        {"2 GB, sparse", [](const std::string& p) { writeBytes(p, ""); (void)!truncate(p.c_str(), 2LL << 30); },
         "Fichier de plus de 1 Mo : valeurs par défaut utilisées", "Fichier de plus de 4 Mo"},
        {"a pipe", [](const std::string& p) { mkfifo(p.c_str(), 0600); }, "n'est pas un fichier ordinaire",
         "n'est pas un fichier ordinaire"},
        {"a link to /dev/zero", [](const std::string& p) { (void)!symlink("/dev/zero", p.c_str()); },
         "n'est pas un fichier ordinaire", "n'est pas un fichier ordinaire"},
    };
    equipmentFolder = dir.file("equipment");
    std::filesystem::create_directory(equipmentFolder);
    for (const char* table : {"cameras.csv", "dslr.csv", "telescopes.csv"}) {
        std::filesystem::copy_file(QUARVEL_SOURCE_DIR "/data/equipment/" + std::string(table),
                                   equipmentFolder + "/" + table);
    }
    const std::string shipped = equipmentFolder + "/sensors.csv";
    const auto bytesOf = [](const std::string& p) {
        struct stat st {};
        return lstat(p.c_str(), &st) == 0 ? std::to_string(st.st_mode) + ":" + std::to_string(st.st_size) : "none";
    };
    for (const auto& c : cases) {
        for (const std::string& path : {iniPath, equipmentPath, shipped}) {
            for (const std::string& p : {iniPath, equipmentPath, shipped}) std::filesystem::remove(p);
            c.make(path);
            if (path != shipped) std::filesystem::copy_file(QUARVEL_SOURCE_DIR "/data/equipment/sensors.csv", shipped);
            const std::string before = bytesOf(path);
            reporter.messages.clear();
            EXPECT_TRUE(startsQuickly([this] { start(); })) << c.name << " " << path;
            MainForm& f = start();
            const std::string said =
                path == equipmentPath
                    ? "Équipement ignoré : " + path + ", fichier illisible"
                    : "Impossible d'ouvrir le fichier \"" + path + "\". " +
                          (path == iniPath ? c.startMessage : c.shippedMessage);
            EXPECT_EQ(reporter.messages, Strings{said}) << c.name;
            if (path == shipped) {
                EXPECT_FALSE(program->equipment.catalogue.findSensor("IMX571")) << c.name;
                EXPECT_EQ(f.parametrage.eFD.text(), "12.40");
                continue;  // the program runs on its built-in sensors
            }
            reporter.messages.clear();
            if (path == iniPath) {
                f.userClicks(f.bbSauveConfig);
            } else {
                whenOpened<TelescopesForm>([](TelescopesForm& d) {
                    d.userClicks(d.bbAjouterTel);
                    d.userClicks(d.bbCancel);
                });
                whenOpened<NameForm>([](NameForm& d) {
                    d.userTypes(d.eNomEquipement, "Mon 200");
                    d.userClicks(d.bbNomOK);
                });
                f.userClicks(f.parametrage.bbTelescopes);
            }
            EXPECT_EQ(reporter.messages,
                      Strings{path + " n'a pas pu être lu en entier et reste tel quel : déplacez-le pour en "
                                     "enregistrer un nouveau"})
                << c.name;
            EXPECT_EQ(bytesOf(path), before) << c.name;
        }
    }
}

// 100,000 unknown sections: one message for the file, its first ten and how
// many more, and the window quickly.
TEST_F(ProgramTest, ManyBadSectionsAreOneMessageQuickly) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "[Divers]\r\n";
    const std::string path = dir.file("Quarvel-equipements.ini");
    quarvel::config::testing::writeBytes(path, bytes);
    EXPECT_TRUE(startsQuickly([this] { start(); }));
    start();
    std::string expected = "Équipement ignoré : ";
    for (int line = 1; line <= 10; ++line) {
        expected += path + ", ligne " + std::to_string(line) + ", [Divers] : section inconnue\n";
    }
    EXPECT_EQ(reporter.messages, Strings{expected + "… et 99990 autres sections ignorées"});
}

TEST_F(ProgramTest, RandomBytesAsTheFileNeverCrash) {
    std::mt19937 random(7);
    for (int run = 0; run < 200; ++run) {
        std::string bytes(static_cast<std::size_t>(random() % 600), '\0');
        for (auto& b : bytes) b = static_cast<char>(random());
        if (run % 2 == 0) bytes = "[parametres]\r\n" + bytes;
        writeIni(bytes);
        reporter.messages.clear();
        MainForm& f = start();
        f.userClicks(f.bbChargeConfig);
        for (const auto& m : reporter.messages) EXPECT_TRUE(quarvel::core::isFixedMessage(m)) << m;
    }
}

}  // namespace
