// SPDX-License-Identifier: GPL-3.0-or-later
// Named setups: kept, brought back, compared side by side, and copied.
#include "ui/tests/program_fixture.h"

#include "ui/drawings/photo_overlay.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

class SetupsTest : public ProgramTest {
protected:
    void typeSetup(MainForm& f, const char* diameter, const char* focal, const char* pixel) {
        f.userTypes(f.parametrage.eDiam, diameter);
        f.userTypes(f.parametrage.eFocale, focal);
        f.userPicks(f.parametrage.cbCapteurs, kManualRow);
        f.userTypes(f.parametrage.eNbPixelsX, "1500");
        f.userTypes(f.parametrage.eNbPixelsY, "1000");
        f.userTypes(f.parametrage.eTaillePixelsX, pixel);
    }
    // "Enregistrer le montage…" with each name typed in turn: a name that
    // cannot be kept is said, and the dialog stays open for the next.
    void saveSetupAs(MainForm& f, Strings names) {
        whenOpened<NameForm>([names](NameForm& d) {
            EXPECT_FALSE(d.eDiamEquipement.visible());
            EXPECT_FALSE(d.eNbPixelsXEquipement.visible());
            for (const auto& name : names) {
                d.userTypes(d.eNomEquipement, name);
                d.userClicks(d.bbNomOK);
            }
        });
        f.userClicks(f.parametrage.bbMontage);
    }
    std::string cell(MainForm& f, ComparerPage::Row row, int column) {
        return f.comparer.cells[row][column]->caption();
    }
};

TEST_F(SetupsTest, KeptComparedAndCopied) {
    dataFolders = {QUARVEL_SOURCE_DIR};  // the photo page's pictures
    MainForm& f = start();
    typeSetup(f, "200", "1000", "5.4");
    saveSetupAs(f, {"Lunette 200"});
    typeSetup(f, "100", "500", "3.76");
    saveSetupAs(f, {"lunette 200", "Petite]", "Petite"});
    EXPECT_EQ(reporter.messages, (Strings{"Équipement ignoré : « lunette 200 » : nom déjà dans les listes",
                                          "Équipement ignoré : « Petite] » : nom incorrect"}));
    reporter.messages.clear();

    // Both come back at the next start, and one pick shows one.
    MainForm& again = start();
    ASSERT_EQ(again.parametrage.cbMontages.items(), (Strings{"Lunette 200", "Petite"}));
    again.userPicks(again.parametrage.cbMontages, 0);
    EXPECT_EQ(texts({&again.parametrage.eDiam, &again.parametrage.eFocale, &again.parametrage.eTaillePixelsX,
                     &again.parametrage.eEchant}),
              (Strings{"200", "1000", "5.4", "1.11"}));
    EXPECT_TRUE(again.parametrage.bbSupprMontage.enabled());

    // Side by side: the current setup, then "Lunette 200", then "Petite".
    again.userSwitches(again.TabbedNotebook1, indexOf(Page::Comparer));
    EXPECT_EQ(again.comparer.cbMontage[1]->text(), "Lunette 200");
    again.userPicks(*again.comparer.cbMontage[2], 2);
    for (int column : {0, 1}) {
        EXPECT_EQ(cell(again, ComparerPage::kFocalRatio, column), again.parametrage.eFD.text());
        EXPECT_EQ(cell(again, ComparerPage::kSampling, column), again.parametrage.eEchant.text());
        EXPECT_EQ(cell(again, ComparerPage::kJupiter, column), again.imagerie.eDiamCapt.text());
        EXPECT_EQ(cell(again, ComparerPage::kExposure, column), again.imagerie.eTps.text());
    }
    EXPECT_EQ(cell(again, ComparerPage::kField, 0),
              again.parametrage.eChampHor.text() + " x " + again.parametrage.eChampVer.text());
    again.userPicks(again.parametrage.cbMontages, 1);
    EXPECT_EQ(cell(again, ComparerPage::kSampling, 2), again.parametrage.eEchant.text());
    EXPECT_EQ(cell(again, ComparerPage::kSampling, 2), "1.55");
    EXPECT_EQ(cell(again, ComparerPage::kTelescope, 2), cell(again, ComparerPage::kTelescope, 0));
    EXPECT_EQ(cell(again, ComparerPage::kMoon, 3), "");

    // Their frames on the photograph, in the legend's colours.
    again.userSwitches(again.TabbedNotebook1, indexOf(Page::ChampPhoto));
    // Each in its colour and its line, which the night's red keeps apart.
    EXPECT_EQ(again.photo.labLegende.caption(),
              "rouge, trait plein : montage actuel ; vert, tirets : Lunette 200 ; bleu, pointillés : Petite");
    const auto& picture = again.photo.PhotoObjet.picture();
    const auto frame = drawings::photoFrame({1500, 1000, 3.76, 3.76}, 500, 300).frame;
    EXPECT_EQ(picture.pixel(frame.left, frame.top), drawings::kComparedColours[1]);
    const auto lunette = drawings::photoFrame({1500, 1000, 5.4, 5.4}, 1000, 300).frame;
    EXPECT_EQ(picture.pixel(lunette.left, lunette.top), drawings::kComparedColours[0]);
    EXPECT_NE(picture.pixel(lunette.left + 5, lunette.top), drawings::kComparedColours[0]);  // between two dashes
    // Copied, the field across is the left box's, the field down the right one's.
    std::vector<ResultLine> fields;
    again.copyResults = [&fields](const std::vector<ResultLine>& lines) { fields = lines; };
    again.userClicks(again.bbCopier);
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].caption.text(), "Champ horizontal");
    EXPECT_EQ(fields[0].values[0].text(), again.photo.eChampPhotoV.text());
    EXPECT_EQ(fields[1].values[0].text(), again.photo.eChampPhotoH.text());

    // The user's sky judges every column: 1.5" in 2x2.
    again.userTypes(again.imagerie.eFWHM, "1.5");
    again.userPicks(again.imagerie.cbBinning, 1);
    EXPECT_EQ(cell(again, ComparerPage::kVerdict, 1), "sous-échantillonné");
    again.userTypes(again.imagerie.eFWHM, "9");  // from 3" to 4.5": 2.23" and 3.10"
    EXPECT_EQ(cell(again, ComparerPage::kVerdict, 1), "sur-échantillonné");
    EXPECT_EQ(cell(again, ComparerPage::kVerdict, 2), "bien échantillonné");

    // Copied: a line a row, the caption, a value a setup shown, the unit.
    again.userSwitches(again.TabbedNotebook1, indexOf(Page::Comparer));
    std::vector<ResultLine> copied;
    again.copyResults = [&copied](const std::vector<ResultLine>& lines) { copied = lines; };
    again.userClicks(again.bbCopier);
    ASSERT_EQ(copied.size(), static_cast<std::size_t>(ComparerPage::kRowCount) + 1);
    ASSERT_EQ(copied[0].values.size(), 3u);
    EXPECT_EQ(copied[0].values[2].text(), "Petite");
    const ResultLine& sampling = copied[1 + ComparerPage::kSampling];
    EXPECT_EQ(sampling.caption.text(), "Echantillonnage");
    ASSERT_EQ(sampling.values.size(), 3u);
    EXPECT_EQ(sampling.values[2].text(), "1.55");
    EXPECT_EQ(sampling.unit.text(), "\"/pixel");
    EXPECT_EQ(again.labStatut.caption(), "Résultats copiés, une ligne par valeur");

    // Removed after a confirmation, from the list, the columns and the file.
    again.userSwitches(again.TabbedNotebook1, indexOf(Page::Parametrage));
    whenOpened<ConfirmForm>([](ConfirmForm& d) {
        EXPECT_EQ(d.labConfirmation.caption(), "Supprimer le montage « Petite » de vos équipements ?");
        d.userClicks(d.bbOui);
    });
    again.userClicks(again.parametrage.bbSupprMontage);
    EXPECT_EQ(again.parametrage.cbMontages.items(), Strings{"Lunette 200"});
    EXPECT_EQ(again.comparer.cbMontage[2]->text(), "(aucun)");
    const std::string file = quarvel::config::testing::readBytes(dir.file("Quarvel-equipements.ini"));
    EXPECT_EQ(file.find("Petite"), std::string::npos);
    EXPECT_NE(file.find("[Montage Lunette 200]"), std::string::npos);
    EXPECT_TRUE(reporter.messages.empty());
}

// A damaged setup is said with the file's other problems, once, and the
// good ones still come.
TEST_F(SetupsTest, ADamagedSetupIsSaidOnce) {
    quarvel::config::testing::writeBytes(dir.file("Quarvel-equipements.ini"),
                                "\xEF\xBB\xBF[Montage Bon]\r\nDiamètre=200\r\nFocale=1000\r\nCapteurX=10\r\nCapteurY=10\r\n"
                                "CapteurPxX=5\r\nCapteurPxY=5\r\n[Montage Abîmé]\r\nDiamètre=abc\r\n[Bizarre]\r\n"
                                "[Montage BON]\r\nDiamètre=100\r\n[Télescope a]b]\r\nDiamètre=1\r\nFocale=2\r\n"
                                "[Montage ABÎMÉ]\r\nDiamètre=200\r\nFocale=1000\r\nCapteurX=10\r\nCapteurY=10\r\n"
                                "CapteurPxX=5\r\nCapteurPxY=5\r\n");
    MainForm& f = start();
    EXPECT_EQ(f.parametrage.cbMontages.items(), Strings{"Bon"});
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find("[Montage Abîmé] : valeurs Diamètre, Focale, CapteurX"), std::string::npos);
    EXPECT_NE(reporter.messages[0].find("[Bizarre] : section inconnue"), std::string::npos);
    // A name the file cannot tell from another, or one holding "]", is refused whole.
    EXPECT_NE(reporter.messages[0].find("[Montage BON] : nom déjà dans les listes"), std::string::npos);
    EXPECT_NE(reporter.messages[0].find("[Télescope a]b] : nom incorrect"), std::string::npos);
    EXPECT_NE(reporter.messages[0].find("[Montage ABÎMÉ] : nom déjà dans les listes"), std::string::npos);
    EXPECT_FALSE(program->equipment.catalogue.findTelescopeRow("a"));
    // A name the file holds, even in a section skipped, is the user's: never
    // written over; nor is a setup kept that the next start would skip.
    reporter.messages.clear();
    f.userPicks(f.parametrage.cbCapteurs, kManualRow);
    saveSetupAs(f, {"abîmé", "Vide"});
    EXPECT_EQ(reporter.messages, (Strings{"Équipement ignoré : « abîmé » : nom déjà dans les listes",
                                          "Équipement ignoré : « Vide » : capteur incomplet"}));
    EXPECT_EQ(f.parametrage.cbMontages.items(), Strings{"Bon"});
}

}  // namespace
