// SPDX-License-Identifier: GPL-3.0-or-later
// The telescope dialog, the instrument fields' clicks, and the configuration file.
#include "ui/tests/program_fixture.h"

using namespace quarvel::ui;
using namespace quarvel::ui::testing;
using Strings = std::vector<std::string>;

namespace {

class InstrumentTest : public ProgramTest {
protected:
    void chooseTelescope(const std::string& name, const std::string& factor, const std::string& other = "") {
        whenOpened<TelescopesForm>([=](TelescopesForm& d) {
            d.userPicks(d.lbTelescopes, rowOf(d.lbTelescopes, name));
            d.userPicks(d.cbRedMult, rowOf(d.cbRedMult, factor));
            if (!other.empty()) d.userTypes(d.eAutreRM, other);
            d.userClicks(d.bbOK);
        });
        program->mainForm.userClicks(program->mainForm.parametrage.bbTelescopes);
    }
};

TEST_F(InstrumentTest, ATelescopeWithoutFactorShowsItsOwnValues) {
    MainForm& f = start();
    chooseTelescope("Takahashi CN-212", "Aucun");
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "2638"}));
    EXPECT_FALSE(f.parametrage.eFocale.italic());
    EXPECT_EQ(f.session().instrument.telescopeLabel, "Takahashi CN-212");
    EXPECT_EQ(f.parametrage.eFD.text(), "12.44");
}

struct FactorCase {
    const char* telescope;
    const char* factor;
    const char* other;
    const char* diameter;
    const char* focal;
    const char* label;
};

TEST_F(InstrumentTest, FactorsMultiplyTheFocalLengthInItalic) {
    const FactorCase cases[] = {
        {"Newton 200/1000", "0.5 x", "", "200", "500", "Newton 200/1000 + Réducteur 0.5 x"},
        {"Lunette 66/400", "0.73 x", "", "66", "292", "Lunette 66/400 + Réducteur 0.73 x"},
        {"Takahashi CN-212", "0.33 x", "", "212", "871", "Takahashi CN-212 + Réducteur 0.33 x"},
        {"Schmidt-Cassegrain 8\"", "0.63 x", "", "203", "1279", "Schmidt-Cassegrain 8\" + Réducteur 0.63 x"},
        {"Newton 200/1000", "2 x", "", "200", "2000", "Newton 200/1000 + Barlow 2 x"},
        {"Newton 200/1000", "Autre", "1.25", "200", "1250", "Newton 200/1000 + Barlow 1 x"},
    };
    MainForm& f = start();
    for (const auto& c : cases) {
        chooseTelescope(c.telescope, c.factor, c.other);
        EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{c.diameter, c.focal}))
            << c.telescope << c.factor;
        EXPECT_TRUE(f.parametrage.eFocale.italic());
        EXPECT_EQ(f.session().instrument.telescopeLabel, c.label);
    }
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(InstrumentTest, ARowWithoutValuesOnlyRenamesTheTelescope) {
    MainForm& f = start();
    chooseTelescope("Schmidt-Cassegrain 12\"", "Aucun");
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "2628"}));
    EXPECT_EQ(f.session().instrument.telescopeName, "Schmidt-Cassegrain 12\"");
}

// Nothing of the choice is taken: not the telescope's name without its numbers.
TEST_F(InstrumentTest, AnUnparsableFactorIsReportedAndTheDialogCloses) {
    MainForm& f = start();
    chooseTelescope("Newton 200/1000", "Autre", "1;5");
    EXPECT_EQ(reporter.messages, Strings{"'1;5' n'est pas une valeur en virgule flottante correcte"});
    EXPECT_EQ(f.session().instrument.telescopeName, "Takahashi CN-212");
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "2628"}));
}

TEST_F(InstrumentTest, SaveAndLoadKeepTheBaseFocalLengthAndFactor) {
    MainForm& f = start();
    chooseTelescope("Newton 200/1000", "0.5 x");
    f.userClicks(f.bbSauveConfig);
    const std::string saved = iniBytes();
    EXPECT_NE(saved.find("Focale=1000\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Barlow=0.5 x\r\n"), std::string::npos);
    EXPECT_NE(saved.find("T\xE9lescope=Newton 200/1000\r\n"), std::string::npos);
    chooseTelescope("Takahashi CN-212", "Aucun");
    f.userClicks(f.bbChargeConfig);
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"200", "500"}));
    EXPECT_TRUE(f.parametrage.eFocale.italic());
    EXPECT_EQ(f.parametrage.eFD.text(), "2.50");
    EXPECT_EQ(program->telescopesForm.lbTelescopes.text(), "Newton 200/1000");
}

TEST_F(InstrumentTest, HalvesRoundAwayInTheDialogAndToEvenOnLoad) {
    writeIni("[parametres]\r\nFocale=1625\r\nBarlow=0.5 x\r\n");
    MainForm& f = start();
    EXPECT_EQ(f.parametrage.eFocale.text(), "812");
    chooseTelescope("(Configuration personnelle)", "0.5 x");
    EXPECT_EQ(f.parametrage.eFocale.text(), "813");
    EXPECT_EQ(f.session().instrument.focalMm, 813);
}

TEST_F(InstrumentTest, ATypedFactorComesBackAsAutre) {
    MainForm& f = start();
    chooseTelescope("Newton 200/1000", "Autre", "1.25");
    f.userClicks(f.bbSauveConfig);
    EXPECT_NE(iniBytes().find("Barlow=1.25\r\n"), std::string::npos);
    program.reset();
    MainForm& g = start();
    EXPECT_EQ(g.parametrage.eFocale.text(), "1250");
    EXPECT_EQ(program->telescopesForm.cbRedMult.text(), "Autre");
    EXPECT_EQ(program->telescopesForm.eAutreRM.text(), "1.25");
    EXPECT_EQ(g.session().instrument.focalFactorLabel, "1.25");
}

TEST_F(InstrumentTest, AnUnknownTelescopeOpensTheListOnThePersonalRow) {
    writeIni("[parametres]\r\nT\xE9lescope=Mon t\xE9lescope\r\n");
    MainForm& f = start();
    whenOpened<TelescopesForm>([](TelescopesForm& d) {
        EXPECT_EQ(d.lbTelescopes.selected(), 0);
        d.userClicks(d.bbCancel);
    });
    f.userClicks(f.parametrage.bbTelescopes);
    EXPECT_EQ(host.opened, Strings{"fTelescopes"});
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(InstrumentTest, RetablirRestoresWhatTheLastClickRemembered) {
    MainForm& f = start();
    EXPECT_FALSE(f.parametrage.bRetablir.enabled());
    f.userClicksInto(f.parametrage.eDiam);
    EXPECT_EQ(f.parametrage.eDiam.text(), "");
    EXPECT_TRUE(f.parametrage.bRetablir.enabled());
    f.userClicks(f.parametrage.bRetablir);
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "2628"}));
    EXPECT_FALSE(f.parametrage.bRetablir.enabled());

    f.userClicksInto(f.parametrage.eDiam);
    f.userClicksInto(f.parametrage.eDiam);  // remembers the empty text
    f.userClicks(f.parametrage.bRetablir);
    EXPECT_EQ(f.parametrage.eDiam.text(), "");
    EXPECT_EQ(f.parametrage.eFocale.text(), "2628");
}

TEST_F(InstrumentTest, AFieldChangedOnThePersonalRowRenamesTheTelescope) {
    MainForm& f = start();
    f.userClicksInto(f.parametrage.eFocale);
    f.userTypes(f.parametrage.eFocale, "1000");
    EXPECT_EQ(f.session().instrument.telescopeName, "(Configuration personnelle)");
    EXPECT_EQ(f.planetDrawing.labDessinPlaTelescope.caption(), "(Configuration personnelle)");
    f.userClicks(f.parametrage.bRetablir);
    EXPECT_EQ(f.session().instrument.telescopeName, "(Configuration personnelle)");
}

TEST_F(InstrumentTest, SavingAHandEnteredSensorShowsSavedData) {
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, kManualRow);
    f.userClicks(f.bbSauveConfig);
    EXPECT_EQ(f.parametrage.cbCapteurs.selected(), kSavedRow);
    EXPECT_EQ(iniBytes(),
              "[parametres]\r\nT\xE9lescope=Takahashi CN-212\r\nBarlow=Aucune\r\nDiam\xE8tre=212\r\nFocale=2628\r\n"
              "Filtre=0\r\nCam\xE9ra=Inconnu\r\nCapteur=Inconnu\r\nCapteurX=\r\nCapteurY=\r\nCapteurPxX=\r\n"
              "CapteurPxY=\r\nPixelCarr\xE9=0\r\n");
}

TEST_F(InstrumentTest, SaveDoesNothingWithoutDiameterOrFocal) {
    MainForm& f = start();
    f.userTypes(f.parametrage.eFocale, "");
    f.userClicks(f.bbSauveConfig);
    EXPECT_TRUE(iniBytes().empty());
}

TEST_F(InstrumentTest, ASaveThatCannotWriteIsReported) {
    // A missing folder is made; one that is a file cannot be.
    quarvel::config::testing::writeBytes(dir.file("file"), "");
    iniPath = dir.file("file/Quarvel.ini");
    MainForm& f = start();
    f.userClicks(f.bbSauveConfig);
    EXPECT_EQ(reporter.messages, Strings{"Impossible d'écrire dans " + iniPath});
}

TEST_F(InstrumentTest, ReloadingSavedDataInsideALoadEnds) {
    writeIni("[parametres]\r\nBarlow=0.5 x\r\nCapteur=ICX285\r\nCapteurX=1392\r\nCapteurY=1040\r\n"
             "CapteurPxX=6.45\r\nCapteurPxY=6.45\r\n");
    MainForm& f = start();
    f.userPicks(f.parametrage.cbCapteurs, kSavedRow);  // "Données sauvegardées"
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "1314"}));
    EXPECT_EQ(f.parametrage.cbCapteurs.text(), "ICX285");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(InstrumentTest, ALoadKeepsTheSavedSensorAndCameraNames) {
    writeIni("[parametres]\r\nBarlow=0.5 x\r\nCam\xE9ra=HiSis-22\r\nCapteur=KAF0400\r\n");
    MainForm& f = start();
    EXPECT_EQ(f.parametrage.eFocale.text(), "1314");
    EXPECT_EQ(f.parametrage.eNomCamera.text(), "HiSis-22");
    EXPECT_EQ(f.session().sensorName, "KAF0400");
    EXPECT_EQ(f.parametrage.eNbPixelsX.text(), "768");
}

TEST_F(InstrumentTest, OddValuesInTheFileTakeTheirDefaults) {
    writeIni("[parametres]\r\nDiam\xE8tre=2O3.5\r\nFiltre=15\r\nPixelCarr\xE9=7\r\nBarlow=n'importe quoi\r\n");
    MainForm& f = start();
    EXPECT_EQ(texts({&f.parametrage.eDiam, &f.parametrage.eFocale}), (Strings{"212", "2628"}));
    EXPECT_EQ(f.parametrage.rgFiltre.selected(), 0);
    EXPECT_EQ(f.parametrage.rgPixelC.selected(), 0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(InstrumentTest, UnparsableSensorTextsAreReportedAndStartUpGoesOn) {
    writeIni("[parametres]\r\nCapteurX=\r\nCapteurY=abc\r\nCapteurPxX=9\r\nCapteurPxY=9\r\n");
    MainForm& f = start();
    EXPECT_EQ(reporter.messages,
              (Strings{"'abc' n'est pas une valeur entière correcte",
                       "Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul"}));
    EXPECT_EQ(f.TabbedNotebook1.activePage(), indexOf(Page::Parametrage));
    EXPECT_EQ(f.parametrage.eFD.text(), "12.40");
    // The load went on past the bad field.
    EXPECT_EQ(texts({&f.parametrage.eTaillePixelsX, &f.parametrage.eTaillePixelsY}), (Strings{"9", "9"}));
    EXPECT_FALSE(f.parametrage.eTaillePixelsX.enabled());
}

// Said once at start; the pages that need the numbers leave them empty.
TEST_F(InstrumentTest, ASavedSensorWithZeroNumbersIsReportedOnceAtStart) {
    writeIni("[parametres]\r\nCapteur=Inconnu\r\nCapteurX=0\r\nCapteurY=0\r\nCapteurPxX=0\r\nCapteurPxY=0\r\n");
    dataFolders = {QUARVEL_SOURCE_DIR};  // the photo page's pictures
    MainForm& f = start();
    EXPECT_EQ(reporter.messages,
              Strings{"Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul"});
    for (int page : {3, 0, 3, 4, 5, 1}) f.userSwitches(f.TabbedNotebook1, page);
    EXPECT_EQ(reporter.messages.size(), 1u) << reporter.messages.back();
    EXPECT_EQ(f.imagerie.eDiamCapt.text(), "");
}

}  // namespace
