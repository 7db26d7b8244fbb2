// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped equipment files: their rows follow the built-in ones in every
// list, a chosen row comes back after a restart, and a damaged file costs
// only its bad rows.
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

class EquipmentTest : public ProgramTest {
protected:
    void SetUp() override { equipmentFolder = QUARVEL_SOURCE_DIR "/data/equipment"; }
};

TEST_F(EquipmentTest, ShippedRowsFollowTheBuiltInOnes) {
    MainForm& f = start();
    EXPECT_TRUE(reporter.messages.empty());
    // The built-in rows keep their places: every offset and saved name works as before.
    EXPECT_EQ(f.parametrage.cbCapteurs.items()[14], "ICX285");
    EXPECT_EQ(f.parametrage.cbCapteurs.items()[101], "IMX178");
    EXPECT_EQ(f.sensorDrawing.cbCapteursPict.items()[98], "IMX178");
    const auto& cameras = program->camerasForm.list.items();
    EXPECT_GE(cameras.size(), 161u + 28u);
    EXPECT_GE(rowOf(program->camerasForm.list, "Atik 383"), 161);
    EXPECT_EQ(program->telescopesForm.lbTelescopes.items()[83], "Askar 120APO");
    // What imagers asked for.
    const auto& catalogue = program->equipment.catalogue;
    EXPECT_EQ(catalogue.mapCamera("ZWO ASI678MC")->sensorName, "IMX678");
    for (const char* telescope : {"Celestron EdgeHD 8", "Sky-Watcher Quattro 200P", "Askar FRA400"}) {
        EXPECT_TRUE(catalogue.findTelescopeRow(telescope)) << telescope;
    }

    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "ZWO ASI2600MC Pro"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "IMX571");
    EXPECT_EQ(texts({&f.parametrage.eNbPixelsX, &f.parametrage.eNbPixelsY, &f.parametrage.eTaillePixelsX,
                     &f.parametrage.eNomCamera}),
              (Strings{"6248", "4176", "3.76", "ZWO ASI2600MC Pro"}));

    // A digital camera gets a sensor row in the built-in style, or the
    // built-in row with the same numbers.
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, rowOf(d.list, "Nikon Z7"));
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbAPN);
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "Full frame Nikon 45.4 Mp");
    EXPECT_EQ(program->equipment.catalogue.mapDslr("Canon EOS 60Da")->sensorName, "APS-C Canon 18 Mp");

    // Saved by name, back by name after a restart.
    f.userClicks(f.bbSauveConfig);
    MainForm& again = start();
    EXPECT_EQ(again.parametrage.cbCapteurs.text(), "Full frame Nikon 45.4 Mp");
    EXPECT_EQ(texts({&again.parametrage.eNbPixelsX, &again.parametrage.eTaillePixelsX, &again.parametrage.eNomCamera}),
              (Strings{"8256", "4.35", "Nikon Z7"}));
}

TEST_F(EquipmentTest, ADamagedFileCostsOnlyItsBadRowsAndIsSaidOnce) {
    equipmentFolder = dir.file("equipment");
    std::filesystem::create_directory(equipmentFolder);
    quarvel::config::testing::writeBytes(equipmentFolder + "/sensors.csv",
                                         "name,pixels_x,pixels_y,pixel_um_x,pixel_um_y\n"
                                         "IMX999,100,100,2.9,2.9\nIMX000,abc,1,1,1\nICX285,1,1,1,1\nIMX001,-5,1,1,1\n");
    quarvel::config::testing::writeBytes(equipmentFolder + "/telescopes.csv", "nom,foo\nx,y\n");
    std::filesystem::create_directory(equipmentFolder + "/dslr.csv");
    MainForm& f = start();
    // A missing file and one that is no file are said with their names too.
    EXPECT_EQ(reporter.messages,
              (Strings{"Impossible d'ouvrir le fichier \"" + equipmentFolder + "/cameras.csv\". " + std::strerror(ENOENT),
                       "Impossible d'ouvrir le fichier \"" + equipmentFolder + "/dslr.csv\". n'est pas un fichier ordinaire",
                       "Équipement ignoré : " + equipmentFolder + "/sensors.csv, ligne(s) 3, 5",
                       "Équipement ignoré : " + equipmentFolder + "/telescopes.csv, colonne \"maker\" absente"}));
    EXPECT_EQ(f.parametrage.cbCapteurs.items().back(), "IMX999");
    EXPECT_EQ(program->equipment.catalogue.findSensor("ICX285")->values.pixelsX, 1392);  // not added twice
}

// The user's file: each kind of row, marked in the lists, chosen, saved and
// back after a restart; bad sections said once with their lines.
TEST_F(ProgramTest, TheUsersOwnEquipmentFromItsFile) {
    const std::string userFile = dir.file("Quarvel-equipements.ini");
    quarvel::config::testing::writeBytes(
        userFile,
        "[Capteur Mon IMX]\r\nLargeurPixels=3000\r\nHauteurPixels=2000\r\nTaillePixelX=3.76\r\nTaillePixelY=3.76\r\n"
        "[Cam\xE9ra Ma cam\xE9ra]\r\nCapteur=Mon IMX\r\n"
        "[APN Canon Mon bo\xEEtier]\r\nLargeurPixels=6000\r\nHauteurPixels=4000\r\nTaillePixel=3.72\r\n"
        "[T\xE9lescope Mon 200]\r\nDiam\xE8tre=200\r\nFocale=1000\r\n"
        "[Capteur Cass\xE9]\r\nLargeurPixels=abc\r\n"
        "[Cam\xE9ra Orpheline]\r\nCapteur=Rien\r\n"
        "[Divers]\r\n");
    MainForm& f = start();
    // One message for the file, its problems in the file's order.
    EXPECT_EQ(reporter.messages, Strings{"Équipement ignoré : " + userFile +
                                         ", ligne 15, [Capteur Cassé] : valeurs LargeurPixels, "
                                         "HauteurPixels, TaillePixelX, TaillePixelY absentes ou incorrectes\n" +
                                         userFile + ", ligne 17, [Caméra Orpheline] : capteur \"Rien\" inconnu\n" +
                                         userFile + ", ligne 19, [Divers] : section inconnue"});
    const auto& sensors = f.parametrage.cbCapteurs.items();
    EXPECT_EQ(sensors.end()[-2], "★ Mon IMX");
    EXPECT_EQ(sensors.back(), "★ APS-C Canon 24.0 Mp");  // the digital camera's sensor
    EXPECT_EQ(program->camerasForm.list.items().back(), "★ Ma caméra");
    EXPECT_EQ(program->dslrsForm.list.items().back(), "★ Canon Mon boîtier");
    EXPECT_EQ(program->telescopesForm.lbTelescopes.items().back(), "★ Mon 200");

    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, d.list.count() - 1);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbCameras);
    whenOpened<TelescopesForm>([](TelescopesForm& d) {
        d.userPicks(d.lbTelescopes, d.lbTelescopes.count() - 1);
        d.userClicks(d.bbOK);
    });
    f.userClicks(f.parametrage.bbTelescopes);
    const auto shown = [&](MainForm& m) {
        return texts({&m.parametrage.eDiam, &m.parametrage.eFocale, &m.parametrage.eNomCamera,
                      &m.parametrage.eNbPixelsX, &m.parametrage.eNbPixelsY, &m.parametrage.eTaillePixelsX,
                      &m.parametrage.eEchant});
    };
    const Strings chosen{"200", "1000", "Ma caméra", "3000", "2000", "3.76", "0.78"};
    EXPECT_EQ(shown(f), chosen);
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "★ Mon IMX");
    f.userClicks(f.bbSauveConfig);
    EXPECT_NE(iniBytes().find("Capteur=Mon IMX\r\n"), std::string::npos);

    MainForm& again = start();
    EXPECT_EQ(shown(again), chosen);
    EXPECT_EQ(again.parametrage.cbCapteurs.text(), "★ Mon IMX");
    EXPECT_EQ(again.session().instrument.telescopeName, "Mon 200");

    // Gone from the file: the saved numbers come back all the same.
    std::filesystem::remove(userFile);
    MainForm& without = start();
    EXPECT_EQ(shown(without), chosen);
    EXPECT_EQ(without.parametrage.cbCapteurs.text(), "Saisie manuelle");
    EXPECT_TRUE(without.parametrage.eNbPixelsX.enabled());  // as hand entry
}

// "Ajouter…" and "Supprimer" in the dialogs write the file at once and the
// lists follow; built-in rows cannot be removed.
TEST_F(ProgramTest, AddingAndRemovingTheUsersOwnEquipment) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, kManualRow);
    for (auto [field, text] : {std::pair{&f.parametrage.eNbPixelsX, "1000"},
                               {&f.parametrage.eNbPixelsY, "800"},
                               {&f.parametrage.eTaillePixelsX, "5"}}) {
        f.userTypes(*field, text);
    }
    const auto named = [this](const char* name) {
        whenOpened<NameForm>([name](NameForm& d) {
            d.userTypes(d.eNomEquipement, name);
            d.userClicks(d.bbNomOK);
        });
    };
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userClicks(d.bbAjouter);
        EXPECT_EQ(d.list.text(), "★ Ma caméra");
        EXPECT_TRUE(d.bbSupprimer.enabled());
        d.userClicks(d.bbOK);
    });
    named("Ma caméra");
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "Ma caméra");
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "★ Ma caméra");
    whenOpened<TelescopesForm>([](TelescopesForm& d) {
        d.userClicks(d.bbAjouterTel);
        d.userClicks(d.bbCancel);
    });
    named("Mon 212");
    f.userClicks(f.parametrage.bbTelescopes);
    const std::string userFile = dir.file("Quarvel-equipements.ini");
    EXPECT_EQ(
        quarvel::config::testing::readBytes(userFile),
        "[Capteur Ma cam\xE9ra]\r\nLargeurPixels=1000\r\nHauteurPixels=800\r\nTaillePixelX=5\r\nTaillePixelY=5\r\n"
        "[Cam\xE9ra Ma cam\xE9ra]\r\nCapteur=Ma cam\xE9ra\r\n"
        "[T\xE9lescope Mon 212]\r\nDiam\xE8tre=212\r\nFocale=2628\r\n");

    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userPicks(d.list, 0);
        EXPECT_FALSE(d.bbSupprimer.enabled());  // a built-in row
        d.userPicks(d.list, d.list.count() - 1);
        d.userClicks(d.bbSupprimer);
        EXPECT_EQ(d.list.items().back(), "Vesta Pro");
        d.userClicks(d.bbCancel);
    });
    whenOpened<ConfirmForm>([](ConfirmForm& d) {
        EXPECT_EQ(d.labConfirmation.caption(), "Supprimer la caméra « Ma caméra » de vos équipements ?");
        d.userClicks(d.bbOui);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(quarvel::config::testing::readBytes(userFile),
              "[T\xE9lescope Mon 212]\r\nDiam\xE8tre=212\r\nFocale=2628\r\n");
    EXPECT_EQ(f.parametrage.cbCapteurs.items().back(), "Full frame Nikon 36.3 Mp");
    EXPECT_TRUE(host.scripts.empty());
}

// A list that goes stops listening to the user's equipment.
TEST_F(ProgramTest, AListenerThatGoesIsNotCalled) {
    start();
    int calls = 0;
    {
        const Subscription held = program->equipmentEditor.onChange([&calls] { ++calls; });
        whenOpened<NameForm>([](NameForm& d) {
            d.userTypes(d.eNomEquipement, "Mon 100");
            d.userClicks(d.bbNomOK);
        });
        program->guard.runUserAction([&] { program->equipmentEditor.addTelescope({100, 500}); });
    }
    whenOpened<ConfirmForm>([](ConfirmForm& d) { d.userClicks(d.bbOui); });
    program->guard.runUserAction([&] { program->equipmentEditor.removeTelescope("Mon 100"); });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(host.scripts.empty());
}

// The add dialog shows the numbers it will add; a bad one is said, nothing
// is added, and the dialog stays open with what was typed.
TEST_F(ProgramTest, TheAddDialogShowsItsNumbersAndRefusesBadOnes) {
    MainForm& f = start();
    f.userTypes(f.parametrage.eDiam, "203.2");
    // A name is kept as typed or refused: one the file could not tell from
    // a row's (case aside), a character it cannot hold, a name too long to
    // show; and sizes the next start would not read.
    const std::string longName(61, 'a');
    const struct {
        const char* field;
        std::string text;
        std::string message;
    } bad[] = {
        {"eDiamEquipement", "2O3", "'2O3' n'est pas une valeur en virgule flottante correcte"},
        {"eFocaleEquipement", "2O3", "'2O3' n'est pas une valeur en virgule flottante correcte"},
        {"eNomEquipement", "2O3]", "Équipement ignoré : « 2O3] » : nom incorrect"},
        {"eNomEquipement", "Mon\v250", "Équipement ignoré : « Mon\v250 » : nom incorrect"},
        {"eNomEquipement", "newton 200/1000", "Équipement ignoré : « newton 200/1000 » : nom déjà dans les listes"},
        {"eNomEquipement", "Sony α7 β", "Équipement ignoré : « Sony α7 β » : caractères que le fichier ne peut pas "
                                         "enregistrer : αβ"},
        {"eNomEquipement", longName, "Équipement ignoré : « " + longName.substr(0, 29) + "…" + longName.substr(32) +
                                         " » : nom trop long, 60 caractères au plus"},
        {"eDiamEquipement", "1e308", "Équipement ignoré : « Mon 250 » : diamètre ou focale de plus de 1000000000 mm"},
    };
    whenOpened<TelescopesForm>([&](TelescopesForm& d) {
        d.userClicks(d.bbAjouterTel);
        d.userClicks(d.bbCancel);
    });
    whenOpened<NameForm>([&](NameForm& d) {
        EXPECT_EQ(d.eDiamEquipement.text(), "203.2");
        EXPECT_EQ(d.eFocaleEquipement.text(), "2628");
        EXPECT_FALSE(d.eNbPixelsXEquipement.visible());
        d.userTypes(d.eNomEquipement, "Mon 250");
        for (const auto& [name, text, message] : bad) {
            auto& field = d.get<EditField>(name);
            const std::string kept = field.text();
            d.userTypes(field, text);
            reporter.messages.clear();
            d.userClicks(d.bbNomOK);
            EXPECT_EQ(reporter.messages, Strings{message});
            EXPECT_EQ(d.modalResult(), ModalResult::None);  // still open
            d.userTypes(field, kept);
        }
        d.userClicks(d.bbNomOK);
    });
    f.userClicks(f.parametrage.bbTelescopes);
    EXPECT_EQ(quarvel::config::testing::readBytes(dir.file("Quarvel-equipements.ini")),
              "[T\xE9lescope Mon 250]\r\nDiam\xE8tre=203.2\r\nFocale=2628\r\n");
    EXPECT_EQ(f.parametrage.eDiam.text(), "203.2");
    // A camera: the current sensor's numbers, pixel counts whole.
    whenOpened<ModelListForm>([](ModelListForm& d) {
        d.userClicks(d.bbAjouter);
        d.userClicks(d.bbCancel);
    });
    whenOpened<NameForm>([&](NameForm& d) {
        EXPECT_EQ(d.eNbPixelsXEquipement.text(), "768");
        EXPECT_EQ(d.eTaillePixelsYEquipement.text(), "9");
        EXPECT_FALSE(d.eDiamEquipement.visible());
        d.userTypes(d.eNomEquipement, "vesta pro");
        reporter.messages.clear();
        d.userClicks(d.bbNomOK);
        EXPECT_EQ(reporter.messages, Strings{"Équipement ignoré : « vesta pro » : nom déjà dans les listes"});
        d.userTypes(d.eNomEquipement, "Ma caméra");
        d.userTypes(d.eNbPixelsYEquipement, "51.2");
        reporter.messages.clear();
        d.userClicks(d.bbNomOK);
        EXPECT_EQ(reporter.messages, Strings{"'51.2' n'est pas une valeur entière correcte"});
        d.userClicks(d.bbNomCancel);
    });
    f.userClicks(f.parametrage.bbCameras);
    EXPECT_EQ(program->camerasForm.list.items().back(), "Vesta Pro");
}

}  // namespace
